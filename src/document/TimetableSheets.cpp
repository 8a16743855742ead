#include "document/TimetableSheets.h"

#include <array>
#include <cstdlib>

#include "document/Codes.h"
#include "document/EntryNames.h"
#include "document/Occupancy.h"
#include "document/RunTypes.h"
#include "document/TimeText.h"
#include "document/TrainCategories.h"
#include "document/Windows1250.h"

namespace rylmo {

namespace {

// A coupled consist has a train in each of the coach slots 1..9 at most.
constexpr int maxConsistTrains = 9;

struct Window {
    int32_t from = 0;
    int32_t length = minutesPerDay - 1;  // minutes after from that still belong to it
    bool wholeDay = true;
};

Window windowOf(const TimetableContent& content, const TimeWindow& window) {
    Window w;
    w.from = window.from.value_or(dayStartMinutes(content.startTime).value_or(0));
    const int32_t to = window.to.value_or((w.from + minutesPerDay - 1) % minutesPerDay);
    w.length = (to - w.from + minutesPerDay) % minutesPerDay;
    w.wholeDay = w.length == minutesPerDay - 1;
    return w;
}

}  // namespace

std::string timeWindowText(const TimetableContent& content, const TimeWindow& window) {
    const Window w = windowOf(content, window);
    return minuteText(w.from) + "–" + minuteText(w.from + w.length);
}

std::string stationOf(const TimetableContent& content) {
    return content.stationNames.empty() ? "(bez nazwy)"
                                        : windows1250ToUtf8(content.stationNames.front());
}

namespace {

// Where in the window a minute lies (0 for its first minute), or nullopt outside it.
std::optional<int32_t> placeIn(const Window& w, int32_t minute) {
    const int32_t into = ((minute - w.from) % minutesPerDay + minutesPerDay) % minutesPerDay;
    if (into > w.length) return std::nullopt;
    return into;
}

// "?7": a reference that names nothing, with its value.
std::string unknownText(int64_t value) {
    std::string text = "?";
    text += std::to_string(value);
    return text;
}

std::string stationText(const TimetableContent& content, int32_t station) {
    if (station >= 0 && static_cast<std::size_t>(station) < content.stationNames.size())
        return windows1250ToUtf8(content.stationNames[static_cast<std::size_t>(station)]);
    return unknownText(station);
}

std::string trainNameText(const TimetableContent& content, int32_t name) {
    if (name == 0) return {};
    if (name > 0 && static_cast<std::size_t>(name) <= content.trainNames.size())
        return windows1250ToUtf8(content.trainNames[static_cast<std::size_t>(name) - 1]);
    return unknownText(name);
}

std::string platformText(int32_t platform) {
    if (platform == 0) return {};
    return std::to_string(platform);
}

std::string timeCell(int32_t time) {
    return isValidTime(time) ? clockText(hourOf(time), minuteOf(time)) : unknownText(time);
}

std::string trainLabel(const TimetableContent& content, int32_t category, int32_t number,
                       int32_t name) {
    std::string label = categoryShortName(category) + " " + std::to_string(number);
    const std::string named = trainNameText(content, name);
    if (!named.empty()) label += " " + named;
    return label;
}

bool groupListed(const SheetFilter& filter, int32_t category) {
    switch (categoryGroup(category)) {
        case CategoryGroup::goods:
            return filter.goods;
        case CategoryGroup::service:
            return filter.service;
        case CategoryGroup::passengers:
            break;
    }
    return filter.passengers;
}

bool standsFromStart(const Train& t) {
    return isAtStation(t.status);
}

// The rows of the chosen trains, each made by rowOf (which gives no row for a train the
// sheet does not list), in the order of their minutes within the window: a counting sort over
// the minutes, so that a day of any length costs one pass. Rows without a time of their own
// follow the whole day's rows; a narrower window leaves them out.
template <class RowOf>
std::vector<SheetRow> orderedRows(const TimetableContent& content, const SheetFilter& filter,
                                  const Window& window, RowOf rowOf) {
    std::vector<SheetRow> made;
    std::vector<int32_t> slots;
    std::array<std::size_t, minutesPerDay + 2> counts{};
    const auto consider = [&](std::size_t train) {
        std::optional<SheetRow> row = rowOf(train);
        if (!row) return;
        int32_t slot = minutesPerDay;
        if (row->minute >= 0) {
            const std::optional<int32_t> place = placeIn(window, row->minute);
            if (!place) return;
            slot = *place;
        } else if (!window.wholeDay) {
            return;
        }
        slots.push_back(slot);
        made.push_back(std::move(*row));
        ++counts[static_cast<std::size_t>(slot) + 1];
    };
    if (filter.only.empty()) {
        for (std::size_t train = 0; train < content.trains.size(); ++train) consider(train);
    } else {
        std::vector<bool> chosen(content.trains.size());
        for (std::size_t train : filter.only) {
            if (train < chosen.size()) chosen[train] = true;
        }
        for (std::size_t train = 0; train < chosen.size(); ++train) {
            if (chosen[train]) consider(train);
        }
    }
    for (std::size_t slot = 1; slot < counts.size(); ++slot) counts[slot] += counts[slot - 1];
    std::vector<SheetRow> rows(made.size());
    for (std::size_t k = 0; k < made.size(); ++k)
        rows[counts[static_cast<std::size_t>(slots[k])]++] = std::move(made[k]);
    return rows;
}

int32_t minuteOrNone(int32_t time) {
    return isValidTime(time) ? minuteOfDay(time) : -1;
}

// The category a train is listed by: the one it arrives with, or leaves with when it starts.
int32_t sheetCategory(const Train& t) {
    return arrivesFromElsewhere(t.runType) ? t.arrivalCategory : t.departureCategory;
}

// The minute a train first does something at the station: the start of the day for a train
// standing there, else its arrival, else its departure; -1 for none.
int32_t sheetMinute(const Train& t, std::optional<int32_t> dayStart) {
    if (standsFromStart(t)) return dayStart.value_or(-1);
    if (arrivesFromElsewhere(t.runType) && isValidTime(t.arrivalTime))
        return minuteOfDay(t.arrivalTime);
    return minuteOrNone(leavesForElsewhere(t.runType) ? t.departureTime : t.arrivalTime);
}

Sheet board(const TimetableContent& content, const SheetFilter& filter, bool departures) {
    const Window window = windowOf(content, filter.window);
    Sheet sheet;
    sheet.kind = departures ? "Odjazdy" : "Przyjazdy";
    sheet.station = stationOf(content);
    sheet.window = timeWindowText(content, filter.window);
    sheet.hourBands = true;
    sheet.columns = {{departures ? "Odjazd" : "Przyjazd", 6},
                     {"Pociąg", 16},
                     {departures ? "Do stacji" : "Ze stacji", 14},
                     {"Peron", 5}};
    sheet.rows = orderedRows(content, filter, window, [&](std::size_t train) {
        const Train& t = content.trains[train];
        std::optional<SheetRow> row;
        const std::optional<RunType> type = runTypeOf(t.runType);
        if (!type || *type == RunType::doesNotStop) return row;
        const bool listed = departures ? leavesForElsewhere(t.runType)
                                       : arrivesFromElsewhere(t.runType) && !standsFromStart(t);
        const int32_t time = departures ? t.departureTime : t.arrivalTime;
        const int32_t category = departures ? t.departureCategory : t.arrivalCategory;
        if (!listed || !isValidTime(time) || !groupListed(filter, category)) return row;
        row = SheetRow{train, minuteOfDay(time), {}};
        row->cells = {timeCell(time),
                      departures
                          ? trainLabel(content, category, t.departureNumber, t.departureTrainName)
                          : trainLabel(content, category, t.arrivalNumber, t.arrivalTrainName),
                      stationText(content, departures ? t.destinationStation : t.originStation),
                      platformText(departures ? t.departurePlatform : t.arrivalPlatform)};
        return row;
    });
    return sheet;
}

// The other trains of t's consist along its coupling field (coupledWith on arrival,
// toBeCoupledWith on departure), by their numbers on that side. The chain is walked as the
// game walks it, at most through one train per coach slot, so a broken chain ends.
std::string consistNumbers(const TimetableContent& content, std::size_t t, bool arrival) {
    const auto coupling = [&](std::size_t u) {
        return arrival ? content.trains[u].coupledWith : content.trains[u].toBeCoupledWith;
    };
    std::string numbers;
    std::size_t u = t;
    for (int step = 0; step < maxConsistTrains && isCouplingCode(coupling(u)); ++step) {
        const auto next = static_cast<std::size_t>(couplingTrain(coupling(u)));
        if (next == t || next >= content.trains.size()) break;
        const Train& other = content.trains[next];
        if (!numbers.empty()) numbers += ", ";
        numbers += std::to_string(other.numberOn(arrival));
        u = next;
    }
    return numbers;
}

std::string couplingText(const TimetableContent& content, std::size_t t) {
    const std::string arrived = consistNumbers(content, t, true);
    const std::string leaves = consistNumbers(content, t, false);
    if (!arrived.empty() && arrived == leaves) return "razem z " + arrived;
    std::string text;
    if (!arrived.empty()) text = "rozłączany z " + arrived;
    if (!leaves.empty()) text += (text.empty() ? "" : "; ") + ("łączony z " + leaves);
    return text;
}

std::string eventText(const Train& t) {
    const std::optional<RunType> type = runTypeOf(t.runType);
    if (!type) return "nieznany rodzaj (" + std::to_string(t.runType) + ")";
    if (standsFromStart(t))
        return leavesForElsewhere(t.runType) ? "stoi od początku, odjeżdża"
                                             : "stoi od początku, kończy bieg";
    switch (*type) {
        case RunType::ends:
        case RunType::splitPartEnds:
            return "przyjeżdża i kończy bieg";
        case RunType::starts:
        case RunType::joinedPartStarts:
            return "rozpoczyna bieg i odjeżdża";
        case RunType::passesThrough:
        case RunType::splitPart:
            return "zatrzymuje się";
        case RunType::doesNotStop:
            break;
    }
    return "przejeżdża bez zatrzymania";
}

// The passages of each train, arriving or departing with it: positions into the passages,
// the trains' lists one after another (offsets by train).
struct PassagesByTrain {
    std::vector<std::size_t> offsets;
    std::vector<std::size_t> passages;

