#include "document/Occupancy.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <functional>
#include <optional>
#include <set>
#include <utility>

#include "document/Codes.h"
#include "document/FieldLimits.h"
#include "document/RunTypes.h"
#include "document/TimeText.h"
#include "document/Tokens.h"

namespace rylmo {

namespace {

std::optional<int32_t> minutesOf(int32_t time) {
    if (!isValidTime(time)) return std::nullopt;
    return minuteOfDay(time);
}

class Occupancy {
public:
    Occupancy(const std::string& startTime, DwellTimes dwell, std::size_t trains)
        : m_dwell(dwell), m_dayStart(dayStartMinutes(startTime)) {
        m_intervals.reserve(trains);
    }

    void addTrain(const Train& t, std::size_t train) {
        const std::optional<int32_t> arrival = minutesOf(t.arrivalTime);
        const std::optional<int32_t> departure = minutesOf(t.departureTime);
        // A train already at the station holds its platform from the start of the day.
        const std::optional<int32_t> from =
            isAtStation(t.status) && m_dayStart ? m_dayStart : arrival;
        const std::optional<RunType> type = runTypeOf(t.runType);
        if (!type) return;
        switch (*type) {
            case RunType::passesThrough:
            case RunType::splitPart:
                if (from && departure) stays(t, train, *from, *departure);
                break;
            case RunType::ends:
            case RunType::splitPartEnds:
                if (from) add(t.arrivalPlatform, train, *from, *from + m_dwell.afterArrival, true);
                break;
            case RunType::starts:
            case RunType::joinedPartStarts:
                if (!departure) break;
                if (isAtStation(t.status) && m_dayStart) {
                    add(t.departurePlatform, train, *m_dayStart, later(*m_dayStart, *departure),
                        false);
                } else {
                    add(t.departurePlatform, train, *departure - m_dwell.beforeDeparture,
                        *departure, false);
                }
                break;
            case RunType::doesNotStop:
                passes(t, train, arrival, departure);
                break;
        }
    }

    std::vector<PlatformInterval> take() { return std::move(m_intervals); }

private:
    // The end of a stay from start to the time of day end: the next day's when it is earlier.
    static int32_t later(int32_t start, int32_t end) {
        return end < start ? end + minutesPerDay : std::max(end, start + 1);
    }

    // Arrives and departs: one platform for the whole stay, or the arrival platform after
    // arriving and the departure platform before leaving.
    void stays(const Train& t, std::size_t train, int32_t from, int32_t departure) {
        const int32_t to = later(from, departure);
        if (t.departurePlatform == 0 || t.departurePlatform == t.arrivalPlatform) {
            add(t.arrivalPlatform, train, from, to, true);
            return;
        }
        add(t.arrivalPlatform, train, from, std::min(from + m_dwell.afterArrival, to), true);
        add(t.departurePlatform, train, std::max(to - m_dwell.beforeDeparture, from), to, false);
    }

    // Does not stop: one minute on its arrival platform at arrival, else on its departure
    // platform at departure.
    void passes(const Train& t, std::size_t train, std::optional<int32_t> arrival,
                std::optional<int32_t> departure) {
        const bool byArrival = t.arrivalPlatform != 0;
        const std::optional<int32_t> at = byArrival && arrival ? arrival : departure;
        if (!at) return;
        const std::size_t first = m_intervals.size();
        add(byArrival ? t.arrivalPlatform : t.departurePlatform, train, *at, *at + 1, byArrival);
        if (m_intervals.size() > first) m_intervals.back().stops = false;
    }

    void add(int32_t platform, std::size_t train, int32_t start, int32_t end, bool arrivalSide) {
        if (platform < limits::minPlatform || platform > limits::maxPlatform || end <= start)
            return;
        while (start < 0) {
            start += minutesPerDay;
            end += minutesPerDay;
        }
        while (start >= minutesPerDay) {
            start -= minutesPerDay;
            end -= minutesPerDay;
        }
        m_intervals.push_back({platform, train, start, end, true, arrivalSide});
    }

