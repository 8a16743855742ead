#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/Occupancy.h"
#include "document/Timetable.h"

namespace rylmo {

class PlatformLayout;

// Moving the stays of trains to other platforms or in time, as the chart's drag and keys do.

// A train arrives on one platform and leaves from another: each side is a stay of its own.
bool changesPlatform(const Train& train);

// The train with one of its stays (arrivalSide, as the stay says) on platform: a stay that
// covers both sides changes each side that named its platform; one of the two stays of a train
// that changes platforms changes its own side only.
Train withStayOnPlatform(Train train, bool arrivalSide, int32_t platform);

// A train as an edit leaves it.
struct TrainChange {
    std::size_t train = 0;
    Train after;

    bool operator==(const TrainChange&) const = default;
};

// The stay and every stay of its consist that holds the platform with it moved to platform:
// the trains that change, in order of position. Empty when nothing would change.
std::vector<TrainChange> platformMove(const TimetableContent& content, const PlatformLayout& layout,
                                      std::size_t stay, int32_t platform);

// The train moved in time by minutes, every time of it, around midnight; empty for 0 minutes.
std::vector<TrainChange> timeMove(const TimetableContent& content, std::size_t train,
                                  int32_t minutes);

// What the changes would make of the trains' stays, and the first stay of the layout that one
// of them would share a minute with (layout.intervals().size() when none).
struct MoveOutcome {
    std::vector<PlatformInterval> stays;  // of the changed trains, as they would be
    std::size_t conflict = 0;             // a stay of the layout
};
MoveOutcome moveOutcome(const TimetableContent& content, const PlatformLayout& layout,
                        DwellTimes dwell, const std::vector<TrainChange>& changes);

}  // namespace rylmo