    explicit PassagesByTrain(const TimetableContent& content) : offsets(content.trains.size() + 1) {
        const auto forEachEnd = [&](auto use) {
            for (std::size_t p = 0; p < content.passages.size(); ++p) {
                const LocomotivePassage& passage = content.passages[p];
                const int64_t arriving = std::llabs(passage.arrivingTrain);
                const int64_t departing = std::llabs(passage.departingTrain);
                if (arriving < static_cast<int64_t>(content.trains.size()))
                    use(static_cast<std::size_t>(arriving), p);
                if (departing != arriving &&
                    departing < static_cast<int64_t>(content.trains.size()))
                    use(static_cast<std::size_t>(departing), p);
            }
        };
        forEachEnd([&](std::size_t train, std::size_t) { ++offsets[train + 1]; });
        for (std::size_t k = 1; k < offsets.size(); ++k) offsets[k] += offsets[k - 1];
        passages.resize(offsets.back());
        std::vector<std::size_t> next(offsets.begin(), offsets.end() - 1);
        forEachEnd([&](std::size_t train, std::size_t p) { passages[next[train]++] = p; });
    }
};

std::string trainNumberAt(const TimetableContent& content, int32_t train, bool arrival) {
    const int64_t position = std::llabs(static_cast<int64_t>(train));
    if (position >= static_cast<int64_t>(content.trains.size())) return unknownText(position);
    const Train& t = content.trains[static_cast<std::size_t>(position)];
    return std::to_string(t.numberOn(arrival));
}

std::string passagesText(const TimetableContent& content, const PassagesByTrain& byTrain,
                         std::size_t train) {
    std::string text;
    for (std::size_t k = byTrain.offsets[train]; k < byTrain.offsets[train + 1]; ++k) {
        const LocomotivePassage& p = content.passages[byTrain.passages[k]];
        if (!text.empty()) text += "; ";
        text += windows1250ToUtf8(typeNameOrPlaceholder(content, std::llabs(p.locomotiveType))) +
                " " + trainNumberAt(content, p.arrivingTrain, true) + " → " +
                trainNumberAt(content, p.departingTrain, false);
    }
    return text;
}

}  // namespace

std::string hourBandText(int32_t minute) {
    return minute < 0 ? "?" : std::to_string(minute / 60);
}

bool sameHourBand(int32_t minute, int32_t other) {
    return (minute < 0 && other < 0) || (minute >= 0 && other >= 0 && minute / 60 == other / 60);
}

std::optional<int32_t> minutesIntoWindow(const TimetableContent& content, const TimeWindow& window,
                                         int32_t minute) {
    return placeIn(windowOf(content, window), minute);
}

std::vector<std::size_t> listedTrains(const TimetableContent& content, const SheetFilter& filter) {
    const Window window = windowOf(content, filter.window);
    const std::optional<int32_t> dayStart = dayStartMinutes(content.startTime);
    std::vector<SheetRow> rows = orderedRows(content, filter, window, [&](std::size_t train) {
        const Train& t = content.trains[train];
        std::optional<SheetRow> row;
        if (groupListed(filter, sheetCategory(t)))
            row = SheetRow{train, sheetMinute(t, dayStart), {}};
        return row;
    });
    std::vector<bool> listed(content.trains.size());
    for (const SheetRow& row : rows) listed[row.train] = true;
    std::vector<std::size_t> trains;
    trains.reserve(rows.size());
    for (std::size_t train = 0; train < listed.size(); ++train) {
        if (listed[train]) trains.push_back(train);
    }
    return trains;
}

Sheet departureBoard(const TimetableContent& content, const SheetFilter& filter) {
    return board(content, filter, true);
}

Sheet arrivalBoard(const TimetableContent& content, const SheetFilter& filter) {
    return board(content, filter, false);
}

Sheet dispatcherSheet(const TimetableContent& content, const SheetFilter& filter,
                      const std::vector<uint32_t>& findings) {
    const Window window = windowOf(content, filter.window);
    const std::optional<int32_t> dayStart = dayStartMinutes(content.startTime);
    const PassagesByTrain passages(content);
    Sheet sheet;
    sheet.kind = "Wykaz dla dyżurnego";
    sheet.station = stationOf(content);
    sheet.window = timeWindowText(content, filter.window);
    sheet.legend = "! – pociąg ma uwagi w panelu problemów";
    sheet.columns = {{"Przyj.", 6},     {"Odj.", 6},        {"Pociąg", 11},
                     {"Zdarzenie", 24}, {"Peron", 5},       {"Relacja", 26},
                     {"Łączenie", 16},  {"Lokomotywy", 32}, {"Uw.", 3}};
    sheet.rows = orderedRows(content, filter, window, [&](std::size_t train) {
        const Train& t = content.trains[train];
        const bool arrives = arrivesFromElsewhere(t.runType);
        const bool leaves = leavesForElsewhere(t.runType);
        std::optional<SheetRow> row;
        if (!groupListed(filter, sheetCategory(t))) return row;
        const bool standing = standsFromStart(t);
        const int32_t minute = sheetMinute(t, dayStart);
        std::string number;
        if (arrives) number = std::to_string(t.arrivalNumber);
        if (leaves && (!arrives || t.departureNumber != t.arrivalNumber))
            number += (number.empty() ? "" : "/") + std::to_string(t.departureNumber);
        std::string platform;
        if (arrives) platform = platformText(t.arrivalPlatform);
        if (leaves && (!arrives || t.departurePlatform != t.arrivalPlatform)) {
            const std::string departure = platformText(t.departurePlatform);
            platform = platform.empty() ? departure : platform + "→" + departure;
        }
        std::string route;
        if (arrives) route = stationText(content, t.originStation) + " →";
        if (leaves)
            route += (route.empty() ? "→ " : " ") + stationText(content, t.destinationStation);
        row = SheetRow{train, minute, {}};
        row->cells = {arrives && !standing ? timeCell(t.arrivalTime) : std::string(),
                      leaves ? timeCell(t.departureTime) : std::string(),
                      number,
                      eventText(t),
                      platform,
                      route,
                      couplingText(content, train),
                      passagesText(content, passages, train),
                      train < findings.size() && findings[train] > 0 ? "!" : ""};
        return row;
    });
    return sheet;
}

}  // namespace rylmo
