// The settings file reader on any file: keys are read without fail, and a key written is read
// back as written while every other key reads as before.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/ProfileFile.h"
#include "document/Error.h"

namespace {

const char* const kKeys[][2] = {{"Program", "Tabor"},
                                {"Program", "Stacje"},
                                {"Widok", "ListaCzytelna"},
                                {"Wykres", "PostojPrzyjazd"},
                                {"Perony", "Zielonka.roz"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / "rylmo-fuzz-settings.ini").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    rylmo::ProfileFile settings(path);
    std::string before[std::size(kKeys)];
    for (std::size_t k = 0; k < std::size(kKeys); ++k)
        before[k] = settings.readString(kKeys[k][0], kKeys[k][1], "-");
    try {
        settings.writeString("Program", "Stacje", "D:\\Gra\\Stacje\\");
    } catch (const rylmo::Error&) {
        return 0;
    }
    for (std::size_t k = 0; k < std::size(kKeys); ++k) {
        const std::string now = settings.readString(kKeys[k][0], kKeys[k][1], "-");
        if (now != (k == 1 ? "D:\\Gra\\Stacje\\" : before[k])) std::abort();
    }
    return 0;
}
