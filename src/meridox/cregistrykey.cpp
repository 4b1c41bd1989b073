#include "cregistrykey.h"

#include "registrystore.h"

#include <cstdint>

namespace
{

void *const CurrentUserRoot = reinterpret_cast<void *>(static_cast<std::uintptr_t>(0x80000001u));

// A key path with a line break, a NUL or "]" at the end could not be written
// back as a section header; such a key cannot be opened.
bool IsStorablePath(const std::string &path)
{
    if (path.empty() || path.back() == ']')
        return false;
    for (char c : path) {
        if (c == '\n' || c == '\r' || c == '\0')
            return false;
    }
    return true;
}

} // namespace

CRegistryKey::CRegistryKey() : root_(CurrentUserRoot), document_(new meridox::RegistryDocument) {}

CRegistryKey::~CRegistryKey() = default;

void CRegistryKey::Set(void *root, const std::string &path)
{
    root_ = root;
    path_ = path;
    hasPath_ = true;
}

std::string CRegistryKey::KeyPath(const std::string &section) const
{
    std::string path = section.empty() ? path_ : path_ + "\\" + section;
    std::size_t start = 0;
    while (start < path.size() && path[start] == '\\')
        ++start;
    return path.substr(start);
}

bool CRegistryKey::Load()
{
    if (batch_)
        return true;
    const std::string file = meridox::RegistryFileForRoot(root_);
    if (file.empty())
        return false;
    return meridox::ReadRegistryDocument(file, *document_);
}

void CRegistryKey::Save()
{
    if (batch_) {
        dirty_ = true;
        return;
    }
    const std::string file = meridox::RegistryFileForRoot(root_);
    if (!file.empty())
        meridox::WriteRegistryDocument(file, *document_);
}

void CRegistryKey::BeginBatch()
{
    batch_ = false;
    const bool loaded = hasPath_ && Load();
    if (!loaded)
        *document_ = meridox::RegistryDocument();
    batch_ = loaded;
    dirty_ = false;
}

void CRegistryKey::EndBatch()
{
    if (!batch_)
        return;
    batch_ = false;
    if (dirty_)
        Save();
    dirty_ = false;
}

std::string CRegistryKey::ReadString(const std::string &section, const std::string &name,
                                     const std::string &defaultValue)
{
    if (!hasPath_)
        return std::string();
    const std::string path = KeyPath(section);
    if (!IsStorablePath(path) || !Load())
        return defaultValue;
    meridox::RegistrySection &key = document_->findOrAdd(path);
    for (const auto &entry : key.values) {
        if (meridox::SameRegistryName(entry.first, name))
            return entry.second;
    }
    key.values.emplace_back(name, defaultValue);
    Save();
    return defaultValue;
}

void CRegistryKey::WriteString(const std::string &section, const std::string &name,
                               const std::string &text)
{
    if (!hasPath_)
        return;
    const std::string path = KeyPath(section);
    if (!IsStorablePath(path) || !Load())
        return;
    meridox::RegistrySection &key = document_->findOrAdd(path);
    bool replaced = false;
    for (auto &entry : key.values) {
        if (meridox::SameRegistryName(entry.first, name)) {
            entry.second = text;
            replaced = true;
            break;
        }
    }
    if (!replaced)
        key.values.emplace_back(name, text);
    Save();
}

void CRegistryKey::DeleteValue(const std::string &section, const std::string &name)
{
    if (!hasPath_)
        return;
    const std::string path = KeyPath(section);
    if (!IsStorablePath(path) || !Load())
        return;
    meridox::RegistrySection *key = document_->find(path);
    if (key == nullptr)
        return;
    for (auto it = key->values.begin(); it != key->values.end(); ++it) {
        if (meridox::SameRegistryName(it->first, name)) {
            key->values.erase(it);
            Save();
            return;
        }
    }
}

std::vector<std::string> CRegistryKey::ListValueNames(const std::string &section)
{
    std::vector<std::string> names;
    if (!hasPath_)
        return names;
    const std::string path = KeyPath(section);
    if (!IsStorablePath(path) || !Load())
        return names;
    if (const meridox::RegistrySection *key = document_->find(path)) {
        for (const auto &entry : key->values)
            names.push_back(entry.first);
    }
    return names;
}

std::string CRegistryKey::ListValueNamesText(const std::string &section)
{
    std::string text;
    for (const std::string &name : ListValueNames(section)) {
        if (!text.empty())
            text += '|';
        text += name;
    }
    return text;
}
