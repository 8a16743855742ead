#include "document/ConsistencyCheck.h"

#include <cstdlib>

#include "document/Codes.h"
#include "document/CompositionText.h"
#include "document/Error.h"
#include "document/FieldLimits.h"
#include "document/Occupancy.h"
#include "document/PolishCount.h"
#include "document/ProbabilityText.h"
#include "document/RollingStock.h"
#include "document/RunTypes.h"
#include "document/SaveCheck.h"
#include "document/TimeText.h"
#include "document/TrainCategories.h"

namespace rylmo {

namespace {

std::string str(int64_t value) {
    return std::to_string(value);
}

// Collects the findings of one section, naming the entry and the field as the windows do. The
// message of a finding is made only when the collector keeps it.
class Reporter {
public:
    Reporter(FindingCollector& collector, Section section)
        : m_collector(collector), m_section(section) {}

    struct Stopped {};
    DwellTimes dwellTimes() const { return m_collector.dwellTimes(); }
    void entry(std::size_t index) {
        const std::atomic<bool>* stop = m_collector.stopFlag();
        if (stop && stop->load(std::memory_order_relaxed)) throw Stopped{};
        m_entry = index;
    }

    template <class Message>
    void report(Field field, Message message) {
        if (!m_collector.counts(m_section, m_entry, m_other)) return;
        m_collector.keep({m_section, m_entry, field,
                          findingPlace(m_section, m_entry, field) + text(message), m_other});
    }
    // The second entry the next findings are about too (the other train of a conflict).
    void other(std::size_t index) { m_other = index; }

    void range(Field field, int64_t value, int64_t low, int64_t high) {
        if (value < low || value > high) {
            report(field, [&] {
                return "wartość " + str(value) + " spoza zakresu " + str(low) + "–" + str(high);
            });
        }
    }

    // value must be a position in a list of size entries, counted from base (0 or 1).
    void index(Field field, int64_t value, std::size_t size, int base, const char* listName) {
        if (value < base || value >= static_cast<int64_t>(size) + base) {
            report(field, [&] {
                return "pozycja " + str(value) + " poza listą " + listName + " (" +
                       polishCount(static_cast<int64_t>(size), "pozycja", "pozycje", "pozycji") +
                       ")";
            });
        }
    }

private:
    static std::string text(const std::string& message) { return message; }
    static std::string text(const char* message) { return message; }
    template <class Make>
    static std::string text(const Make& make) {
        return make();
    }

