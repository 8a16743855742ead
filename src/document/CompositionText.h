#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rylmo {

// A composition is stored as run-length pairs "count,vehicle," ended by "0,"; the editors
// work on the expanded row, one vehicle number per vehicle.

// No composition drawn by the game is anywhere near this long; the limit keeps a hostile
// run length from expanding into billions of vehicles.
inline constexpr std::size_t maxCompositionVehicles = 10000;

// Expands a composition text into its row. A token that is not an integer throws the
// conversion error; a run count below 1 adds nothing; a trailing count without a vehicle is
// ignored; a row longer than maxCompositionVehicles throws rylmo::Error.
std::vector<int32_t> readComposition(std::string_view text);

std::string compositionText(const std::vector<int32_t>& row);

}  // namespace rylmo
