#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/FieldLimits.h"
#include "document/Occupancy.h"
#include "document/PlatformSet.h"
#include "document/StayMoves.h"
#include "document/Timetable.h"

namespace rylmo {

// Placing the stays of trains on platforms so that no two conflict, moving as few trains as
// it can.
//
// The stays of one consist on one platform that overlap move as one; a train that changes
// platforms moves each of its two stays on its own, never onto the platform of the other (the
// two would become one longer stay). The day is cut at the minute where the fewest movable
// stays run on; the stays over that minute are placed first, then the rest in order of start,
// block by block (a block: stays linked by overlapping). In each block a plain first fit (a
// stay keeps its platform when that is free, else takes the lowest free one) and a first fit
// that leaves free the platforms later stays hold are tried, the better one kept; a block of
// up to exactBlock stays is searched exhaustively for the fewest moves instead. In order of
// start, any free platform will do for a stay: so when every stay may move, none runs over the
// cut and at no minute more stays need a platform than there are platforms, every stay finds
// one.

struct PlacementRequest {
    DwellTimes dwell;
    PlatformSet allowed;
    std::vector<bool> movable;  // by train; empty: every train may move
    bool firstFitOnly = false;  // the plain first fit alone, which the planner never does worse
};

// A stay (position in the occupancy) to be moved to a platform.
struct StayPlacement {
    std::size_t stay = 0;
    int32_t platform = 0;

    bool operator==(const StayPlacement&) const = default;
};

// A train with a stay that found no platform: it stays where it is, in conflict. minute (of
// the day) is when the most stays need a platform during its stay, and stays how many.
struct UnplacedTrain {
    std::size_t train = 0;
    std::size_t stay = 0;
    int32_t minute = 0;
    int32_t stays = 0;
};

struct PlatformPlan {
    std::vector<PlatformInterval> stays;  // the occupancy the plan was made for
    std::vector<StayPlacement> moves;     // in order of stay
    std::size_t movedTrains = 0;
    std::vector<UnplacedTrain> unplaced;  // in order of train, the first `listed` of them
    std::size_t unplacedTrains = 0;       // all of them
};

inline constexpr std::size_t exactBlock = 10;

PlatformPlan planPlatforms(const TimetableContent& content, const PlacementRequest& request,
                           std::size_t listed = 1000);

// The trains the plan changes, as it leaves them, in order of position.
std::vector<TrainChange> planChanges(const TimetableContent& content, const PlatformPlan& plan);

}  // namespace rylmo
