#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/Codes.h"
#include "document/FieldLimits.h"

// The pieces the platform planner works with: units that move as one, their parts on the line
// that starts where the day is cut, and the questions whether a platform is free for one.
namespace rylmo::placement {

constexpr int32_t platformSlots = limits::maxPlatform + 1;

// Stays of one consist on one platform that overlap: what moves as one.
struct Unit {
    int32_t platform = 0;  // held now
    int32_t start = 0;     // on the line that starts at the cut, in minutes
    int32_t end = 0;       // may pass minutesPerDay: the unit runs over the cut
    std::size_t consist = 0;
    int32_t trains = 0;  // what moving it costs
    bool movable = false;
    std::size_t firstStay = 0;

    bool overCut() const { return end > minutesPerDay; }
};

struct Segment {
    int32_t start;
    int32_t end;
};

// The parts of a unit on the line from the cut: one over the cut has its end at the line's
// start and its beginning at the line's end.
inline int segmentsOf(const Unit& unit, Segment (&out)[2]) {
    if (unit.end - unit.start >= minutesPerDay) {
        out[0] = {0, minutesPerDay};
        return 1;
    }
    if (!unit.overCut()) {
        out[0] = {unit.start, unit.end};
        return 1;
    }
    const DayPieces day = dayPiecesOf(unit.start, unit.end);
    out[0] = {day.morning.start, day.morning.end};
    out[1] = {day.evening.start, day.evening.end};
    return 2;
}

inline bool meet(const Unit& a, const Unit& b) {
    Segment sa[2], sb[2];
    const int na = segmentsOf(a, sa);
    const int nb = segmentsOf(b, sb);
    for (int i = 0; i < na; ++i)
        for (int j = 0; j < nb; ++j)
            if (sa[i].start < sb[j].end && sb[j].start < sa[i].end) return true;
    return false;
}

// Stays that stay where they are, by platform, for the question whether a unit fits beside
// them: sorted by start, with the latest end of each block of them, so that a long stay does
// not make every question look at all that follow it.
class Obstacles {
public:
    void add(const Unit& unit) {
        Segment segments[2];
        const int n = segmentsOf(unit, segments);
        for (int i = 0; i < n; ++i)
            m_byPlatform[static_cast<std::size_t>(unit.platform)].push_back(
                {segments[i].start, segments[i].end, unit.consist});
    }
    void index() {
        for (std::size_t p = 0; p < m_byPlatform.size(); ++p) {
            std::vector<Entry>& entries = m_byPlatform[p];
            std::sort(entries.begin(), entries.end(),
                      [](const Entry& a, const Entry& b) { return a.start < b.start; });
            m_blockEnds[p].assign((entries.size() + block - 1) / block, INT32_MIN);
            for (std::size_t i = 0; i < entries.size(); ++i)
                m_blockEnds[p][i / block] = std::max(m_blockEnds[p][i / block], entries[i].end);
        }
    }
    bool blocks(int32_t platform, const Unit& unit) const {
        Segment segments[2];
        const int n = segmentsOf(unit, segments);
        for (int i = 0; i < n; ++i)
            if (blocks(platform, segments[i], unit.consist)) return true;
        return false;
    }

private:
    struct Entry {
        int32_t start;
        int32_t end;
        std::size_t consist;
    };
    bool blocks(int32_t platform, Segment segment, std::size_t consist) const {
        const auto p = static_cast<std::size_t>(platform);
        const std::vector<Entry>& entries = m_byPlatform[p];
        for (std::size_t i = 0; i < entries.size() && entries[i].start < segment.end;) {
            if (i % block == 0 && m_blockEnds[p][i / block] <= segment.start) {
                i += block;
                continue;
            }
            const Entry& e = entries[i++];
            if (e.end > segment.start && e.consist != consist) return true;
        }
        return false;
    }
    static constexpr std::size_t block = 32;
    std::array<std::vector<Entry>, platformSlots> m_byPlatform;
    std::array<std::vector<int32_t>, platformSlots> m_blockEnds;
};

// The two latest ends on a platform, of different consists: whether a unit that starts at a
// minute finds the platform free of every consist but its own.
struct LatestEnds {
    int32_t end[2] = {INT32_MIN, INT32_MIN};
    std::size_t consist[2] = {SIZE_MAX, SIZE_MAX};

    void offer(int32_t e, std::size_t c) {
        if (c == consist[0]) {
            end[0] = std::max(end[0], e);
        } else if (e > end[0]) {
            end[1] = end[0];
            consist[1] = consist[0];
            end[0] = e;
            consist[0] = c;
        } else if (e > end[1]) {
            end[1] = e;
            consist[1] = c;
        }
    }
    int32_t otherThan(std::size_t c) const { return c == consist[0] ? end[1] : end[0]; }
};

}  // namespace rylmo::placement
