#pragma once

#include <cstdint>
#include <optional>

namespace rylmo {

// What a train's runType says about its stop at the station. The file stores the number.
enum class RunType : int32_t {
    ends = 0,              // ends its run here
    starts = 1,            // starts its run here
    passesThrough = 2,     // arrives and departs
    splitPart = 3,         // part of a train split here, arrives and departs
    splitPartEnds = 4,     // part of a train split here, ends its run here
    doesNotStop = 5,       // passes without stopping
    joinedPartStarts = 6,  // part of a train joined here, starts its run here
};
inline constexpr int32_t runTypeCount = 7;

// Whether the train is already at the station when the day begins (its status).
enum class Status : int32_t {
    arrives = 0,
    atStation = 1,
};
inline constexpr int32_t statusCount = 2;

// The run type a stored value names; none for a value out of range.
inline std::optional<RunType> runTypeOf(int32_t value) {
    if (value < 0 || value >= runTypeCount) return std::nullopt;
    return static_cast<RunType>(value);
}

inline bool isAtStation(int32_t status) {
    return status == static_cast<int32_t>(Status::atStation);
}

// The train arrives from another station (it does not start here).
inline bool arrivesFromElsewhere(int32_t runType) {
    return runType != static_cast<int32_t>(RunType::starts) &&
           runType != static_cast<int32_t>(RunType::joinedPartStarts);
}

// The train leaves for another station (it does not end here).
inline bool leavesForElsewhere(int32_t runType) {
    return runType != static_cast<int32_t>(RunType::ends) &&
           runType != static_cast<int32_t>(RunType::splitPartEnds);
}

// The short text the train list shows ("kończy bieg"); nullptr for a value out of range.
const char* runTypeText(int32_t runType);
// The item of the train window's list ("0 - pociąg kończy bieg na stacji").
const char* runTypeItem(RunType runType);

// The short text the train list shows ("przyjedzie"); nullptr for a value out of range.
const char* statusText(int32_t status);
// The item of the train window's list ("1 - jest już na stacji").
const char* statusItem(Status status);

}  // namespace rylmo
