#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "document/FieldLimits.h"
#include "document/Occupancy.h"

namespace rylmo {

// The stays of a timetable laid out for a chart of its platforms against the time of day:
// each platform's stays in order of start with their conflict marks, a lane for each stay so
// that overlapping ones are drawn apart, and an index by which a view finds the stays of a
// stretch of the day without looking at the rest. An edit of a few trains that leaves the
// consists as they were is patched in place; anything else builds the layout anew.
class PlatformLayout {
public:
    static constexpr int lanes = 3;
    static constexpr std::size_t platformSlots = limits::maxPlatform + 1;  // indexed by platform

    PlatformLayout();
    PlatformLayout(PlatformLayout&&) noexcept;
    PlatformLayout& operator=(PlatformLayout&&) noexcept;
    ~PlatformLayout();

    void build(const TimetableContent& content, DwellTimes dwell);
    // The trains first..last changed: patches their stays and returns true, or returns false
    // when the change needs a build (trains added or removed, couplings changed, a stay more
    // or fewer, more trains than a patch takes).
    bool patch(const TimetableContent& content, std::size_t first, std::size_t last);

    // The chart shows platforms 1 to the highest one a stay holds, or to count when that is
    // more: an empty platform is still a place to move a train to.
    void setPlatformCount(int32_t count);
    int32_t platformCount() const { return m_platformCount; }
    // The highest platform a stay holds, 0 when none.
    int32_t highestUsedPlatform() const;

    const std::vector<PlatformInterval>& intervals() const { return m_intervals; }
    const std::vector<bool>& conflicting() const { return m_conflicting; }
    int laneOf(std::size_t interval) const { return m_lanes[interval]; }
    // The platforms shown, in order: the chart's rows.
    const std::vector<int32_t>& rows() const { return m_rows; }
    // The row of platform, -1 when no stay holds it.
    int rowOf(int32_t platform) const;
    // The first stay of train, or intervals().size() when it holds no platform.
    std::size_t firstStayOf(std::size_t train) const;
    // The stays of train: positions firstStayOf(train) up to, not including, this.
    std::size_t endOfStays(std::size_t train) const;

    // A stay of the layout that shares a minute with stay on its platform, of a train of
    // another consist and not one of moved (trains whose stays are being replaced); or
    // intervals().size() when there is none.
    std::size_t conflictWith(const PlatformInterval& stay,
                             const std::vector<std::size_t>& moved) const;
    // The stays that move with stay: those of its consist on its platform that overlap it,
    // directly or through each other, stay among them; in order of position.
    std::vector<std::size_t> staysMovingWith(std::size_t stay) const;

    // Calls visit(interval, start, end) for each piece of platform's stays that reaches into
    // the minutes first..last, in order of start: the next morning's piece of a stay over
    // midnight (from 0), then the stays of the day (cut at midnight).
    template <class Visit>
    void forEachPiece(int32_t platform, double first, double last, Visit visit) const;

private:
    void indexPlatform(std::size_t platform);
    void assignLanes(const std::vector<std::size_t>& positions);
    void findRows();

    DwellTimes m_dwell;
    std::vector<PlatformInterval> m_intervals;
    std::vector<bool> m_conflicting;
    std::vector<uint8_t> m_lanes;                                      // by interval
    std::array<std::vector<std::size_t>, platformSlots> m_byPlatform;  // positions by start
    std::array<int32_t, platformSlots> m_longest{};  // longest stay of each platform
    // The latest end in each block of m_byPlatform's positions: a view skips whole blocks
    // that end before it, so that a stay of many hours does not make it look at every stay
    // after its start.
    std::array<std::vector<int32_t>, platformSlots> m_blockEnds;
    // The stays of each platform that pass midnight, latest end first.
    std::array<std::vector<std::size_t>, platformSlots> m_overMidnight;
    std::unique_ptr<Consists> m_consists;
    std::vector<std::size_t> m_firstInterval;  // of each train's stays; one more at the end
    std::vector<std::pair<int32_t, int32_t>> m_couplings;  // by train, as last built
    std::vector<int32_t> m_rows;
    int32_t m_platformCount = 0;

    static constexpr std::size_t block = 64;  // stays per block of the index
};

template <class Visit>
void PlatformLayout::forEachPiece(int32_t platform, double first, double last, Visit visit) const {
    if (platform < limits::minPlatform || platform > limits::maxPlatform) return;
    const auto slot = static_cast<std::size_t>(platform);
    for (std::size_t k : m_overMidnight[slot]) {
        const DayPiece morning = dayPiecesOf(m_intervals[k].start, m_intervals[k].end).morning;
        if (morning.end <= first) break;
        visit(k, morning.start, morning.end);
    }
    // Stays that began up to the longest stay before first may still reach into the stretch;
    // blocks of stays that all end before it are stepped over.
    const std::vector<std::size_t>& positions = m_byPlatform[slot];
    const auto from = std::partition_point(positions.begin(), positions.end(), [&](std::size_t k) {
        return m_intervals[k].start + m_longest[slot] < first;
    });
    const std::vector<int32_t>& blockEnds = m_blockEnds[slot];
    for (auto i = static_cast<std::size_t>(from - positions.begin());
         i < positions.size() && m_intervals[positions[i]].start <= last;) {
        if (i % block == 0 && blockEnds[i / block] < first) {
            i += block;
            continue;
        }
        const std::size_t k = positions[i++];
        const PlatformInterval& interval = m_intervals[k];
        if (interval.end < first) continue;
        const DayPiece evening = dayPiecesOf(interval.start, interval.end).evening;
        visit(k, evening.start, evening.end);
    }
}

}  // namespace rylmo
