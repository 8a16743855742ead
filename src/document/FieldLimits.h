#pragma once

#include <cstddef>
#include <cstdint>

namespace rylmo::limits {

// The ranges of the record fields: the dialogs' controls offer them and the consistency check
// reports values outside them.

// Trains.
// runType and status: runTypeCount and statusCount (RunTypes.h).
inline constexpr int32_t minPlatform = 1;  // platforms 1..9; 0 for none (a goods track)
inline constexpr int32_t maxPlatform = 9;
inline constexpr int32_t standPositions = 10;  // standPosition 0..9, for trains and depot entries
inline constexpr int32_t minCoach = 1;         // the coach of a coupling, 1..9
inline constexpr int32_t maxCoach = 9;
inline constexpr int32_t maxPoint = 3156;  // entry and exit points; a train's stand coordinate, ±
inline constexpr int32_t maxTrainNumber = 99999;
inline constexpr int32_t maxTrackNumber = 99;  // a train's number in its group of tracks

// Depot entries.
inline constexpr int32_t maxDepotCount = 99;
inline constexpr int32_t maxDepotCoordinate = 5700;
inline constexpr int32_t maxDepotTrackNumber = 5700;

// Probability entries: percentages.
inline constexpr int32_t maxPercent = 100;

// Copies of trains: a shift within one day, numbers changed within the train number range.
inline constexpr int32_t maxShiftMinutes = 24 * 60 - 1;
inline constexpr int32_t maxNumberChange = maxTrainNumber;
inline constexpr int32_t maxCopies = 100;
// More trains than the editor serves well (lists, checks, undo), and the most that copies
// make within a second: copies that would make a timetable larger are refused before
// anything is made.
inline constexpr std::size_t maxTrainsAfterCopies = 500'000;

// How long a train that ends or starts its run here holds its platform, in minutes.
inline constexpr int32_t maxDwellMinutes = 180;

}  // namespace rylmo::limits
