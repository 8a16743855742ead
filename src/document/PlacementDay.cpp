#include "document/PlacementDay.h"

#include <climits>

#include "document/Codes.h"

namespace rylmo::placement {

int32_t quietestMinute(const std::vector<Unit>& units) {
    std::vector<int32_t> change(minutesPerDay + 1, 0);
    for (const Unit& unit : units) {
        // One that runs over every minute is the same wherever the cut lies.
        if (!unit.movable || unit.end - unit.start >= minutesPerDay) continue;
        if (unit.end <= minutesPerDay) {
            ++change[static_cast<std::size_t>(unit.start)];
            --change[static_cast<std::size_t>(unit.end)];
        } else {
            ++change[static_cast<std::size_t>(unit.start)];
            ++change[0];
            --change[static_cast<std::size_t>(unit.end - minutesPerDay)];
        }
    }
    int32_t running = 0;
    int32_t fewest = INT32_MAX;
    int32_t cut = 0;
    for (int32_t minute = 0; minute < minutesPerDay; ++minute) {
        running += change[static_cast<std::size_t>(minute)];
        if (running < fewest) {
            fewest = running;
            cut = minute;
        }
    }
    return cut;
}

void startLineAt(std::vector<Unit>& units, int32_t cut) {
    for (Unit& unit : units) {
        const int32_t length = unit.end - unit.start;
        unit.start = (unit.start - cut + minutesPerDay) % minutesPerDay;
        unit.end = unit.start + length;
    }
}

std::vector<int32_t> unitsAtEachMinute(const std::vector<Unit>& units) {
    std::vector<int32_t> change(minutesPerDay + 1, 0);
    for (const Unit& unit : units) {
        Segment segments[2];
        const int n = segmentsOf(unit, segments);
        for (int i = 0; i < n; ++i) {
            ++change[static_cast<std::size_t>(segments[i].start)];
            --change[static_cast<std::size_t>(segments[i].end)];
        }
    }
    std::vector<int32_t> onLine(minutesPerDay);
    int32_t running = 0;
    for (std::size_t m = 0; m < onLine.size(); ++m) onLine[m] = running += change[m];
    return onLine;
}

}  // namespace rylmo::placement
