#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "document/Occupancy.h"
#include "document/Problem.h"
#include "document/Timetable.h"

namespace rylmo {

// Every problem of a timetable: references that point beyond their lists, values outside
// their ranges, broken coupling chains, probability entries that do not fit the types, and
// texts that would not survive saving. An empty list means the timetable is sound.
std::vector<Problem> checkTimetable(const TimetableContent& content);

// The check with its findings counted: all of them, and those of each train, while only the
// first limit are kept, so that a hostile file cannot make millions of messages.
// A check given stop ends soon after *stop becomes true, with stopped set: another thread may
// then change the content it reads.
struct CheckResult {
    std::vector<Problem> problems;
    std::size_t total = 0;
    // By train position: the findings about each train (a platform conflict counts for both).
    std::vector<uint32_t> trainFindings;
    bool stopped = false;
};
// Platform conflicts are found with dwell, the times a train ending or starting its run here
// holds its platform.
CheckResult checkTimetable(const TimetableContent& content, std::size_t limit,
                           const std::atomic<bool>* stop = nullptr, DwellTimes dwell = {});

// Receives the findings one by one as the check makes them: counts() hears of each (with the
// second train of a platform conflict, or Problem::wholeSection) and says whether keep()
// should get it with its message.
class FindingCollector {
public:
    virtual ~FindingCollector() = default;
    virtual bool counts(Section section, std::size_t entry, std::size_t other) = 0;
    virtual void keep(Problem&& problem) = 0;
    // Polled before each entry: the check ends once it holds true.
    virtual const std::atomic<bool>* stopFlag() const { return nullptr; }
    virtual DwellTimes dwellTimes() const { return {}; }
};
void checkTimetable(const TimetableContent& content, FindingCollector& collector);

}  // namespace rylmo
