#include "document/PlatformLayout.h"

#include <algorithm>
#include <climits>

namespace rylmo {

namespace {

constexpr std::size_t patchedAtMost = 64;  // trains an edit may change for a patch

}  // namespace

PlatformLayout::PlatformLayout() = default;
PlatformLayout::PlatformLayout(PlatformLayout&&) noexcept = default;
PlatformLayout& PlatformLayout::operator=(PlatformLayout&&) noexcept = default;
PlatformLayout::~PlatformLayout() = default;

void PlatformLayout::build(const TimetableContent& content, DwellTimes dwell) {
    m_dwell = dwell;
    m_intervals = platformOccupancy(content, dwell);
    m_consists = std::make_unique<Consists>(content.trains);
    m_byPlatform = intervalsByPlatform(m_intervals);
    m_conflicting.assign(m_intervals.size(), false);
    m_lanes.assign(m_intervals.size(), 0);
    for (std::size_t platform = limits::minPlatform; platform < platformSlots; ++platform)
        indexPlatform(platform);
    // What a patch needs: where each train's stays lie, and its couplings, which decide the
    // consists.
    m_firstInterval.assign(content.trains.size() + 1, 0);
    for (const PlatformInterval& interval : m_intervals) ++m_firstInterval[interval.train + 1];
    for (std::size_t i = 1; i < m_firstInterval.size(); ++i)
        m_firstInterval[i] += m_firstInterval[i - 1];
    m_couplings.clear();
    m_couplings.reserve(content.trains.size());
    for (const Train& t : content.trains)
        m_couplings.emplace_back(t.coupledWith, t.toBeCoupledWith);
    findRows();
}

// Only the platforms the changed stays left or took are sorted, checked and laid out again.
bool PlatformLayout::patch(const TimetableContent& content, std::size_t first, std::size_t last) {
    if (!m_consists || first > last || last - first >= patchedAtMost ||
        last >= content.trains.size() || m_firstInterval.size() != content.trains.size() + 1) {
        return false;
    }
    for (std::size_t t = first; t <= last; ++t) {
        if (m_couplings[t] !=
            std::pair(content.trains[t].coupledWith, content.trains[t].toBeCoupledWith)) {
            return false;
        }
    }
    const std::vector<PlatformInterval> fresh = platformOccupancy(content, m_dwell, first, last);
    const std::size_t begin = m_firstInterval[first];
    const std::size_t end = m_firstInterval[last + 1];
    if (fresh.size() != end - begin) return false;
    std::array<bool, platformSlots> touched{};
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        touched[static_cast<std::size_t>(m_intervals[begin + i].platform)] = true;
        touched[static_cast<std::size_t>(fresh[i].platform)] = true;
        m_intervals[begin + i] = fresh[i];
    }
    for (std::size_t platform = limits::minPlatform; platform < platformSlots; ++platform) {
        if (!touched[platform]) continue;
        std::vector<std::size_t>& positions = m_byPlatform[platform];
        std::erase_if(positions, [&](std::size_t k) { return k >= begin && k < end; });
        for (std::size_t k = begin; k < end; ++k) {
            if (static_cast<std::size_t>(m_intervals[k].platform) == platform)
                positions.push_back(k);
        }
        std::sort(positions.begin(), positions.end(), [this](std::size_t a, std::size_t b) {
            return m_intervals[a].start != m_intervals[b].start
                       ? m_intervals[a].start < m_intervals[b].start
                       : a < b;
        });
        indexPlatform(platform);
    }
    findRows();
    return true;
}

