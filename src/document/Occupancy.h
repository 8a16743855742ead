#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "document/Codes.h"
#include "document/FieldLimits.h"
#include "document/Timetable.h"

namespace rylmo {

// How long a train that ends or starts its run here holds its platform, in minutes; also the
// time a through train spends on each platform when it arrives at one and leaves from another.
struct DwellTimes {
    int32_t afterArrival = 10;
    int32_t beforeDeparture = 10;
};

// "postój po przyjeździe 10 min, przed odjazdem 10 min": the dwell times a printed chart
// was drawn with.
std::string dwellNote(DwellTimes dwell);

// A train holding a platform from start to end (end excluded), in minutes from midnight;
// start lies within the day, end passes minutesPerDay when the interval runs over midnight.
struct PlatformInterval {
    int32_t platform = 0;  // limits::minPlatform..maxPlatform
    std::size_t train = 0;
    int32_t start = 0;
    int32_t end = 0;
    bool stops = true;        // false: the train passes without stopping (one minute)
    bool arrivalSide = true;  // the train is known here by its arrival number, else departure

    bool operator==(const PlatformInterval&) const = default;
};

// Every interval in which a train holds a platform, train by train. Platform 0 (and any
// number outside 1..9) holds nothing; a time that is not hour × 100 + minute of a day gives
// no interval. A train already at the station (status 1) holds its platform from the
// timetable's start time.
std::vector<PlatformInterval> platformOccupancy(const TimetableContent& content, DwellTimes dwell);
// The same for the trains first to last only.
std::vector<PlatformInterval> platformOccupancy(const TimetableContent& content, DwellTimes dwell,
                                                std::size_t first, std::size_t last);

// The number a stay is known by: its train's arrival number on the arrival side, else its
// departure number; 0 for a stay of no train of content.
int32_t stayNumber(const TimetableContent& content, const PlatformInterval& stay);

// The minutes after midnight of a timetable's start time, or nullopt when it is not a time.
std::optional<int32_t> dayStartMinutes(const std::string& startTime);

// The stays of one train, as if it stood at position in a timetable that starts at startTime.
std::vector<PlatformInterval> trainStays(const Train& train, std::size_t position,
                                         const std::string& startTime, DwellTimes dwell);

// The positions of each platform's intervals (index 1..9; 0 stays empty), each platform's in
// order of start and then of position: a counting sort by minute, linear in the intervals.
std::array<std::vector<std::size_t>, limits::maxPlatform + 1> intervalsByPlatform(
    const std::vector<PlatformInterval>& intervals);

// Two intervals (positions in the occupancy, first < second) of one platform that share at
// least one minute, of trains that are not one consist.
struct PlatformConflict {
    std::size_t first = 0;
    std::size_t second = 0;

    bool operator==(const PlatformConflict&) const = default;
};

// The conflicts of a timetable's occupancy. A timetable may hold far more pairs than anyone
// can read (a generated one of 100,000 trains on nine platforms holds tens of millions), so
// the pairs are listed up to a limit, platform by platform in time order, while every
// interval that conflicts at all is marked: in O(n log n), whatever the number of pairs.
struct PlatformConflicts {
    std::vector<PlatformConflict> pairs;  // ordered by first, then second
    bool complete = true;                 // false: there are more pairs than the limit
    std::vector<bool> conflicting;        // by interval
};
PlatformConflicts platformConflicts(const TimetableContent& content,
                                    const std::vector<PlatformInterval>& intervals,
                                    std::size_t limit = SIZE_MAX);

// A conflict as a line under a printed chart: "Peron 4, 10:00–10:10: 8877 i 901", the
// minutes both trains hold the platform and the numbers they are known by there.
std::string conflictText(const TimetableContent& content,
                         const std::vector<PlatformInterval>& intervals,
                         const PlatformConflict& conflict);

class Consists;

// The marks of one platform's intervals (positions, in order of start and then of position, as
// intervalsByPlatform gives them) set anew in conflicting: what platformConflicts marks, for
// that platform alone.
void markPlatformConflicts(const Consists& consists, const std::vector<PlatformInterval>& intervals,
                           const std::vector<std::size_t>& platform,
                           std::vector<bool>& conflicting);

// Whether two trains are one consist: linked by their coupling fields, directly or along a
// chain. Built once for a timetable; linear in its trains.
class Consists {
public:
    explicit Consists(const std::vector<Train>& trains);
    bool together(std::size_t a, std::size_t b) const;
    // The consist's representative train: equal for the trains of one consist.
    std::size_t of(std::size_t train) const;

private:
    std::size_t root(std::size_t train) const;
    mutable std::vector<std::size_t> m_parent;
};

}  // namespace rylmo
