#include "StationDay.h"

#include "document/Windows1250.h"

#include <random>

#include "document/Codes.h"
#include "document/RunTypes.h"
#include "document/Windows1250.h"

namespace rylmo::bench {

namespace {

constexpr int32_t goods = 0;
constexpr int32_t regional = 2;
constexpr int32_t suburban = 1;
constexpr int32_t express = 4;
constexpr int32_t service = 20;

int32_t time(int minutes) {
    return timeOfMinute(minutes);
}

int32_t type(RunType runType) {
    return static_cast<int32_t>(runType);
}

class DayBuilder {
public:
    explicit DayBuilder(TimetableContent& content) : m_content(content) {}

    // A train from arrival to departure (minutes of the day) on one platform.
    Train& add(RunType runType, int arrival, int departure, int32_t number, int32_t category,
               int32_t platform, int32_t from, int32_t to) {
        Train t;
        t.runType = type(runType);
        t.arrivalTime = arrivesFromElsewhere(t.runType) ? time(arrival) : 0;
        t.departureTime = leavesForElsewhere(t.runType) ? time(departure) : 0;
        t.arrivalNumber = arrivesFromElsewhere(t.runType) ? number : 0;
        t.departureNumber = leavesForElsewhere(t.runType) ? number : 0;
        t.arrivalCategory = t.departureCategory = category;
        t.arrivalPlatform = t.departurePlatform = platform;
        t.originStation = arrivesFromElsewhere(t.runType) ? from : 0;
        t.destinationStation = leavesForElsewhere(t.runType) ? to : 0;
        t.entryPoint = arrivesFromElsewhere(t.runType) ? 100 + platform : 0;
        t.exitPoint = leavesForElsewhere(t.runType) ? 200 + platform : 0;
        m_content.trains.push_back(t);
        return m_content.trains.back();
    }

    // The two trains last added as one consist, by the coupling field given.
    void coupleLastTwo(int32_t Train::*field) {
        const auto second = static_cast<int32_t>(m_content.trains.size() - 1);
        m_content.trains[static_cast<std::size_t>(second - 1)].*field = couplingCode(second, 1);
        m_content.trains[static_cast<std::size_t>(second)].*field = couplingCode(second - 1, 1);
    }

private:
    TimetableContent& m_content;
};

// The platforms' plan: each platform's trains never meet, so at most six stays need a
// platform at any minute. Platform 1 and 2 take the through trains of each direction, 3 and 4
// the suburban lines (a train ends, the next one starts from the same platform), 5 the split
// and joined consists, 6 the goods trains that stop and the service moves.
void planDay(DayBuilder& day) {
    const int32_t east = 1, west = 2, city = 3, hills = 4, port = 5;
    for (int hour = 5; hour <= 22; ++hour) {
        const int at = hour * 60;
        day.add(RunType::passesThrough, at + 5, at + 8, 3100 + hour * 2, regional, 1, west, east);
        day.add(RunType::passesThrough, at + 20, at + 23, 3101 + hour * 2, regional, 2, east, west);
        day.add(RunType::passesThrough, at + 35, at + 37, 1300 + hour * 2, express, 1, west, east);
        day.add(RunType::passesThrough, at + 45, at + 47, 1301 + hour * 2, express, 2, east, west);
        // Goods that pass without stopping, on the through platforms between the others.
        day.add(RunType::doesNotStop, at + 52, at + 52, 44000 + hour * 2, goods, 1, west, east);
        day.add(RunType::doesNotStop, at + 56, at + 56, 44001 + hour * 2, goods, 2, east, west);
    }
    for (int half = 10; half < 46; ++half) {  // 5:00 to 22:30
        const int at = half * 30;
        day.add(RunType::ends, at + 10, 0, 9200 + half * 2, suburban, 3, city, 0);
        day.add(RunType::starts, 0, at + 30, 9201 + half * 2, suburban, 3, 0, city);
        day.add(RunType::ends, at + 0, 0, 9400 + half * 2, suburban, 4, hills, 0);
        day.add(RunType::starts, 0, at + 20, 9401 + half * 2, suburban, 4, 0, hills);
    }
    for (int hour = 6; hour <= 22; hour += 2) {
        const int at = hour * 60;
        // Arrives as one train, leaves as two: one part goes on, the other ends here.
        day.add(RunType::splitPart, at + 2, at + 12, 5100 + hour, regional, 5, west, port);
        day.add(RunType::splitPartEnds, at + 2, 0, 5150 + hour, regional, 5, west, 0);
        day.coupleLastTwo(&Train::coupledWith);
        // Two parts leave as one train: one comes in, the other starts here.
        day.add(RunType::passesThrough, at + 40, at + 55, 5200 + hour, regional, 5, port, west);
        day.add(RunType::joinedPartStarts, 0, at + 55, 5250 + hour, regional, 5, 0, west);
        day.coupleLastTwo(&Train::toBeCoupledWith);
    }
    for (int hour = 5; hour <= 21; hour += 2) {
        const int at = hour * 60;
        day.add(RunType::ends, at + 10, 0, 5300 + hour, regional, 5, port, 0);
        day.add(RunType::starts, 0, at + 40, 5350 + hour, regional, 5, 0, port);
    }
    for (int hour = 5; hour <= 22; ++hour) {
        const int at = hour * 60;
        // Goods trains that wait for a path, and engines between depot and trains.
        day.add(RunType::passesThrough, at + 2, at + 14 + hour % 5, 61000 + hour, goods, 6, east,
                port);
        day.add(RunType::ends, at + 24, 0, 72000 + hour, service, 6, hills, 0);
        day.add(RunType::starts, 0, at + 48, 72100 + hour, service, 6, 0, city);
        day.add(RunType::passesThrough, at + 50, at + 58, 62000 + hour, goods, 6, port, east);
    }
}

// As in a first draft: some trains put where another already stands.
void addDraftMistakes(TimetableContent& content, std::mt19937& random, int count) {
    std::uniform_int_distribution<std::size_t> pick(0, content.trains.size() - 1);
    std::uniform_int_distribution<int32_t> platform(1, stationDayPlatforms);
    for (int made = 0; made < count;) {
        Train& t = content.trains[pick(random)];
        if (t.coupledWith != 0 || t.toBeCoupledWith != 0) continue;  // consists stay whole
        const int32_t wrong = platform(random);
        if (wrong == t.arrivalPlatform) continue;
        t.arrivalPlatform = t.departurePlatform = wrong;
        ++made;
    }
}

}  // namespace

TimetableContent stationDay() {
    TimetableContent c;
    c.version = 2;
    c.stationPicture = "Dzien";
    c.startTime = "430";
    // Document texts are Windows-1250, as the file holds them.
    c.authorInfo =
        utf8ToWindows1250("Typowy dzień stacji o sześciu peronach, pierwsza wersja rozkładu.");
    c.stationNames = {"Stacja", "Wschodnia", "Zachodnia", "Miasto", utf8ToWindows1250("Wzgórza"),
                      "Port"};
    c.trainNames = {"Poranny", "Wieczorny"};
    c.depotNames = {"Lokomotywownia"};
    c.locomotiveTypes = {{"EL1", utf8ToWindows1250("Elektrowóz"), "3", "1"},
                         {"SP1", utf8ToWindows1250("Spalinowóz"), "4", "2"}};
    c.locomotiveTypeCount = static_cast<int32_t>(c.locomotiveTypes.size());
    c.coaches = {"Wagon1"};
    DayBuilder day(c);
    planDay(day);
    std::mt19937 random(2026);
    addDraftMistakes(c, random, 36);
    return c;
}

}  // namespace rylmo::bench
