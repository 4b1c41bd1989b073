#pragma once

#include <string>
#include <utility>
#include <vector>

// The file behind the library's key/value store: one readable text file per
// registry root in the user's configuration folder ($XDG_CONFIG_HOME/Meridox/,
// else ~/.config/Meridox/). Sections are key paths, entries are string values:
//
//   [Software\Meridox\Velmor]
//   Pivot=WGS84
//
// Text is kept byte for byte (Windows-1252). In names "\", "=", "[" and ";" are
// escaped with a backslash; in values "\", line feed and carriage return are.
// The file is replaced atomically (written beside it, flushed, renamed), so a
// crash leaves either the old or the new file, never half of one.
namespace meridox
{

struct RegistrySection {
    std::string path;
    std::vector<std::pair<std::string, std::string>> values;
};

struct RegistryDocument {
    std::vector<RegistrySection> sections;

    // Key paths and value names compare without regard to ASCII case.
    RegistrySection *find(const std::string &path);
    RegistrySection &findOrAdd(const std::string &path);
};

bool SameRegistryName(const std::string &a, const std::string &b);

// The store file for a root handle; empty for a root the store does not know.
std::string RegistryFileForRoot(const void *root);

// A missing file reads as an empty document. False only for a file that exists
// but cannot be read.
bool ReadRegistryDocument(const std::string &file, RegistryDocument &document);
bool WriteRegistryDocument(const std::string &file, const RegistryDocument &document);

std::string SerializeRegistryDocument(const RegistryDocument &document);
RegistryDocument ParseRegistryDocument(const std::string &text);

} // namespace meridox
