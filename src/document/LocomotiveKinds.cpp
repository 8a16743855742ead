#include "document/LocomotiveKinds.h"

#include <array>

namespace rylmo {

std::string_view kindText(int32_t kind) {
    static constexpr std::array<std::string_view, 5> texts = {
        "Elektryczny zespół trakcyjny (ETZ)", "Autobus szynowy", "Lokomotywa elektryczna",
        "Lokomotywa spalinowa", "Parowóz"};
    if (kind < 1 || kind > 5) return {};
    return texts[static_cast<std::size_t>(kind - 1)];
}

std::string_view kindText(std::string_view kind) {
    if (kind.size() != 1 || kind[0] < '1' || kind[0] > '5') return {};
    return kindText(kind[0] - '0');
}

}  // namespace rylmo
