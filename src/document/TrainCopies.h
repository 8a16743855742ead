#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/FieldLimits.h"
#include "document/Timetable.h"

namespace rylmo {

// Building a day from trains that repeat: copies moved in time and renumbered, and groups of
// trains appended after the others with their couplings kept inside the group.

// A time of day (hour × 100 + minute) moved by minutes, around the clock past midnight. A
// time out of range stays as it is: it names no minute to move from.
int32_t shiftedTime(int32_t time, int32_t minutes);

// The train moved in time: the times of the sides it has (arrival unless it starts here,
// departure unless it ends here).
Train shiftedTrain(Train train, int32_t minutes);

// How copies are made: copy k of a series (1..copies) is moved k × minutes and its numbers
// changed by k × numberChange.
struct CopyRule {
    int32_t minutes = 60;
    int32_t numberChange = 0;
    int32_t copies = 1;
};

// Why the copies of the group (positions in trains) cannot be made: a train number that would
// leave 0..99999, a list too long for a coupling to name its trains, or more trains than
// limits::maxTrainsAfterCopies. Empty when they can.
std::string copyRefusal(const std::vector<Train>& trains, const std::vector<std::size_t>& group,
                        const CopyRule& rule);

// The copies to append after the trains: series 1 to copies, each the group's trains in the
// group's order. Only the sides a train has are moved and renumbered. A coupling to a train of
// the group points at that train's copy of the same series; one to any other train stays.
std::vector<Train> trainCopies(const std::vector<Train>& trains,
                               const std::vector<std::size_t>& group, const CopyRule& rule);

// The group with every train coupled to one of its trains, directly or through others (the
// whole consists): the group in its order, then the trains added, in file order.
std::vector<std::size_t> withCoupledTrains(const std::vector<Train>& trains,
                                           std::vector<std::size_t> group);

// Trains to append after `count` trains, that came from positions `from` of some list (-1:
// unknown): a coupling to one of those positions points at its appended train, any other
// stays as it was.
std::vector<Train> appendedGroup(std::vector<Train> group, const std::vector<int64_t>& from,
                                 std::size_t count);

// The trains of the list that the group's couplings (other trains) and the passages refer to,
// the group excluded: what deleting the group leaves pointing elsewhere.
struct TrainReferences {
    int trains = 0;
    int passages = 0;
};
TrainReferences referencesToTrains(const TimetableContent& content,
                                   const std::vector<std::size_t>& group);

}  // namespace rylmo