int PlatformLayout::rowOf(int32_t platform) const {
    const auto found = std::find(m_rows.begin(), m_rows.end(), platform);
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

std::size_t PlatformLayout::firstStayOf(std::size_t train) const {
    if (train + 1 >= m_firstInterval.size() ||
        m_firstInterval[train] == m_firstInterval[train + 1]) {
        return m_intervals.size();
    }
    return m_firstInterval[train];
}

std::size_t PlatformLayout::endOfStays(std::size_t train) const {
    if (train + 1 >= m_firstInterval.size()) return firstStayOf(train);
    return m_firstInterval[train + 1];
}

void PlatformLayout::setPlatformCount(int32_t count) {
    m_platformCount = std::clamp(count, 0, limits::maxPlatform);
    findRows();
}

int32_t PlatformLayout::highestUsedPlatform() const {
    for (int32_t platform = limits::maxPlatform; platform >= limits::minPlatform; --platform) {
        if (!m_byPlatform[static_cast<std::size_t>(platform)].empty()) return platform;
    }
    return 0;
}

void PlatformLayout::findRows() {
    m_rows.clear();
    const int32_t last = std::max(highestUsedPlatform(), m_platformCount);
    for (int32_t platform = limits::minPlatform; platform <= last; ++platform)
        m_rows.push_back(platform);
}

std::size_t PlatformLayout::conflictWith(const PlatformInterval& stay,
                                         const std::vector<std::size_t>& moved) const {
    std::size_t found = m_intervals.size();
    if (!m_consists) return found;
    // The stay's pieces within the day: one over midnight goes on from 0 the next morning.
    const DayPieces day = dayPiecesOf(stay.start, stay.end);
    for (const DayPiece& piece : {day.evening, day.morning}) {
        const int32_t from = piece.start;
        const int32_t to = piece.end;
        if (to <= from) continue;
        forEachPiece(stay.platform, from, to, [&](std::size_t k, int32_t start, int32_t end) {
            if (found < m_intervals.size() || start >= to || end <= from) return;
            const std::size_t train = m_intervals[k].train;
            if (std::find(moved.begin(), moved.end(), train) != moved.end() ||
                m_consists->together(train, stay.train)) {
                return;
            }
            found = k;
        });
        if (found < m_intervals.size()) break;
    }
    return found;
}

std::vector<std::size_t> PlatformLayout::staysMovingWith(std::size_t stay) const {
    if (stay >= m_intervals.size()) return {};
    std::vector<std::size_t> group{stay};
    const PlatformInterval& first = m_intervals[stay];
    // Grows the span while stays of the consist reach into it.
    int32_t from = first.start;
    int32_t to = first.end;
    for (bool grew = true; grew;) {
        grew = false;
        forEachPiece(first.platform, from, to, [&](std::size_t k, int32_t start, int32_t end) {
            const PlatformInterval& other = m_intervals[k];
            if (start >= to || end <= from || !m_consists->together(other.train, first.train) ||
                std::find(group.begin(), group.end(), k) != group.end()) {
                return;
            }
            group.push_back(k);
            from = std::min(from, other.start);
            to = std::max(to, other.end);
            grew = true;
        });
    }
    std::sort(group.begin(), group.end());
    return group;
}

// A platform's conflict marks, lanes, and the index a view uses.
void PlatformLayout::indexPlatform(std::size_t platform) {
    const std::vector<std::size_t>& positions = m_byPlatform[platform];
    markPlatformConflicts(*m_consists, m_intervals, positions, m_conflicting);
    assignLanes(positions);
    m_longest[platform] = 0;
    m_blockEnds[platform].assign((positions.size() + block - 1) / block, INT32_MIN);
    m_overMidnight[platform].clear();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const PlatformInterval& interval = m_intervals[positions[i]];
        m_longest[platform] = std::max(m_longest[platform], interval.end - interval.start);
        int32_t& blockEnd = m_blockEnds[platform][i / block];
        blockEnd = std::max(blockEnd, interval.end);
        if (interval.end > minutesPerDay) m_overMidnight[platform].push_back(positions[i]);
    }
    std::sort(
        m_overMidnight[platform].begin(), m_overMidnight[platform].end(),
        [this](std::size_t a, std::size_t b) { return m_intervals[a].end > m_intervals[b].end; });
}

// Each stay takes the first of the lanes that is free when it begins, else the one that
// frees first: stays that overlap are drawn staggered, so that each stays visible. Linear.
void PlatformLayout::assignLanes(const std::vector<std::size_t>& positions) {
    std::array<int32_t, lanes> freeFrom;
    freeFrom.fill(INT32_MIN);
    for (std::size_t k : positions) {
        std::size_t lane = 0;
        for (std::size_t l = 0; l < freeFrom.size(); ++l) {
            if (freeFrom[l] <= m_intervals[k].start) {
                lane = l;
                break;
            }
            if (freeFrom[l] < freeFrom[lane]) lane = l;
        }
        freeFrom[lane] = m_intervals[k].end;
        m_lanes[k] = static_cast<uint8_t>(lane);
    }
}

}  // namespace rylmo