    DwellTimes m_dwell;
    std::optional<int32_t> m_dayStart;
    std::vector<PlatformInterval> m_intervals;
};

// A part of an interval within one day: an interval over midnight has two.
struct Piece {
    int32_t start;
    int32_t end;
    std::size_t interval;
};

}  // namespace

std::string dwellNote(DwellTimes dwell) {
    return "postój po przyjeździe " + std::to_string(dwell.afterArrival) + " min, przed odjazdem " +
           std::to_string(dwell.beforeDeparture) + " min";
}

int32_t stayNumber(const TimetableContent& content, const PlatformInterval& stay) {
    if (stay.train >= content.trains.size()) return 0;
    return content.trains[stay.train].numberOn(stay.arrivalSide);
}

std::optional<int32_t> dayStartMinutes(const std::string& startTime) {
    const std::optional<int32_t> value = startTimeValue(startTime);
    if (!value) return std::nullopt;
    return minuteOfDay(*value);
}

std::vector<PlatformInterval> trainStays(const Train& train, std::size_t position,
                                         const std::string& startTime, DwellTimes dwell) {
    Occupancy occupancy(startTime, dwell, 2);
    occupancy.addTrain(train, position);
    return occupancy.take();
}

std::vector<PlatformInterval> platformOccupancy(const TimetableContent& content, DwellTimes dwell,
                                                std::size_t first, std::size_t last) {
    Occupancy occupancy(content.startTime, dwell,
                        last >= first ? std::min(last - first + 1, content.trains.size()) : 0);
    for (std::size_t i = first; i <= last && i < content.trains.size(); ++i)
        occupancy.addTrain(content.trains[i], i);
    return occupancy.take();
}

std::vector<PlatformInterval> platformOccupancy(const TimetableContent& content, DwellTimes dwell) {
    Occupancy occupancy(content.startTime, dwell, content.trains.size());
    for (std::size_t i = 0; i < content.trains.size(); ++i)
        occupancy.addTrain(content.trains[i], i);
    return occupancy.take();
}

Consists::Consists(const std::vector<Train>& trains) : m_parent(trains.size()) {
    for (std::size_t i = 0; i < m_parent.size(); ++i) m_parent[i] = i;
    for (std::size_t i = 0; i < trains.size(); ++i) {
        for (const int32_t code : {trains[i].coupledWith, trains[i].toBeCoupledWith}) {
            if (!isCouplingCode(code)) continue;
            const auto other = static_cast<std::size_t>(couplingTrain(code));
            if (other < trains.size()) m_parent[root(i)] = root(other);
        }
    }
}

std::size_t Consists::root(std::size_t train) const {
    std::size_t top = train;
    while (m_parent[top] != top) top = m_parent[top];
    while (m_parent[train] != top) train = std::exchange(m_parent[train], top);
    return top;
}

bool Consists::together(std::size_t a, std::size_t b) const {
    return a < m_parent.size() && b < m_parent.size() && root(a) == root(b);
}

std::size_t Consists::of(std::size_t train) const {
    return train < m_parent.size() ? root(train) : train;
}

namespace {

// The pieces of one platform's intervals (positions ordered by start), ordered by start: the
// next morning's parts of stays over midnight (from 0:00) before the rest.
std::vector<Piece> piecesOf(const std::vector<PlatformInterval>& intervals,
                            const std::vector<std::size_t>& ordered) {
    std::vector<Piece> pieces;
    pieces.reserve(ordered.size());
    for (std::size_t k : ordered) {
        const PlatformInterval& interval = intervals[k];
        if (interval.end - interval.start >= minutesPerDay) {
            pieces.push_back({0, minutesPerDay, k});
        } else if (interval.end > minutesPerDay) {
            pieces.push_back({0, interval.end - minutesPerDay, k});
        }
    }
    for (std::size_t k : ordered) {
        const PlatformInterval& interval = intervals[k];
        if (interval.end - interval.start < minutesPerDay)
            pieces.push_back({interval.start, std::min(interval.end, minutesPerDay), k});
    }
    return pieces;
}

// The pieces of every interval, by platform (index 1..9).
std::array<std::vector<Piece>, limits::maxPlatform + 1> piecesByPlatform(
    const std::vector<PlatformInterval>& intervals) {
    std::array<std::vector<Piece>, limits::maxPlatform + 1> byPlatform;
    const std::array<std::vector<std::size_t>, limits::maxPlatform + 1> ordered =
        intervalsByPlatform(intervals);
    for (std::size_t platform = limits::minPlatform; platform < ordered.size(); ++platform)
        byPlatform[platform] = piecesOf(intervals, ordered[platform]);
    return byPlatform;
}

// The two most extreme values seen, of two different consists, so that a piece can ask for
// the most extreme one that is not of its own consist.
struct TwoBest {
    int32_t value[2];
    std::size_t consist[2] = {SIZE_MAX, SIZE_MAX};

    explicit TwoBest(int32_t none) : value{none, none} {}

    template <class Better>
    void offer(int32_t v, std::size_t c, Better better) {
        if (c == consist[0]) {
            if (better(v, value[0])) value[0] = v;
        } else if (better(v, value[0])) {
            value[1] = value[0];
            consist[1] = consist[0];
            value[0] = v;
            consist[0] = c;
        } else if (better(v, value[1])) {
            value[1] = v;
            consist[1] = c;
        }
    }
    int32_t bestOtherThan(std::size_t c) const { return c == consist[0] ? value[1] : value[0]; }
};

// Marks the pieces that share a minute with a piece of another consist: one that starts no
// later reaches past its start, or one that starts no earlier begins before its end.
void markConflicting(const std::vector<Piece>& pieces,
                     const std::vector<PlatformInterval>& intervals, const Consists& consists,
                     std::vector<bool>& conflicting) {
    const auto consistOf = [&](const Piece& p) { return consists.of(intervals[p.interval].train); };
    TwoBest latestEnd(INT32_MIN);
    for (const Piece& piece : pieces) {
        const std::size_t consist = consistOf(piece);
        if (latestEnd.bestOtherThan(consist) > piece.start) conflicting[piece.interval] = true;
        latestEnd.offer(piece.end, consist, std::greater<>());
    }
    TwoBest earliestStart(INT32_MAX);
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        const std::size_t consist = consistOf(*piece);
        if (earliestStart.bestOtherThan(consist) < piece->end) conflicting[piece->interval] = true;
        earliestStart.offer(piece->start, consist, std::less<>());
    }
}

}  // namespace

