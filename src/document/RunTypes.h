#pragma once

#include <cstdint>

namespace rylmo {

// What a train's runType (0..6) says about its stop at the station.
//   0 ends its run here               4 part of a train split here, ends its run here
//   1 starts its run here             5 does not stop
//   2 arrives and departs             6 part of a train joined here, starts its run here
//   3 part of a train split here (arrives and departs)

inline constexpr int32_t runTypeCount = 7;

// The train arrives from another station (it does not start here).
inline bool arrivesFromElsewhere(int32_t runType) {
    return runType != 1 && runType != 6;
}

// The train leaves for another station (it does not end here).
inline bool leavesForElsewhere(int32_t runType) {
    return runType != 0 && runType != 4;
}

// The short text the train list shows for a run type; nullptr for a value out of range.
const char* runTypeText(int32_t runType);

}  // namespace rylmo
