#include "document/PlatformSet.h"

namespace rylmo {

PlatformSet usedPlatforms(const std::vector<PlatformInterval>& stays) {
    PlatformSet used;
    for (const PlatformInterval& stay : stays) {
        if (stay.platform >= limits::minPlatform && stay.platform <= limits::maxPlatform)
            used.set(static_cast<std::size_t>(stay.platform));
    }
    return used;
}

std::optional<PlatformSet> platformList(std::string_view text) {
    PlatformSet set;
    const auto number = [](std::string_view digits) -> std::optional<int32_t> {
        if (digits.size() != 1 || digits[0] < '0' + limits::minPlatform ||
            digits[0] > '0' + limits::maxPlatform) {
            return std::nullopt;
        }
        return digits[0] - '0';
    };
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const std::size_t dash = item.find('-');
        const std::optional<int32_t> first = number(item.substr(0, dash));
        const std::optional<int32_t> last =
            dash == std::string_view::npos ? first : number(item.substr(dash + 1));
        if (!first || !last || *last < *first) return std::nullopt;
        for (int32_t p = *first; p <= *last; ++p) set.set(static_cast<std::size_t>(p));
        if (comma == std::string_view::npos) return set;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace rylmo