std::array<std::vector<std::size_t>, limits::maxPlatform + 1> intervalsByPlatform(
    const std::vector<PlatformInterval>& intervals) {
    std::array<std::vector<std::size_t>, limits::maxPlatform + 1> byPlatform;
    std::array<std::vector<uint32_t>, limits::maxPlatform + 1>
        counts;  // per platform: intervals starting before
    for (const PlatformInterval& interval : intervals) {
        if (interval.platform < limits::minPlatform || interval.platform > limits::maxPlatform)
            continue;
        std::vector<uint32_t>& count = counts[static_cast<std::size_t>(interval.platform)];
        if (count.empty()) count.assign(minutesPerDay + 1, 0);
        ++count[static_cast<std::size_t>(interval.start) + 1];
    }
    for (std::size_t platform = limits::minPlatform; platform < counts.size(); ++platform) {
        std::vector<uint32_t>& count = counts[platform];
        if (count.empty()) continue;
        for (std::size_t minute = 1; minute < count.size(); ++minute)
            count[minute] += count[minute - 1];
        byPlatform[platform].resize(count.back());
    }
    for (std::size_t k = 0; k < intervals.size(); ++k) {
        const PlatformInterval& interval = intervals[k];
        if (interval.platform < limits::minPlatform || interval.platform > limits::maxPlatform)
            continue;
        const auto platform = static_cast<std::size_t>(interval.platform);
        byPlatform[platform][counts[platform][static_cast<std::size_t>(interval.start)]++] = k;
    }
    return byPlatform;
}

void markPlatformConflicts(const Consists& consists, const std::vector<PlatformInterval>& intervals,
                           const std::vector<std::size_t>& platform,
                           std::vector<bool>& conflicting) {
    for (std::size_t k : platform) conflicting[k] = false;
    markConflicting(piecesOf(intervals, platform), intervals, consists, conflicting);
}

std::string conflictText(const TimetableContent& content,
                         const std::vector<PlatformInterval>& intervals,
                         const PlatformConflict& conflict) {
    const PlatformInterval& first = intervals[conflict.first];
    const PlatformInterval& second = intervals[conflict.second];
    const auto number = [&content](const PlatformInterval& stay) {
        return std::to_string(stayNumber(content, stay));
    };
    return "Peron " + std::to_string(first.platform) + ", " +
           minuteText(std::max(first.start, second.start)) + "–" +
           minuteText(std::min(first.end, second.end)) + ": " + number(first) + " i " +
           number(second);
}

PlatformConflicts platformConflicts(const TimetableContent& content,
                                    const std::vector<PlatformInterval>& intervals,
                                    std::size_t limit) {
    const Consists consists(content.trains);
    PlatformConflicts result;
    result.conflicting.assign(intervals.size(), false);
    std::vector<PlatformConflict>& found = result.pairs;
    const auto endsFirst = [](const Piece& a, const Piece& b) { return a.end < b.end; };
    for (const std::vector<Piece>& pieces : piecesByPlatform(intervals)) {
        markConflicting(pieces, intervals, consists, result.conflicting);
        if (limit == 0) continue;  // the marks alone
        // The pieces still on the platform when the next one begins.
        std::multiset<Piece, decltype(endsFirst)> onPlatform(endsFirst);
        for (const Piece& piece : pieces) {
            if (!result.complete) break;
            while (!onPlatform.empty() && onPlatform.begin()->end <= piece.start)
                onPlatform.erase(onPlatform.begin());
            for (const Piece& other : onPlatform) {
                if (other.interval == piece.interval ||
                    consists.together(intervals[other.interval].train,
                                      intervals[piece.interval].train)) {
                    continue;
                }
                // An interval over midnight meets another twice at most: one spare place.
                if (found.size() > limit) {
                    result.complete = false;
                    break;
                }
                found.push_back({std::min(other.interval, piece.interval),
                                 std::max(other.interval, piece.interval)});
            }
            onPlatform.insert(piece);
        }
    }
    if (limit == 0) {
        result.complete = std::find(result.conflicting.begin(), result.conflicting.end(), true) ==
                          result.conflicting.end();
    }
    std::sort(found.begin(), found.end(), [](const PlatformConflict& a, const PlatformConflict& b) {
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    });
    found.erase(std::unique(found.begin(), found.end()), found.end());
    if (found.size() > limit) {
        found.resize(limit);
        result.complete = false;
    }
    return result;
}

}  // namespace rylmo
