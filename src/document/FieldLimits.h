#pragma once

#include <cstdint>

namespace rylmo::limits {

// The ranges of the record fields: the dialogs' controls offer them and the consistency check
// reports values outside them.

// Trains.
inline constexpr int32_t runTypes = 7;         // runType 0..6
inline constexpr int32_t statuses = 2;         // status 0..1
inline constexpr int32_t platforms = 10;       // platforms 0..9, 0 for none
inline constexpr int32_t standPositions = 10;  // standPosition 0..9, for trains and depot entries
inline constexpr int32_t coachNumbers = 9;     // the coach of a coupling, 1..9
inline constexpr int32_t maxPoint = 3156;  // entry and exit points; a train's stand coordinate, ±
inline constexpr int32_t maxTrainNumber = 99999;
inline constexpr int32_t maxTrackNumber = 99;  // a train's number in its group of tracks

// Depot entries.
inline constexpr int32_t maxDepotCount = 99;
inline constexpr int32_t maxDepotCoordinate = 5700;
inline constexpr int32_t maxDepotTrackNumber = 5700;

// Probability entries: percentages.
inline constexpr int32_t maxPercent = 100;

}  // namespace rylmo::limits
