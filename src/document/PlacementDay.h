#pragma once

// The planner's day as a line of minutes; not for use outside the planner.

#include <cstdint>
#include <vector>

#include "document/PlacementUnits.h"

namespace rylmo::placement {

// The first minute of the day that the fewest movable units run over, where the line starts.
int32_t quietestMinute(const std::vector<Unit>& units);

// The units on the line that starts at cut: each starts that many minutes earlier, around
// the clock, and keeps its length.
void startLineAt(std::vector<Unit>& units, int32_t cut);

// How many units need a platform at each minute of the line.
std::vector<int32_t> unitsAtEachMinute(const std::vector<Unit>& units);

}  // namespace rylmo::placement
