#include <gtest/gtest.h>

#include "TestFiles.h"
#include "document/ConsistencyCheck.h"
#include "document/Occupancy.h"
#include "document/RozReader.h"
#include "document/TimeText.h"
#include "document/TimetableSheets.h"

using namespace rylmo;

namespace {

// The member a typed field stands for, so that expectations read as the record does.
std::string memberName(const Problem& p) {
    const auto position = static_cast<std::size_t>(p.field);
    if (position == 0) return "";
    switch (p.section) {
        case Section::trains:
            return RecordLayout<Train>::names[position - 1];
        case Section::depot:
            return RecordLayout<DepotEntry>::names[position - 1];
        case Section::passages:
            return RecordLayout<LocomotivePassage>::names[position - 1];
        default:
            break;
    }
    const char* const general[] = {"stationPicture", "startTime", "authorInfo",
                                   "locomotiveTypeCount"};
    if (position > 100) return general[position - 101];
    const char* const words[] = {"pictureName", "typeName", "kind", "hierarchy"};
    return words[position - 1];
}

// Problems of a changed worked example, as "section|0-based entry|field" keys ("-" for a
// section as a whole).
std::vector<std::string> problemsAfter(auto change) {
    TimetableContent c = test::workedExample();
    change(c);
    std::vector<std::string> keys;
    for (const Problem& p : checkTimetable(c)) {
        const std::string entry = p.entry == Problem::wholeSection ? "-" : std::to_string(p.entry);
        keys.push_back(std::string(sectionTitle(p.section)) + "|" + entry + "|" + memberName(p));
    }
    return keys;
}

using Keys = std::vector<std::string>;

}  // namespace

TEST(ConsistencyCheck, SoundTimetablesHaveNoProblems) {
    EXPECT_TRUE(checkTimetable(test::workedExample()).empty());
    EXPECT_TRUE(checkTimetable(readTimetableFile(test::dataPath("version1.roz"))).empty());
    EXPECT_TRUE(checkTimetable(readTimetableFile(RYLMO_SAMPLE_STATION)).empty());
}

TEST(ConsistencyCheck, TrainsOnOnePlatformAtOnceAreNamedByNumberAndTime) {
    TimetableContent c = readTimetableFile(RYLMO_SAMPLE_STATION);
    c.trains[6].departurePlatform = 1;  // stands on platform 1 from 7:00, as train 0 passes
    const std::vector<Problem> problems = checkTimetable(c);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].entry, 0u);
    EXPECT_EQ(describe(problems[0]),
              "Perony: peron 1: pociąg 4512 (7:05–7:12) i pociąg 8877 "
              "(7:00–12:15) zajmują go jednocześnie");
    EXPECT_EQ(problems[0].otherEntry, 6u);
    // Both trains carry the mark, the others none; so they do when the list is full.
    for (std::size_t limit : {10, 0}) {
        const CheckResult result = checkTimetable(c, limit);
        EXPECT_EQ(result.trainFindings, (std::vector<uint32_t>{1, 0, 0, 0, 0, 0, 1, 0}));
    }
}

TEST(ConsistencyCheck, TheSmallestUnitNumberIsOutOfTheListNotAnOverflow) {
    const TimetableContent c = readTimetableFile(test::dataPath("symbol-unit-minimum.roz"));
    ASSERT_EQ(c.trains.at(0).symbolUnit, INT32_MIN);
    const std::vector<Problem> problems = checkTimetable(c);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(describe(problems[0]),
              "Pociągi: pociąg nr 0, zespół trakcyjny: pozycja -2147483648 poza listą "
              "lokomotyw (1 pozycja)");
}

TEST(ConsistencyCheck, MessagesNameTheEntryAndTheField) {
    TimetableContent c = test::workedExample();
    c.trains[0].originStation = 7;
    const std::vector<Problem> problems = checkTimetable(c);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(describe(problems[0]),
              "Pociągi: pociąg nr 0, stacja początkowa: pozycja 7 poza listą stacji (1 pozycja)");
}