    FindingCollector& m_collector;
    Section m_section;
    std::size_t m_entry = Problem::wholeSection;
    std::size_t m_other = Problem::wholeSection;
};

bool validCoupling(int32_t value, std::size_t trainCount) {
    return isCouplingCode(value) && static_cast<std::size_t>(couplingTrain(value)) < trainCount;
}

// Marks the trains that lie on a closed coupling chain. Following a train's coupling field
// leads from train to train; a sound chain comes back to where it started. Linear in the
// number of trains, however the chains are tangled.
std::vector<bool> trainsOnClosedChains(const std::vector<Train>& trains, int32_t Train::*coupling) {
    const std::size_t n = trains.size();
    enum State : unsigned char { unseen, walking, done };
    std::vector<State> state(n, unseen);
    std::vector<bool> onCycle(n, false);
    std::vector<std::size_t> path;
    for (std::size_t start = 0; start < n; ++start) {
        path.clear();
        std::size_t u = start;
        while (true) {
            if (state[u] == done) break;
            if (state[u] == walking) {
                for (auto it = path.rbegin(); it != path.rend(); ++it) {
                    onCycle[*it] = true;
                    if (*it == u) break;
                }
                break;
            }
            state[u] = walking;
            path.push_back(u);
            const int32_t value = trains[u].*coupling;
            if (!validCoupling(value, n)) break;
            u = static_cast<std::size_t>(couplingTrain(value));
        }
        for (std::size_t v : path) state[v] = done;
    }
    return onCycle;
}

// The unit of a self-propelled train and its depot.
void checkTrainVehicle(const TimetableContent& c, const Train& t, Reporter& r) {
    const auto name = [](int32_t Train::*member) { return fieldOf(member); };
    if (t.symbolUnit != 0) {
        r.index(name(&Train::symbolUnit), t.symbolUnit, c.locomotiveTypes.size(), 1, "lokomotyw");
        // In 64 bits: the smallest 32-bit value has no predecessor there.
        const int64_t type = int64_t{t.symbolUnit} - 1;
        if (type >= 0 && static_cast<uint64_t>(type) < c.locomotiveTypes.size()) {
            const std::string_view kind = c.locomotiveTypes[static_cast<std::size_t>(type)].kind();
            if (!isSelfPropelledKind(kind)) {
                r.report(name(&Train::symbolUnit),
                         "lokomotywa " + str(t.symbolUnit) +
                             " nie jest zespołem trakcyjnym ani autobusem szynowym");
            }
        }
        r.index(name(&Train::unitDepot), t.unitDepot, c.depotNames.size(), 0, "lokomotywowni");
    }
}

void checkTrains(const TimetableContent& c, Reporter& r) {
    const auto name = [](int32_t Train::*member) { return fieldOf(member); };
    constexpr int32_t Train::*couplings[2] = {&Train::coupledWith, &Train::toBeCoupledWith};
    const std::vector<bool> closed[2] = {trainsOnClosedChains(c.trains, couplings[0]),
                                         trainsOnClosedChains(c.trains, couplings[1])};
    for (std::size_t i = 0; i < c.trains.size(); ++i) {
        const Train& t = c.trains[i];
        r.entry(i);
        r.range(name(&Train::runType), t.runType, 0, runTypeCount - 1);
        for (int32_t Train::*time : {&Train::arrivalTime, &Train::departureTime}) {
            if (!isValidTime(t.*time)) {
                r.report(name(time),
                         "niepoprawny czas " + str(t.*time) + " (godzina 0–23, minuta 0–59)");
            }
        }
        r.range(name(&Train::entryPoint), t.entryPoint, 0, limits::maxPoint);
        r.range(name(&Train::exitPoint), t.exitPoint, 0, limits::maxPoint);
        r.index(name(&Train::originStation), t.originStation, c.stationNames.size(), 0, "stacji");
        r.index(name(&Train::destinationStation), t.destinationStation, c.stationNames.size(), 0,
                "stacji");
        checkTrainVehicle(c, t, r);
        r.range(name(&Train::arrivalNumber), t.arrivalNumber, 0, limits::maxTrainNumber);
        r.range(name(&Train::departureNumber), t.departureNumber, 0, limits::maxTrainNumber);
        for (int k = 0; k < 2; ++k) {
            const int32_t value = t.*couplings[k];
            if (value == 0) continue;
            if (!validCoupling(value, c.trains.size())) {
                r.report(name(couplings[k]), "niepoprawne sprzęgnięcie " + str(value) +
                                                 " (pociąg × 10 + wagon 1–9, pociąg z listy)");
            } else if (!closed[k][i]) {
                r.report(name(couplings[k]),
                         "łańcuch sprzęgniętych pociągów nie wraca do tego pociągu");
            }
        }
        for (int32_t Train::*category : {&Train::arrivalCategory, &Train::departureCategory}) {
            if (categoryRow(t.*category) < 0)
                r.report(name(category), "nieznana kategoria " + str(t.*category));
        }
        r.range(name(&Train::status), t.status, 0, statusCount - 1);
        if (t.symbolVehicle != 0 && !isVehicleNumber(c, t.symbolVehicle)) {
            r.report(name(&Train::symbolVehicle),
                     "pojazd " + str(t.symbolVehicle) + " nie istnieje");
        }
        if (t.composition != 0) {
            r.index(name(&Train::composition), t.composition, c.compositions.size(), 0, "składów");
        }
        r.range(name(&Train::arrivalPlatform), t.arrivalPlatform, 0, limits::maxPlatform);
        r.range(name(&Train::departurePlatform), t.departurePlatform, 0, limits::maxPlatform);
        r.range(name(&Train::arrivalTrainName), t.arrivalTrainName, 0,
                static_cast<int64_t>(c.trainNames.size()));
        r.range(name(&Train::departureTrainName), t.departureTrainName, 0,
                static_cast<int64_t>(c.trainNames.size()));
        r.range(name(&Train::standCoordinate), t.standCoordinate, -limits::maxPoint,
                limits::maxPoint);
        r.range(name(&Train::standPosition), t.standPosition, 0, limits::standPositions - 1);
        r.range(name(&Train::standTrackNumber), t.standTrackNumber, 0, limits::maxTrackNumber);
        r.range(name(&Train::reserved), t.reserved, 0, 0);
    }
}

void checkDepot(const TimetableContent& c, Reporter& r) {
    const auto name = [](int32_t DepotEntry::*member) { return fieldOf(member); };
    for (std::size_t i = 0; i < c.depot.size(); ++i) {
        const DepotEntry& e = c.depot[i];
        r.entry(i);
        r.index(name(&DepotEntry::locomotiveType), e.locomotiveType, c.locomotiveTypes.size(), 1,
                "lokomotyw");
        r.range(name(&DepotEntry::count), e.count, 1, limits::maxDepotCount);
        r.index(name(&DepotEntry::depot), e.depot, c.depotNames.size(), 0, "lokomotywowni");
        r.range(name(&DepotEntry::standCoordinate), e.standCoordinate, -limits::maxDepotCoordinate,
                limits::maxDepotCoordinate);
        r.range(name(&DepotEntry::standPosition), e.standPosition, 0, limits::standPositions - 1);
        r.range(name(&DepotEntry::standTrackNumber), e.standTrackNumber, 0,
                limits::maxDepotTrackNumber);
    }
}

void checkPassages(const TimetableContent& c, Reporter& r) {
    const auto name = [](int32_t LocomotivePassage::*member) { return fieldOf(member); };
    const auto magnitude = [](int32_t v) { return std::llabs(static_cast<long long>(v)); };
    for (std::size_t i = 0; i < c.passages.size(); ++i) {
        const LocomotivePassage& p = c.passages[i];
        r.entry(i);
        r.index(name(&LocomotivePassage::locomotiveType), magnitude(p.locomotiveType),
                c.locomotiveTypes.size(), 1, "lokomotyw");
        r.index(name(&LocomotivePassage::depot), magnitude(p.depot), c.depotNames.size(), 0,
                "lokomotywowni");
        r.index(name(&LocomotivePassage::arrivingTrain), magnitude(p.arrivingTrain),
                c.trains.size(), 0, "pociągów");
        r.index(name(&LocomotivePassage::departingTrain), magnitude(p.departingTrain),
                c.trains.size(), 0, "pociągów");
        r.range(name(&LocomotivePassage::probabilityIndex), magnitude(p.probabilityIndex), 0,
                static_cast<int64_t>(c.probabilities.size()));
    }
}

void checkProbabilities(const TimetableContent& c, Reporter& r) {
    for (std::size_t i = 0; i < c.probabilities.size(); ++i) {
        r.entry(i);
        std::vector<int32_t> values;
        try {
            values = readProbabilityEntry(c.probabilities[i]);
        } catch (const Error& e) {
            r.report(Field::none, std::string(e.what()));
            continue;
        }
        if (static_cast<int64_t>(values.size()) != c.locomotiveTypeCount) {
            r.report(Field::none, "liczba wartości " + str(static_cast<int64_t>(values.size())) +
                                      " różni się od liczby lokomotyw " +
                                      str(c.locomotiveTypeCount));
        }
        int64_t sum = 0;
        for (std::size_t k = 0; k < values.size(); ++k) {
            sum += values[k];
            if (values[k] < 0 || values[k] > limits::maxPercent) {
                r.report(Field::none, "wartość " + str(values[k]) + " dla lokomotywy " +
                                          str(static_cast<int64_t>(k + 1)) + " spoza zakresu 0–" +
                                          str(limits::maxPercent));
            }
        }
        if (sum != limits::maxPercent) {
            r.report(Field::none,
                     "suma wartości wynosi " + str(sum) + " zamiast " + str(limits::maxPercent));
        }
    }
}

void checkCompositions(const TimetableContent& c, Reporter& r) {
    for (std::size_t i = 0; i < c.compositions.size(); ++i) {
        r.entry(i);
        try {
            const std::vector<int32_t> row = readComposition(c.compositions[i]);
            int32_t previous = 0;
            for (int32_t vehicle : row) {
                if (vehicle != previous && !isVehicleNumber(c, vehicle)) {
                    r.report(Field::none, "pojazd " + str(vehicle) + " nie istnieje");
                }
                previous = vehicle;
            }
        } catch (const Error& e) {
            r.report(Field::none, std::string(e.what()));
        }
    }
}

void checkLocomotiveTypes(const TimetableContent& c, Reporter& r) {
    for (std::size_t i = 0; i < c.locomotiveTypes.size(); ++i) {
        const LocomotiveType& type = c.locomotiveTypes[i];
        r.entry(i);
        const std::string_view kind = type.kind();
        const bool kindOk = kind.size() == 1 && kind[0] >= '1' && kind[0] <= '5';
        if (!kindOk && !kind.empty()) r.report(fieldAt(3), "rodzaj spoza zakresu 1–5");
        const bool hierarchyOk = type.hierarchy().size() == 1 && type.hierarchy()[0] >= '0' &&
                                 type.hierarchy()[0] <= '9';
        if (!hierarchyOk && !type.hierarchy().empty()) {
            r.report(fieldAt(4), "hierarchia spoza zakresu 0–9");
        }
    }
}

void checkStartTime(const TimetableContent& c, Reporter& r) {
    if (!c.startTime.empty() && !startTimeValue(c.startTime)) {
        r.report(fieldOf(GeneralField::startTime),
                 "niepoprawny czas rozpoczęcia (godzina × 100 + minuta)");
    }
}

// Trains on one platform at once, named by their numbers and times so that the author
// recognises them. Listed up to the panel's bound: a generated timetable may hold millions.
void checkPlatforms(const TimetableContent& c, Reporter& r) {
    constexpr std::size_t listed = 10000;
    const std::vector<PlatformInterval> intervals = platformOccupancy(c, r.dwellTimes());
    const PlatformConflicts conflicts = platformConflicts(c, intervals, listed);
    const auto named = [&c](const PlatformInterval& interval) {
        return "pociąg " + str(stayNumber(c, interval)) + " (" + minuteText(interval.start) + "–" +
               minuteText(interval.end) + ")";
    };
    for (const PlatformConflict& pair : conflicts.pairs) {
        const PlatformInterval& first = intervals[pair.first];
        const PlatformInterval& second = intervals[pair.second];
        r.entry(first.train);
        r.other(second.train);
        r.report(Field::none, [&] {
            return "peron " + str(first.platform) + ": " + named(first) + " i " + named(second) +
                   " zajmują go jednocześnie";
        });
    }
    if (!conflicts.complete) {
        r.entry(Problem::wholeSection);
        r.other(Problem::wholeSection);
        r.report(Field::none, "więcej pociągów zajmuje perony jednocześnie, niż można wypisać");
    }
}

}  // namespace

void checkTimetable(const TimetableContent& content, FindingCollector& collector) {
    const std::pair<Section, void (*)(const TimetableContent&, Reporter&)> checks[] = {
        {Section::trains, checkTrains},
        {Section::depot, checkDepot},
        {Section::passages, checkPassages},
        {Section::probabilities, checkProbabilities},
        {Section::compositions, checkCompositions},
        {Section::locomotiveTypes, checkLocomotiveTypes},
        {Section::generalData, checkStartTime},
        {Section::platforms, checkPlatforms},
    };
    try {
        for (const auto& [section, check] : checks) {
            Reporter reporter(collector, section);
            check(content, reporter);
        }
    } catch (const Reporter::Stopped&) {
        return;
    }
    findUnsavableParts(
        content,
        [&collector](Problem&& problem) {
            if (collector.counts(problem.section, problem.entry, problem.otherEntry))
                collector.keep(std::move(problem));
            return true;
        },
        collector.stopFlag());
}

CheckResult checkTimetable(const TimetableContent& content, std::size_t limit,
                           const std::atomic<bool>* stop, DwellTimes dwell) {
    class Limited : public FindingCollector {
    public:
        Limited(CheckResult& result, std::size_t limit, const std::atomic<bool>* stop,
                DwellTimes dwell)
            : m_result(result), m_limit(limit), m_stop(stop), m_dwell(dwell) {}
        bool counts(Section section, std::size_t entry, std::size_t other) override {
            ++m_result.total;
            for (std::size_t train : {entry, other}) {
                if (isAboutTrain(section) && train < m_result.trainFindings.size())
                    ++m_result.trainFindings[train];
            }
            return m_result.problems.size() < m_limit;
        }
        void keep(Problem&& problem) override { m_result.problems.push_back(std::move(problem)); }
        const std::atomic<bool>* stopFlag() const override { return m_stop; }
        DwellTimes dwellTimes() const override { return m_dwell; }

    private:
        CheckResult& m_result;
        std::size_t m_limit;
        const std::atomic<bool>* m_stop;
        DwellTimes m_dwell;
    };
    CheckResult result;
    result.trainFindings.assign(content.trains.size(), 0);
    Limited collector(result, limit, stop, dwell);
    checkTimetable(content, collector);
    result.stopped = stop && stop->load();
    return result;
}

std::vector<Problem> checkTimetable(const TimetableContent& content) {
    return checkTimetable(content, SIZE_MAX).problems;
}

}  // namespace rylmo
