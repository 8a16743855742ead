#include "document/StayMoves.h"

#include <algorithm>
#include <optional>

#include "document/PlatformAssignment.h"
#include "document/PlatformLayout.h"
#include "document/RunTypes.h"
#include "document/TrainCopies.h"

namespace rylmo {

bool changesPlatform(const Train& train) {
    const std::optional<RunType> type = runTypeOf(train.runType);
    const bool arrivesAndDeparts =
        type && (*type == RunType::passesThrough || *type == RunType::splitPart);
    return arrivesAndDeparts && train.departurePlatform != 0 &&
           train.departurePlatform != train.arrivalPlatform;
}

Train withStayOnPlatform(Train train, bool arrivalSide, int32_t platform) {
    if (changesPlatform(train)) {
        train.platformOn(arrivalSide) = platform;
        return train;
    }
    const int32_t held = train.platformOn(arrivalSide);
    if (train.arrivalPlatform == held) train.arrivalPlatform = platform;
    if (train.departurePlatform == held) train.departurePlatform = platform;
    return train;
}

std::vector<TrainChange> platformMove(const TimetableContent& content, const PlatformLayout& layout,
                                      std::size_t stay, int32_t platform) {
    std::vector<TrainChange> changes;
    if (stay >= layout.intervals().size() || platform < limits::minPlatform ||
        platform > limits::maxPlatform || layout.intervals()[stay].platform == platform) {
        return changes;
    }
    for (std::size_t k : layout.staysMovingWith(stay)) {
        const PlatformInterval& moving = layout.intervals()[k];
        if (moving.train >= content.trains.size()) continue;
        auto change = std::find_if(changes.begin(), changes.end(),
                                   [&](const TrainChange& c) { return c.train == moving.train; });
        if (change == changes.end())
            change = changes.insert(changes.end(), {moving.train, content.trains[moving.train]});
        change->after = withStayOnPlatform(change->after, moving.arrivalSide, platform);
    }
    std::sort(changes.begin(), changes.end(),
              [](const TrainChange& a, const TrainChange& b) { return a.train < b.train; });
    return changes;
}

std::vector<TrainChange> timeMove(const TimetableContent& content, std::size_t train,
                                  int32_t minutes) {
    if (train >= content.trains.size() || minutes % minutesPerDay == 0) return {};
    return {{train, shiftedTrain(content.trains[train], minutes)}};
}

MoveOutcome moveOutcome(const TimetableContent& content, const PlatformLayout& layout,
                        DwellTimes dwell, const std::vector<TrainChange>& changes) {
    MoveOutcome outcome;
    outcome.conflict = layout.intervals().size();
    std::vector<std::size_t> moved;
    for (const TrainChange& change : changes) moved.push_back(change.train);
    for (const TrainChange& change : changes) {
        for (const PlatformInterval& stay :
             trainStays(change.after, change.train, content.startTime, dwell)) {
            outcome.stays.push_back(stay);
            if (outcome.conflict < layout.intervals().size()) continue;
            outcome.conflict = layout.conflictWith(stay, moved);
        }
    }
    // The moved trains are one train or one consist: their stays never conflict with each
    // other.
    return outcome;
}

std::vector<TrainChange> planChanges(const TimetableContent& content, const PlatformPlan& plan) {
    std::vector<TrainChange> changes;
    for (const StayPlacement& move : plan.moves) {
        if (move.stay >= plan.stays.size()) continue;
        const PlatformInterval& stay = plan.stays[move.stay];
        if (stay.train >= content.trains.size()) continue;
        if (changes.empty() || changes.back().train != stay.train)
            changes.push_back({stay.train, content.trains[stay.train]});
        changes.back().after =
            withStayOnPlatform(changes.back().after, stay.arrivalSide, move.platform);
    }
    return changes;
}

}  // namespace rylmo
