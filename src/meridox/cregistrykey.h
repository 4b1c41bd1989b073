#pragma once

#include <memory>
#include <string>
#include <vector>

namespace meridox
{
struct RegistryDocument;
}

// A registry root and key path for the library's definition store. Each
// operation works on the stored path, followed by "\" and the section name when
// one is given (leading backslashes removed). Before a path is given, reads
// return the empty text and writes do nothing. Failures are silent: reads fall
// back to the default, writes leave the store unchanged.
class CRegistryKey
{
public:
    CRegistryKey();
    ~CRegistryKey();
    CRegistryKey(const CRegistryKey &) = delete;
    CRegistryKey &operator=(const CRegistryKey &) = delete;

    void Set(void *root, const std::string &path);
    bool HasPath() const { return hasPath_; }
    const std::string &Path() const { return path_; }
    void *Root() const { return root_; }

    // Missing values are written back with the default (the key is created).
    std::string ReadString(const std::string &section, const std::string &name,
                           const std::string &defaultValue);
    void WriteString(const std::string &section, const std::string &name, const std::string &text);
    void DeleteValue(const std::string &section, const std::string &name);
    // Value names in their stored order; empty for a missing key.
    std::vector<std::string> ListValueNames(const std::string &section);
    // The same names joined with "|".
    std::string ListValueNamesText(const std::string &section);

    // Between BeginBatch and EndBatch the store is read once and written once.
    void BeginBatch();
    void EndBatch();

private:
    std::string KeyPath(const std::string &section) const;
    bool Load();
    void Save();

    void *root_;
    std::string path_;
    bool hasPath_ = false;
    std::unique_ptr<meridox::RegistryDocument> document_;
    bool batch_ = false;
    bool dirty_ = false;
};