TEST(ConsistencyCheck, TrainReferencesAndRanges) {
    EXPECT_EQ(
        problemsAfter([](auto& c) {
            Train& t = c.trains[0];
            t.destinationStation = 1;
            t.arrivalTime = 2400;
            t.departureTime = 860;
            t.symbolVehicle = 3;
            t.composition = 1;
            t.arrivalTrainName = 1;
            t.arrivalCategory = 5;
            t.runType = 7;
            t.standCoordinate = -3157;
            t.reserved = 1;
        }),
        (Keys{"Pociągi|0|runType", "Pociągi|0|arrivalTime", "Pociągi|0|departureTime",
              "Pociągi|0|destinationStation", "Pociągi|0|arrivalCategory",
              "Pociągi|0|symbolVehicle", "Pociągi|0|composition", "Pociągi|0|arrivalTrainName",
              "Pociągi|0|standCoordinate", "Pociągi|0|reserved"}));
    // A self-propelled unit must be a type of kind 1 or 2, with a depot from the list.
    EXPECT_EQ(problemsAfter([](auto& c) {
                  c.trains[0].symbolUnit = 1;
                  c.trains[0].unitDepot = 1;
              }),
              (Keys{"Pociągi|0|symbolUnit", "Pociągi|0|unitDepot"}));
}

TEST(ConsistencyCheck, CouplingChainsMustLeadBack) {
    const auto coupled = [](std::vector<int32_t> coupling) {
        return problemsAfter([&](auto& c) {
            c.trains[0].arrivalPlatform = c.trains[0].departurePlatform =
                0;  // no platform to share
            c.trains.resize(coupling.size(), c.trains[0]);
            for (std::size_t i = 0; i < coupling.size(); ++i) c.trains[i].coupledWith = coupling[i];
        });
    };
    EXPECT_EQ(coupled({11, 2}), Keys{});                            // 0 -> 1 -> 0
    EXPECT_EQ(coupled({11, 22, 1}), Keys{});                        // 0 -> 1 -> 2 -> 0
    EXPECT_EQ(coupled({11, 11}), (Keys{"Pociągi|0|coupledWith"}));  // 0 -> 1 -> 1 ...
    EXPECT_EQ(coupled({10, 0}), (Keys{"Pociągi|0|coupledWith"}));   // coach number 0
    EXPECT_EQ(coupled({51, 0}), (Keys{"Pociągi|0|coupledWith"}));   // train 5 does not exist
    EXPECT_EQ(coupled({11, 0}), (Keys{"Pociągi|0|coupledWith"}));   // 1 is not coupled back
    EXPECT_EQ(coupled({-11, 2}), (Keys{"Pociągi|0|coupledWith", "Pociągi|1|coupledWith"}));
}

TEST(ConsistencyCheck, DepotPassagesProbabilitiesCompositionsAndTypes) {
    EXPECT_EQ(problemsAfter([](auto& c) { c.depot[0] = {2, 100, 1, -5701, 10, 5701}; }),
              (Keys{"Lokomotywownia|0|locomotiveType", "Lokomotywownia|0|count",
                    "Lokomotywownia|0|depot", "Lokomotywownia|0|standCoordinate",
                    "Lokomotywownia|0|standPosition", "Lokomotywownia|0|standTrackNumber"}));
    EXPECT_EQ(problemsAfter([](auto& c) {
                  c.passages = {{1, 0, -0, 0, 1}, {-2, 1, -1, 1, 2}};
              }),
              (Keys{"Przejścia lokomotyw|1|locomotiveType", "Przejścia lokomotyw|1|depot",
                    "Przejścia lokomotyw|1|arrivingTrain", "Przejścia lokomotyw|1|departingTrain",
                    "Przejścia lokomotyw|1|probabilityIndex"}));
    EXPECT_EQ(problemsAfter([](auto& c) {
                  c.probabilities = {"100,", "60,", "50,50,", "101,", "x,"};
              }),
              (Keys{"Tablica prawdopodobieństwa|1|", "Tablica prawdopodobieństwa|2|",
                    "Tablica prawdopodobieństwa|3|", "Tablica prawdopodobieństwa|3|",
                    "Tablica prawdopodobieństwa|4|"}));
    EXPECT_EQ(problemsAfter([](auto& c) {
                  c.compositions = {"2,2,1,1,0,", "1,3,0,", "1,a,0,"};
              }),
              (Keys{"Skład pociągów|1|", "Skład pociągów|2|"}));
    EXPECT_EQ(problemsAfter([](auto& c) {
                  const LocomotiveType& t = c.locomotiveTypes[0];
                  c.locomotiveTypes[0] = {t.pictureName(), t.typeName(), "6", "10"};
              }),
              (Keys{"Lokomotywy|0|kind", "Lokomotywy|0|hierarchy"}));
    EXPECT_EQ(problemsAfter([](auto& c) {
                  c.locomotiveTypes.push_back({"lok2", "Druga", "4", "0"});
              }),
              (Keys{"Lokomotywy|-|locomotiveTypeCount"}));
}

