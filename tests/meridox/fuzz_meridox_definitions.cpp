// Definition files of any content: InitRegistry reads them into the store,
// LoadRegistry reads the store back into definitions, and the store's own
// file reader sees the same bytes. No crash, no out-of-bounds access.
#include "cconversion.h"
#include "registrystore.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace
{

// A plain character array: it outlives the exit handler that removes the folder.
char folder[64] = "/tmp/meridox-fuzz-XXXXXX";

void RemoveFolder()
{
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

const char *Folder()
{
    static const bool made = [] {
        if (::mkdtemp(folder) == nullptr)
            return false;
        ::setenv("XDG_CONFIG_HOME", folder, 1);
        std::atexit(RemoveFolder);
        return true;
    }();
    return made ? folder : "/tmp";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    meridox::ParseRegistryDocument(bytes);

    const std::string path = std::string(Folder()) + "/definitions.txt";
    if (std::FILE *file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    std::error_code error;
    std::filesystem::remove(std::string(Folder()) + "/Meridox/HKEY_CURRENT_USER.txt", error);

    CConversion engine;
    engine.SetRegistry(MERIDOX_HKEY_CURRENT_USER, "Fuzz");
    engine.InitRegistry(path.c_str());
    engine.LoadRegistry();
    const double in[2] = {50.0, 4.0};
    double out[3];
    engine.DoCalcul(in, "Pivot", 2, 1, out, "Paris", 2, 1, 2);
    return 0;
}
