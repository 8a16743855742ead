#pragma once

#include <bitset>
#include <optional>
#include <string_view>
#include <vector>

#include "document/FieldLimits.h"
#include "document/Occupancy.h"

namespace rylmo {

// A set of platforms, by number, 1..9.
using PlatformSet = std::bitset<limits::maxPlatform + 1>;

// The platforms the stays hold.
PlatformSet usedPlatforms(const std::vector<PlatformInterval>& stays);

// A list of platforms as "1-4,6": numbers and ranges of 1..9, separated by commas; nothing
// for anything else (an empty list, a range backwards, a number out of range).
std::optional<PlatformSet> platformList(std::string_view text);

}  // namespace rylmo