TEST(ConsistencyCheck, GeneralDataAndUnsavableTexts) {
    EXPECT_EQ(problemsAfter([](auto& c) { c.startTime = "2460"; }),
              (Keys{"Dane ogólne|-|startTime"}));
    EXPECT_EQ(problemsAfter([](auto& c) {
                  c.stationNames.push_back("");
                  c.trainNames.push_back("a\nb");
              }),
              (Keys{"Stacje|1|", "Nazwy pociągów|0|"}));
}

// Every train field out of its range is reported under its own name, and only that field:
// a check that looks at the arrival twice and never at the departure shows here.
TEST(ConsistencyCheck, EachTrainFieldIsReportedUnderItsOwnName) {
    for (int position = 1; position <= RecordLayout<Train>::fieldCount; ++position) {
        const std::string name = RecordLayout<Train>::names[static_cast<std::size_t>(position - 1)];
        // The depot counts only for a unit; the couplings are checked as pairs elsewhere.
        if (name == "reserved" || name == "unitDepot" || name == "coupledWith" ||
            name == "toBeCoupledWith")
            continue;
        const Keys keys =
            problemsAfter([position](auto& c) { field(c.trains[0], position) = 99999999; });
        EXPECT_EQ(keys, Keys{"Pociągi|0|" + name}) << name;
    }
}

// The start time has one meaning for every reader: the check, the chart's day, the sheets'
// window and the general data window agree on each text, a time or none.
TEST(StartTime, EveryReaderGivesOneAnswer) {
    struct Case {
        const char* text;
        std::optional<int32_t> minutes;  // of the day; none: no time of day
        std::pair<int32_t, int32_t> shown;
    };
    const Case cases[] = {
        {"600", 360, {6, 0}},     {"0600", 360, {6, 0}},       {"0", 0, {0, 0}},
        {"2359", 1439, {23, 59}}, {"59", 59, {0, 59}},         {" 600", {}, {0, 0}},
        {"600 ", {}, {0, 0}},     {"$258", {}, {0, 0}},        {"+600", {}, {0, 0}},
        {"-0", {}, {0, 0}},       {"2400", {}, {23, 0}},       {"660", {}, {6, 59}},
        {"2575", {}, {23, 59}},   {"99999999999", {}, {0, 0}}, {"6:00", {}, {0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(dayStartMinutes(c.text), c.minutes);
        EXPECT_EQ(startTimeValue(c.text).has_value(), c.minutes.has_value());
        EXPECT_EQ(shownStartTime(c.text), c.shown);
        TimetableContent content = test::workedExample();
        content.startTime = c.text;
        const std::vector<std::string> found =
            problemsAfter([&](auto& t) { t.startTime = c.text; });
        EXPECT_EQ(found.empty(), c.minutes.has_value());
        const std::string from = minuteText(c.minutes.value_or(0));
        EXPECT_TRUE(timeWindowText(content, {}).starts_with(from + "–"))
            << timeWindowText(content, {});
    }
}
