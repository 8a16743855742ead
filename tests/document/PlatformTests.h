#pragma once

// What the tests of the platform occupancy, layout, moves and planning share.

#include <initializer_list>
#include <vector>

#include "TestTrains.h"
#include "document/Occupancy.h"
#include "document/PlatformLayout.h"
#include "document/PlatformSet.h"
#include "document/RunTypes.h"
#include "document/StayMoves.h"

namespace rylmo::test {

inline constexpr int32_t passes = static_cast<int32_t>(RunType::passesThrough);
inline constexpr int32_t ends = static_cast<int32_t>(RunType::ends);
inline constexpr int32_t starts = static_cast<int32_t>(RunType::starts);

inline TimetableContent timetableOf(std::vector<Train> trains) {
    TimetableContent content;
    content.trains = std::move(trains);
    return content;
}

inline PlatformLayout layoutOf(const TimetableContent& content) {
    PlatformLayout layout;
    layout.build(content, DwellTimes{});
    return layout;
}

// The content with the changes made.
inline TimetableContent applied(TimetableContent content, const std::vector<TrainChange>& changes) {
    for (const TrainChange& change : changes) content.trains.at(change.train) = change.after;
    return content;
}

inline bool hasConflict(const TimetableContent& content) {
    const auto stays = platformOccupancy(content, DwellTimes{});
    return !platformConflicts(content, stays, 0).complete;
}

inline PlatformSet platforms(std::initializer_list<int> numbers) {
    PlatformSet set;
    for (int n : numbers) set.set(static_cast<std::size_t>(n));
    return set;
}

}  // namespace rylmo::test
