// The settings file reader on any text, in memory: keys are read without fail, and a key
// written is read back as written while every other key reads as before.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/ProfileFile.h"

namespace {

const char* const kKeys[][2] = {{"Program", "Tabor"},
                                {"Program", "Stacje"},
                                {"Widok", "ListaCzytelna"},
                                {"Wykres", "PostojPrzyjazd"},
                                {"Perony", "Zielonka.roz"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::optional<std::string> before[std::size(kKeys)];
    for (std::size_t k = 0; k < std::size(kKeys); ++k)
        before[k] = rylmo::profileValue(text, kKeys[k][0], kKeys[k][1]);
    const std::string written =
        rylmo::profileWithValue(text, "Program", "Stacje", "D:\\Gra\\Stacje\\");
    for (std::size_t k = 0; k < std::size(kKeys); ++k) {
        const std::optional<std::string> now =
            rylmo::profileValue(written, kKeys[k][0], kKeys[k][1]);
        if (now != (k == 1 ? std::optional<std::string>("D:\\Gra\\Stacje\\") : before[k]))
            std::abort();
    }
    return 0;
}
