#include "document/TrainCopies.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <optional>
#include <utility>

#include "document/Codes.h"
#include "document/FieldLimits.h"
#include "document/Occupancy.h"
#include "document/Problem.h"
#include "document/RunTypes.h"
#include "document/TimeText.h"

namespace rylmo {

namespace {

// The last position a coupling code can name.
constexpr std::size_t lastCoupledPosition =
    static_cast<std::size_t>((std::numeric_limits<int32_t>::max() - 9) / 10);

// The group's positions, for finding a train's place in it: (position, place), by position.
class Places {
public:
    explicit Places(const std::vector<int64_t>& from) {
        m_places.reserve(from.size());
        for (std::size_t j = 0; j < from.size(); ++j)
            if (from[j] >= 0) m_places.emplace_back(from[j], j);
        std::sort(m_places.begin(), m_places.end());
    }
    // The place of the first train that came from position, or nothing.
    std::optional<std::size_t> of(int64_t position) const {
        const auto at = std::lower_bound(m_places.begin(), m_places.end(),
                                         std::pair<int64_t, std::size_t>(position, 0));
        if (at == m_places.end() || at->first != position) return std::nullopt;
        return at->second;
    }

private:
    std::vector<std::pair<int64_t, std::size_t>> m_places;
};

// Points the train's couplings to a train of the group at that train's place after first.
void recouple(Train& train, const Places& places, std::size_t first) {
    for (int32_t* code : {&train.coupledWith, &train.toBeCoupledWith}) {
        if (!isCouplingCode(*code)) continue;
        const std::optional<std::size_t> place = places.of(couplingTrain(*code));
        if (!place) continue;
        *code = couplingCode(static_cast<int32_t>(first + *place), couplingCoach(*code));
    }
}

int64_t changedNumber(int32_t number, int64_t change) {
    return static_cast<int64_t>(number) + change;
}

bool isTrainNumber(int64_t number) {
    return number >= 0 && number <= limits::maxTrainNumber;
}

}  // namespace

int32_t shiftedTime(int32_t time, int32_t minutes) {
    if (!isValidTime(time)) return time;
    return timeOfMinute(int64_t{minuteOfDay(time)} + minutes);
}

Train shiftedTrain(Train train, int32_t minutes) {
    if (arrivesFromElsewhere(train.runType))
        train.arrivalTime = shiftedTime(train.arrivalTime, minutes);
    if (leavesForElsewhere(train.runType))
        train.departureTime = shiftedTime(train.departureTime, minutes);
    return train;
}

std::string copyRefusal(const std::vector<Train>& trains, const std::vector<std::size_t>& group,
                        const CopyRule& rule) {
    const auto total = trains.size() + group.size() * static_cast<std::size_t>(rule.copies);
    if (total > limits::maxTrainsAfterCopies) {
        return "Po skopiowaniu rozkład miałby " + std::to_string(total) +
               " pociągów; edytor obsługuje najwyżej " +
               std::to_string(limits::maxTrainsAfterCopies) + " pociągów.";
    }
    if (total > lastCoupledPosition + 1) {
        return "Po skopiowaniu rozkład miałby " + std::to_string(total) +
               " pociągów, więcej niż plik może wskazać.";
    }
    const int64_t furthest = int64_t{rule.numberChange} * rule.copies;
    for (const std::size_t position : group) {
        if (position >= trains.size()) continue;
        const Train& t = trains[position];
        for (const auto& [has, number] :
             {std::pair{arrivesFromElsewhere(t.runType), t.arrivalNumber},
              std::pair{leavesForElsewhere(t.runType), t.departureNumber}}) {
            if (!has) continue;
            // The numbers change steadily: the first and the last copy bound them all.
            for (const int64_t change : {int64_t{rule.numberChange}, furthest}) {
                if (!isTrainNumber(changedNumber(number, change))) {
                    return "Numer " + std::to_string(number) + " pociągu " +
                           std::to_string(position) + " zmieniłby się na " +
                           std::to_string(changedNumber(number, change)) +
                           ", a numer pociągu musi leżeć między 0 a " +
                           std::to_string(limits::maxTrainNumber) + ".";
                }
            }
        }
    }
    return {};
}

std::vector<Train> trainCopies(const std::vector<Train>& trains,
                               const std::vector<std::size_t>& group, const CopyRule& rule) {
    std::vector<int64_t> from;
    from.reserve(group.size());
    for (const std::size_t position : group) {
        if (position < trains.size()) from.push_back(static_cast<int64_t>(position));
    }
    const Places places(from);
    std::vector<Train> copies;
    copies.reserve(from.size() * static_cast<std::size_t>(std::max(rule.copies, 0)));
    for (int32_t k = 1; k <= rule.copies; ++k) {
        const std::size_t first = trains.size() + copies.size();
        for (const int64_t position : from) {
            Train copy =
                shiftedTrain(trains[static_cast<std::size_t>(position)],
                             static_cast<int32_t>(int64_t{rule.minutes} * k % minutesPerDay));
            const int64_t change = int64_t{rule.numberChange} * k;
            if (arrivesFromElsewhere(copy.runType))
                copy.arrivalNumber =
                    static_cast<int32_t>(changedNumber(copy.arrivalNumber, change));
            if (leavesForElsewhere(copy.runType))
                copy.departureNumber =
                    static_cast<int32_t>(changedNumber(copy.departureNumber, change));
            recouple(copy, places, first);
            copies.push_back(copy);
        }
    }
    return copies;
}

std::vector<Train> appendedGroup(std::vector<Train> group, const std::vector<int64_t>& from,
                                 std::size_t count) {
    const Places places(from);
    for (Train& train : group) recouple(train, places, count);
    return group;
}

std::vector<std::size_t> withCoupledTrains(const std::vector<Train>& trains,
                                           std::vector<std::size_t> group) {
    // Consists as sets of one union-find over every train.
    std::vector<std::size_t> parent(trains.size());
    std::iota(parent.begin(), parent.end(), std::size_t{0});
    const auto root = [&parent](std::size_t i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    };
    for (std::size_t i = 0; i < trains.size(); ++i) {
        for (const int32_t code : {trains[i].coupledWith, trains[i].toBeCoupledWith}) {
            if (!isCouplingCode(code)) continue;
            const auto other = static_cast<std::size_t>(couplingTrain(code));
            if (other < trains.size()) parent[root(i)] = root(other);
        }
    }
    std::vector<bool> inGroup(trains.size(), false);
    std::vector<bool> groupConsist(trains.size(), false);
    for (const std::size_t position : group) {
        if (position >= trains.size()) continue;
        inGroup[position] = true;
        groupConsist[root(position)] = true;
    }
    for (std::size_t i = 0; i < trains.size(); ++i) {
        if (!inGroup[i] && groupConsist[root(i)]) group.push_back(i);
    }
    return group;
}

TrainReferences referencesToTrains(const TimetableContent& content,
                                   const std::vector<std::size_t>& group) {
    std::vector<bool> chosen(content.trains.size(), false);
    for (const std::size_t position : group)
        if (position < chosen.size()) chosen[position] = true;
    const auto isChosen = [&](int64_t position) {
        return position >= 0 && static_cast<uint64_t>(position) < chosen.size() &&
               chosen[static_cast<std::size_t>(position)];
    };
    TrainReferences r;
    for (std::size_t i = 0; i < content.trains.size(); ++i) {
        if (chosen[i]) continue;
        const Train& t = content.trains[i];
        if ((isCouplingCode(t.coupledWith) && isChosen(couplingTrain(t.coupledWith))) ||
            (isCouplingCode(t.toBeCoupledWith) && isChosen(couplingTrain(t.toBeCoupledWith))))
            ++r.trains;
    }
    for (const LocomotivePassage& p : content.passages) {
        if (isChosen(std::llabs(int64_t{p.arrivingTrain})) ||
            isChosen(std::llabs(int64_t{p.departingTrain})))
            ++r.passages;
    }
    return r;
}

}  // namespace rylmo
