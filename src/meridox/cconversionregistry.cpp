#include "cconversion.h"

#include <cstdio>
#include <string>

namespace
{

const char *const KeyPrefix = "Software\\Meridox\\";
// "Coordonnées" in Windows-1252.
const char *const DefinitionSection = "Coordonn\xE9"
                                      "es";
constexpr std::size_t PieceLength = 511;

} // namespace

void CConversion::SetRegistry(MeridoxRegistryRoot root, const char *key)
{
    registry_.Set(root, std::string(KeyPrefix) + (key ? key : ""));
}

void CConversion::SetRegistry2(MeridoxRegistryRoot root, const char *path)
{
    registry_.Set(root, path ? path : "");
}

int CConversion::InitRegistry(const char *filePath)
{
    if (filePath == nullptr)
        return 1;
    std::FILE *file = std::fopen(filePath, "rb");
    if (file == nullptr)
        return 1;
    registry_.BeginBatch();
    int written = 0;
    char buffer[PieceLength + 1];
    // fgets hands over lines in pieces of at most 511 characters; each piece is
    // treated as a line of its own.
    while (std::fgets(buffer, sizeof buffer, file) != nullptr) {
        std::string line;
        for (const char *c = buffer; *c != '\0'; ++c) {
            if (*c != '\r' && *c != '\n')
                line += *c;
        }
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        const std::string name = line.substr(0, equals);
        if (name.empty() || name[0] == '!')
            continue;
        std::string value;
        if (equals != std::string::npos) {
            const std::size_t next = line.find('=', equals + 1);
            value = line.substr(equals + 1,
                                next == std::string::npos ? std::string::npos : next - equals - 1);
        }
        if (value.empty()) {
            registry_.DeleteValue(DefinitionSection, name);
            continue;
        }
        registry_.WriteString(written < 2 ? std::string() : std::string(DefinitionSection), name,
                              value);
        ++written;
    }
    std::fclose(file);
    registry_.EndBatch();
    return 0;
}

int CConversion::LoadRegistry()
{
    const std::vector<std::string> names = registry_.ListValueNames(DefinitionSection);
    if (names.empty())
        return 1;
    const std::string pivot = registry_.ReadString(std::string(), "Pivot", std::string());
    const std::string paris = registry_.ReadString(std::string(), "Paris", std::string());
    SetParis(atofDeg(paris.c_str(), false));
    for (const std::string &name : names)
        SetConversion(name.c_str(),
                      registry_.ReadString(DefinitionSection, name, std::string()).c_str());
    SetPivot(pivot.c_str());
    return 0;
}
