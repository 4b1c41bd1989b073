#include "registrystore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace meridox
{
namespace
{

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string EscapeName(const std::string &name)
{
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '=':
            out += "\\=";
            break;
        case '[':
            out += "\\[";
            break;
        case ';':
            out += "\\;";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string EscapeValue(const std::string &value)
{
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

char Unescaped(char c)
{
    switch (c) {
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    default:
        return c;
    }
}

std::string ConfigFolder()
{
    const char *xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/Meridox";
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.config/Meridox";
    return std::string();
}

} // namespace

bool SameRegistryName(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

RegistrySection *RegistryDocument::find(const std::string &path)
{
    for (RegistrySection &section : sections) {
        if (SameRegistryName(section.path, path))
            return &section;
    }
    return nullptr;
}

RegistrySection &RegistryDocument::findOrAdd(const std::string &path)
{
    if (RegistrySection *section = find(path))
        return *section;
    sections.push_back(RegistrySection{path, {}});
    return sections.back();
}

std::string RegistryFileForRoot(const void *root)
{
    const char *name = nullptr;
    switch (reinterpret_cast<std::uintptr_t>(root)) {
    case 0x80000000u:
        name = "HKEY_CLASSES_ROOT.txt";
        break;
    case 0x80000001u:
        name = "HKEY_CURRENT_USER.txt";
        break;
    case 0x80000002u:
        name = "HKEY_LOCAL_MACHINE.txt";
        break;
    case 0x80000003u:
        name = "HKEY_USERS.txt";
        break;
    default:
        return std::string();
    }
    const std::string folder = ConfigFolder();
    if (folder.empty())
        return std::string();
    return folder + "/" + name;
}

std::string SerializeRegistryDocument(const RegistryDocument &document)
{
    std::string text = "; Meridox key/value store\n";
    for (const RegistrySection &section : document.sections) {
        text += "[" + section.path + "]\n";
        for (const auto &[name, value] : section.values)
            text += EscapeName(name) + "=" + EscapeValue(value) + "\n";
    }
    return text;
}

RegistryDocument ParseRegistryDocument(const std::string &text)
{
    RegistryDocument document;
    RegistrySection *current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[' && line.back() == ']' && line.size() >= 2) {
            current = &document.findOrAdd(line.substr(1, line.size() - 2));
            continue;
        }
        if (current == nullptr)
            continue;
        std::string name;
        std::string value;
        std::size_t i = 0;
        bool sawEquals = false;
        for (; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                name += Unescaped(line[++i]);
            } else if (line[i] == '=') {
                sawEquals = true;
                ++i;
                break;
            } else {
                name += line[i];
            }
        }
        if (!sawEquals)
            continue;
        for (; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size())
                value += Unescaped(line[++i]);
            else
                value += line[i];
        }
        bool replaced = false;
        for (auto &entry : current->values) {
            if (SameRegistryName(entry.first, name)) {
                entry.second = value;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            current->values.emplace_back(std::move(name), std::move(value));
    }
    return document;
}

bool ReadRegistryDocument(const std::string &file, RegistryDocument &document)
{
    document = RegistryDocument();
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::error_code error;
        return !std::filesystem::exists(file, error);
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return false;
    document = ParseRegistryDocument(buffer.str());
    return true;
}

bool WriteRegistryDocument(const std::string &file, const RegistryDocument &document)
{
    const std::filesystem::path target(file);
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    const std::string temporary = file + ".tmp." + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const std::string text = SerializeRegistryDocument(document);
    std::size_t written = 0;
    bool ok = true;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            ok = false;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    if (ok && std::rename(temporary.c_str(), file.c_str()) != 0)
        ok = false;
    if (!ok)
        std::remove(temporary.c_str());
    return ok;
}

} // namespace meridox
