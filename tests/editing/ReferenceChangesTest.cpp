#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <variant>

#include "document/CompositionText.h"
#include "document/EntryLists.h"
#include "document/ProbabilityText.h"
#include "document/ReferenceChanges.h"
#include "document/Tokens.h"
#include "editing/EditingSession.h"

using namespace rylmo;

namespace {

// The content after deleting rows of list, as the editing session deletes them with every
// other reference kept on its entry (the session's own order of steps, so that this test
// cannot drift from it); the changes' effects in effects.
TimetableContent deleting(const TimetableContent& c, Section list, std::vector<int> rows,
                          ReferenceEffects* effects = nullptr) {
    editing::EditingSession session;
    session.open(c, "/tmp/", "a.roz");
    session.setKeepsReferences(true);
    const ReferenceChanges changes = session.deletionChanges(list, rows);
    if (effects) *effects = changes.effects;
    session.deleteEntries(list, std::move(rows), changes, QStringLiteral("usunięcie"));
    return session.content();
}

Train coupledTo(int train, int coach) {
    Train t;
    t.coupledWith = train * 10 + coach;
    return t;
}

}  // namespace

TEST(ReferenceChangesTest, TrainsKeepTheirCouplingsAndPassages) {
    TimetableContent c;
    c.trains = {coupledTo(3, 2), Train{}, coupledTo(1, 9), coupledTo(0, 1), coupledTo(7, 1)};
    c.trains[1].toBeCoupledWith = 40;  // a code without a coach names no train
    c.passages = {{1, 0, -3, 4, 0},
                  {1, 0, 1, 2, 0},
                  {1, 0, -2, 0, 0},
                  {1, 0, 4, 0, 0},
                  {1, 0, INT32_MIN, 3, 0}};
    ReferenceEffects e;
    const TimetableContent after = deleting(c, Section::trains, {1}, &e);
    ASSERT_EQ(after.trains.size(), 4u);
    EXPECT_EQ(after.trains[0].coupledWith, 22);  // train 3 is now train 2
    EXPECT_EQ(after.trains[1].coupledWith, 0);   // coupled with the deleted train
    EXPECT_EQ(after.trains[2].coupledWith, 1);   // train 0 stays
    EXPECT_EQ(after.trains[3].coupledWith, 71);  // names no train: left as it is
    ASSERT_EQ(after.passages.size(), 4u);        // the passage of train 1 goes
    EXPECT_EQ(after.passages[0], (LocomotivePassage{1, 0, -2, 3, 0}));
    EXPECT_EQ(after.passages[1], (LocomotivePassage{1, 0, -1, 0, 0}));
    EXPECT_EQ(after.passages[2], (LocomotivePassage{1, 0, 3, 0, 0}));
    EXPECT_EQ(after.passages[3], (LocomotivePassage{1, 0, INT32_MIN, 2, 0}));
    EXPECT_EQ(e.passagesRemoved, 1);
    EXPECT_EQ(e.couplingsCleared, 1);
    EXPECT_EQ(referenceNotice(e, Section::trains, 1),
              "Usunięte zostanie też 1 przejście lokomotywy; 1 sprzęg zostanie rozłączony; "
              "odwołania do dalszych pociągów zostaną poprawione.");

    // A locomotive from the depot whose train becomes train 0 cannot keep its mark: -0 is 0.
    c.passages = {{1, 0, -1, 2, 0}};
    const TimetableContent first = deleting(c, Section::trains, {0}, &e);
    EXPECT_EQ(first.passages.at(0).arrivingTrain, 0);
    EXPECT_EQ(e.depotMarksLost, 1);
    // Deleting the last train renumbers nothing.
    EXPECT_EQ(deleting(c, Section::trains, {4}, &e).trains[0].coupledWith, 32);
    EXPECT_FALSE(e.any());
}

TEST(ReferenceChangesTest, VehiclesFollowInCompositionsTrainsDepotPassagesAndProbabilities) {
    TimetableContent c;
    c.locomotiveTypes = {{"A", "A", "3", "1"}, {"B", "B", "1", "1"}, {"C", "C", "4", "1"}};
    c.locomotiveTypeCount = 3;
    c.coaches = {"W1", "W2"};  // vehicles 4 and 5
    // Runs kept as written, hexadecimal and blanks included; the run of the deleted type goes.
    c.compositions = {"", "2,3, 1,$5,1,2,0,", "1,2,0,7,", "x,2,", "3,4,"};
    c.probabilities = {"10,20,70,", "10 20 70", "50,50,", "0"};
    Train t;
    t.symbolUnit = 2;
    t.symbolVehicle = 0;
    Train u;
    u.symbolVehicle = 5;
    c.trains = {t, u};
    c.depot = {{2, 1, 0, 0, 0, 0}, {3, 4, 0, 0, 0, 0}, {9, 1, 0, 0, 0, 0}};
    c.passages = {{2, 0, 0, 1, 0}, {3, 0, 0, 1, 0}};
    ReferenceEffects e;
    const TimetableContent after = deleting(c, Section::locomotiveTypes, {1}, &e);
    EXPECT_EQ(after.compositions,
              (std::vector<std::string>{"", "2,2, 1,4,0,", "0,7,", "x,2,", "3,3,"}));
    EXPECT_EQ(after.probabilities, (std::vector<std::string>{"10,70,", "10 70", "50,", "0"}));
    EXPECT_EQ(after.trains[0].symbolUnit, 0);
    EXPECT_EQ(after.trains[1].symbolVehicle, 4);
    ASSERT_EQ(after.depot.size(), 2u);
    EXPECT_EQ(after.depot[0].locomotiveType, 2);
    EXPECT_EQ(after.depot[1].locomotiveType, 9);  // names no type: left as it is
    EXPECT_EQ(after.passages[0].locomotiveType, -1);
    EXPECT_EQ(after.passages[1].locomotiveType, 2);
    EXPECT_EQ(after.locomotiveTypeCount, 2);
    EXPECT_EQ(e.depotEntriesRemoved, 1);
    EXPECT_EQ(e.probabilityValuesRemoved, 3);
    EXPECT_EQ(e.compositionsThinned, 2);
    EXPECT_EQ(referenceNotice(e, Section::locomotiveTypes, 1),
              "Usunięte zostaną też 1 wpis lokomotywowni i 3 wartości w tablicy "
              "prawdopodobieństwa; 1 pociąg straci pojazd symbolizujący; 2 składy stracą "
              "usunięty pojazd; 1 odwołanie do usuniętej pozycji zostanie oznaczone jako błędne "
              "(pokaże je lista problemów); odwołania do dalszych lokomotyw i wagonów zostaną "
              "poprawione.");

    // A coach: only the numbers after it move; types and their probabilities stay.
    const TimetableContent noCoach = deleting(c, Section::coaches, {0}, &e);
    EXPECT_EQ(noCoach.trains[1].symbolVehicle, 4);
    EXPECT_EQ(noCoach.compositions[1], "2,3, 1,4,1,2,0,");  // vehicle 5 is coach 2: now 4
    EXPECT_EQ(noCoach.probabilities, c.probabilities);
    EXPECT_EQ(noCoach.compositions[4], "");  // three of the deleted coach, nothing left
    EXPECT_EQ(e.compositionsThinned, 1);
}

// Composition 0 cannot be named: a train whose composition moves there loses it.
TEST(ReferenceChangesTest, ACompositionMovedToTheFirstPlaceIsLost) {
    TimetableContent c;
    c.compositions = {"a", "b", "c"};
    Train shows1;
    shows1.composition = 1;
    Train shows2;
    shows2.composition = 2;
    c.trains = {shows1, shows2, Train{}};
    ReferenceEffects e;
    const TimetableContent after = deleting(c, Section::compositions, {0}, &e);
    EXPECT_EQ(after.trains[0].composition, 0);
    EXPECT_EQ(after.trains[1].composition, 1);
    EXPECT_EQ(after.trains[2].composition, 0);
    EXPECT_EQ(referenceNotice(e, Section::compositions, 1),
              "1 pociąg straci skład wagonów; odwołania do dalszych składów zostaną poprawione.");
}

TEST(ReferenceChangesTest, NoticeCountsWithPolishForms) {
    ReferenceEffects e;
    EXPECT_EQ(referenceNotice(e, Section::trains, 1), "");
    e.passagesRemoved = 3;
    e.couplingsCleared = 1;
    e.renumbered = 7;
    EXPECT_EQ(referenceNotice(e, Section::trains, 1),
              "Usunięte zostaną też 3 przejścia lokomotyw; 1 sprzęg zostanie rozłączony; "
              "odwołania do dalszych pociągów zostaną poprawione.");
    e.passagesRemoved = 5;
    e.couplingsCleared = 12;
    EXPECT_EQ(referenceNotice(e, Section::trains, 2),
              "Usuniętych zostanie też 5 przejść lokomotyw; 12 sprzęgów zostanie rozłączonych; "
              "odwołania do dalszych pociągów zostaną poprawione.");
    e.passagesRemoved = 22;
    e.couplingsCleared = 2;
    e.renumbered = 0;
    EXPECT_EQ(referenceNotice(e, Section::trains, 2),
              "Usunięte zostaną też 22 przejścia lokomotyw; 2 sprzęgi zostaną rozłączone.");
    ReferenceEffects shiftedOnly;
    shiftedOnly.renumbered = 1;
    EXPECT_EQ(referenceNotice(shiftedOnly, Section::coaches, 1),
              "Odwołania do dalszych wagonów zostaną poprawione.");
}

namespace {

// A random timetable whose every entry carries a tag: trains their arrival number, types,
// coaches and names their texts; compositions, probability entries, depot entries and
// passages are known by their order. References point anywhere, a little outside the lists
// too.
struct Tagged {
    TimetableContent content;
    std::vector<std::string> compositionTags;
    std::vector<std::string> probabilityTags;
};

Tagged randomTagged(std::mt19937& random) {
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Tagged t;
    TimetableContent& c = t.content;
    for (int i = pick(0, 5); i > 0; --i) {
        const std::string name = std::string("T").append(std::to_string(c.locomotiveTypes.size()));
        c.locomotiveTypes.emplace_back(name, name, "3", "1");
    }
    c.locomotiveTypeCount = static_cast<int32_t>(c.locomotiveTypes.size());
    for (int i = pick(0, 5); i > 0; --i)
        c.coaches.push_back(std::string("C").append(std::to_string(c.coaches.size())));
    for (auto* names : {&c.depotNames, &c.stationNames, &c.trainNames}) {
        for (int i = pick(0, 4); i > 0; --i)
            names->push_back(std::string("N").append(std::to_string(names->size())));
    }
    const int types = c.locomotiveTypeCount;
    const int vehicles = types + static_cast<int>(c.coaches.size());
    for (int i = pick(0, 5); i > 0; --i) {
        std::string text;
        for (int runs = pick(0, 4); runs > 0; --runs)
            text += std::to_string(pick(1, 3)) + "," + std::to_string(pick(1, vehicles + 1)) + ",";
        text += "0,";
        t.compositionTags.push_back(std::to_string(t.compositionTags.size()));
        c.compositions.push_back(text);
    }
    for (int i = pick(0, 4); i > 0; --i) {
        std::string text;
        for (int k = 0, n = pick(0, types + 1); k < n; ++k)
            text += std::to_string(i * 100 + k) + ",";
        t.probabilityTags.push_back(std::to_string(t.probabilityTags.size()));
        c.probabilities.push_back(text);
    }
    const int trains = pick(0, 10);
    const int depots = static_cast<int>(c.depotNames.size());
    for (int i = 0; i < trains; ++i) {
        Train train;
        train.arrivalNumber = 1000 + i;
        train.originStation = pick(-1, static_cast<int>(c.stationNames.size()));
        train.destinationStation = pick(-1, static_cast<int>(c.stationNames.size()));
        train.symbolUnit = pick(0, 2) == 0 ? 0 : pick(0, types + 1);
        train.unitDepot = pick(-1, depots);
        train.symbolVehicle = pick(0, vehicles + 1);
        train.composition = pick(0, static_cast<int>(c.compositions.size()));
        train.arrivalTrainName = pick(0, static_cast<int>(c.trainNames.size()) + 1);
        train.departureTrainName = pick(0, static_cast<int>(c.trainNames.size()) + 1);
        train.coupledWith = pick(0, 1) ? 0 : pick(0, trains) * 10 + pick(0, 9);
        train.toBeCoupledWith = pick(0, 1) ? 0 : pick(0, trains) * 10 + pick(1, 9);
        c.trains.push_back(train);
    }
    for (int i = pick(0, 6); i > 0; --i)
        c.depot.push_back({pick(0, types + 1), pick(1, 99), pick(-1, depots), 0, 0, 0});
    for (int i = pick(0, 8); i > 0; --i) {
        c.passages.push_back({pick(0, types + 1), pick(-1, depots), pick(-trains, trains),
                              pick(0, trains),
                              pick(0, static_cast<int>(c.probabilities.size()) + 1)});
    }
    return t;
}

// What a reference names: the tag of its entry, or its own value when it names none.
using Target = std::variant<std::string, int64_t>;

Target resolve(int64_t value, const std::vector<std::string>& tags, int base) {
    const int64_t at = value - base;
    if (at >= 0 && at < static_cast<int64_t>(tags.size()))
        return tags[static_cast<std::size_t>(at)];
    return value;
}

bool survives(const Target& target, const std::vector<std::string>& after) {
    const auto* tag = std::get_if<std::string>(&target);
    return tag && std::find(after.begin(), after.end(), *tag) != after.end();
}

// A reference after the deletion names the entry it named, or takes gone when that entry was
// deleted; a value that named nothing stays.
void expectFollowed(int64_t before, int64_t after, const std::vector<std::string>& tagsBefore,
                    const std::vector<std::string>& tagsAfter, int base, int64_t goneValue,
                    const char* field) {
    const Target target = resolve(before, tagsBefore, base);
    if (std::holds_alternative<int64_t>(target)) {
        EXPECT_EQ(after, before) << field;
    } else if (survives(target, tagsAfter)) {
        EXPECT_EQ(resolve(after, tagsAfter, base), target) << field;
    } else {
        EXPECT_EQ(after, goneValue) << field;
    }
}

std::vector<std::string> without(std::vector<std::string> tags, const std::vector<int>& rows) {
    std::vector<int> sorted = rows;
    std::sort(sorted.rbegin(), sorted.rend());
    for (int row : sorted) tags.erase(tags.begin() + row);
    return tags;
}

std::vector<std::string> textsOf(const std::vector<LocomotiveType>& types) {
    std::vector<std::string> names;
    for (const LocomotiveType& type : types) names.emplace_back(type.pictureName());
    return names;
}

std::vector<std::string> trainTags(const std::vector<Train>& trains) {
    std::vector<std::string> tags;
    for (const Train& t : trains) tags.push_back(std::to_string(t.arrivalNumber));
    return tags;
}

std::vector<int32_t> numbersOf(const std::string& text) {
    std::vector<int32_t> numbers;
    TokenScanner scanner(text);
    while (!scanner.atEnd()) {
        const std::string_view token = scanner.take(',');
        if (token == "0") break;
        numbers.push_back(parseInteger(token));
    }
    return numbers;
}

}  // namespace

// Deletes random sets from every list of random timetables and checks every reference by
// the tag of the entry it names.
TEST(ReferenceChangesTest, EveryReferenceKeepsNamingTheSameTaggedEntry) {
    std::mt19937 random(26);
    const Section lists[] = {Section::trains,       Section::locomotiveTypes, Section::coaches,
                             Section::compositions, Section::probabilities,   Section::depotNames,
                             Section::stationNames, Section::trainNames};
    for (int round = 0; round < 3000; ++round) {
        const Tagged tagged = randomTagged(random);
        const TimetableContent& c = tagged.content;
        const Section list = lists[round % 8];
        // Tags of each list before and after.
        std::vector<std::string> trains = trainTags(c.trains);
        std::vector<std::string> types = textsOf(c.locomotiveTypes);
        std::vector<std::string> coaches = c.coaches;
        std::vector<std::string> compositions = tagged.compositionTags;
        std::vector<std::string> probabilities = tagged.probabilityTags;
        std::vector<std::string> depots = c.depotNames;
        std::vector<std::string> stations = c.stationNames;
        std::vector<std::string> names = c.trainNames;
        std::vector<std::string>* deletedFrom[] = {
            &trains, &types, &coaches, &compositions, &probabilities, &depots, &stations, &names};
        std::vector<std::string>& target = *deletedFrom[round % 8];
        std::vector<int> rows;
        for (int i = 0; i < static_cast<int>(target.size()); ++i)
            if (std::uniform_int_distribution<int>(0, 2)(random) == 0) rows.push_back(i);
        std::shuffle(rows.begin(), rows.end(), random);
        const std::vector<std::string> before = target;
        const TimetableContent after = deleting(c, list, rows);
        target = without(before, rows);
        const std::vector<std::string>& trainsAfter = trains;
        const std::vector<std::string> trainsBefore = trainTags(c.trains);
        auto tagsBefore = [&](std::vector<std::string>& now) {
            return &now == &target ? before : now;
        };
        const auto typesBefore = tagsBefore(types);
        const auto coachesBefore = tagsBefore(coaches);
        std::vector<std::string> vehiclesBefore = typesBefore;
        vehiclesBefore.insert(vehiclesBefore.end(), coachesBefore.begin(), coachesBefore.end());
        std::vector<std::string> vehiclesAfter = types;
        vehiclesAfter.insert(vehiclesAfter.end(), coaches.begin(), coaches.end());
        const auto compositionsBefore = tagsBefore(compositions);
        const auto depotsBefore = tagsBefore(depots);
        SCOPED_TRACE("round " + std::to_string(round));

        ASSERT_EQ(trainTags(after.trains), trainsAfter);
        ASSERT_EQ(textsOf(after.locomotiveTypes), types);
        ASSERT_EQ(after.coaches, coaches);
        for (std::size_t i = 0; i < after.trains.size(); ++i) {
            const Train& was = c.trains[static_cast<std::size_t>(
                std::find(trainsBefore.begin(), trainsBefore.end(), trainsAfter[i]) -
                trainsBefore.begin())];
            const Train& now = after.trains[i];
            expectFollowed(was.originStation, now.originStation, tagsBefore(stations), stations, 0,
                           -1, "originStation");
            expectFollowed(was.destinationStation, now.destinationStation, tagsBefore(stations),
                           stations, 0, -1, "destinationStation");
            expectFollowed(was.symbolUnit, now.symbolUnit, typesBefore, types, 1, 0, "symbolUnit");
            if (was.symbolUnit != 0) {
                expectFollowed(was.unitDepot, now.unitDepot, depotsBefore, depots, 0, -1,
                               "unitDepot");
            } else {
                EXPECT_EQ(now.unitDepot, was.unitDepot);
            }
            expectFollowed(was.symbolVehicle, now.symbolVehicle, vehiclesBefore, vehiclesAfter, 1,
                           0, "symbolVehicle");
            // Composition 0 cannot be named: one that moves there is lost too.
            const Target composition = resolve(was.composition, compositionsBefore, 0);
            if (was.composition == 0) {
                EXPECT_EQ(now.composition, 0);
            } else if (survives(composition, compositions) &&
                       compositions.front() == std::get<std::string>(composition)) {
                EXPECT_EQ(now.composition, 0);
            } else {
                expectFollowed(was.composition, now.composition, compositionsBefore, compositions,
                               0, 0, "composition");
            }
            expectFollowed(was.arrivalTrainName, now.arrivalTrainName, tagsBefore(names), names, 1,
                           0, "arrivalTrainName");
            expectFollowed(was.departureTrainName, now.departureTrainName, tagsBefore(names), names,
                           1, 0, "departureTrainName");
            for (auto field : {&Train::coupledWith, &Train::toBeCoupledWith}) {
                const int32_t code = was.*field;
                if (code > 0 && code % 10 != 0) {
                    expectFollowed(code / 10, (now.*field) / 10, trainsBefore, trainsAfter, 0, 0,
                                   "coupling");
                    if (now.*field != 0) {
                        EXPECT_EQ((now.*field) % 10, code % 10);
                    }
                } else {
                    EXPECT_EQ(now.*field, code);
                }
            }
        }
        // Depot entries go with their type; passages with either train.
        std::vector<DepotEntry> depotLeft;
        for (const DepotEntry& d : c.depot) {
            const Target type = resolve(d.locomotiveType, typesBefore, 1);
            if (std::holds_alternative<int64_t>(type) || survives(type, types))
                depotLeft.push_back(d);
        }
        ASSERT_EQ(after.depot.size(), depotLeft.size());
        for (std::size_t i = 0; i < depotLeft.size(); ++i) {
            expectFollowed(depotLeft[i].locomotiveType, after.depot[i].locomotiveType, typesBefore,
                           types, 1, 0, "depot type");
            expectFollowed(depotLeft[i].depot, after.depot[i].depot, depotsBefore, depots, 0, -1,
                           "depot");
            EXPECT_EQ(after.depot[i].count, depotLeft[i].count);
        }
        std::vector<LocomotivePassage> passagesLeft;
        for (const LocomotivePassage& p : c.passages) {
            const Target arriving = resolve(std::llabs(p.arrivingTrain), trainsBefore, 0);
            const Target departing = resolve(p.departingTrain, trainsBefore, 0);
            const bool gone =
                (!std::holds_alternative<int64_t>(arriving) && !survives(arriving, trainsAfter)) ||
                (!std::holds_alternative<int64_t>(departing) && !survives(departing, trainsAfter));
            if (!gone) passagesLeft.push_back(p);
        }
        ASSERT_EQ(after.passages.size(), passagesLeft.size());
        for (std::size_t i = 0; i < passagesLeft.size(); ++i) {
            const LocomotivePassage& was = passagesLeft[i];
            const LocomotivePassage& now = after.passages[i];
            expectFollowed(std::llabs(was.arrivingTrain), std::llabs(now.arrivingTrain),
                           trainsBefore, trainsAfter, 0, 0, "arrivingTrain");
            if (now.arrivingTrain != 0) {
                EXPECT_EQ(now.arrivingTrain < 0, was.arrivingTrain < 0);
            }
            expectFollowed(was.departingTrain, now.departingTrain, trainsBefore, trainsAfter, 0, 0,
                           "departingTrain");
            expectFollowed(was.locomotiveType, now.locomotiveType, typesBefore, types, 1, -1,
                           "passage type");
            expectFollowed(was.depot, now.depot, depotsBefore, depots, 0, -1, "passage depot");
            expectFollowed(was.probabilityIndex, now.probabilityIndex, tagsBefore(probabilities),
                           probabilities, 1, 0, "probabilityIndex");
        }
        // Compositions keep their runs, less the runs of deleted vehicles.
        ASSERT_EQ(after.compositions.size(), compositions.size());
        for (std::size_t i = 0; i < compositions.size(); ++i) {
            const auto wasAt = std::stoul(compositions[i]);
            const std::vector<int32_t> was = numbersOf(c.compositions[wasAt]);
            std::vector<int32_t> expected;
            for (std::size_t k = 0; k + 1 < was.size(); k += 2) {
                const Target vehicle = resolve(was[k + 1], vehiclesBefore, 1);
                if (std::holds_alternative<int64_t>(vehicle)) {
                    expected.insert(expected.end(), {was[k], was[k + 1]});
                } else if (survives(vehicle, vehiclesAfter)) {
                    const auto at = std::find(vehiclesAfter.begin(), vehiclesAfter.end(),
                                              std::get<std::string>(vehicle)) -
                                    vehiclesAfter.begin();
                    expected.insert(expected.end(), {was[k], static_cast<int32_t>(at + 1)});
                }
            }
            EXPECT_EQ(numbersOf(after.compositions[i]), expected) << c.compositions[wasAt];
        }
        // Probability entries lose the values of deleted types only.
        ASSERT_EQ(after.probabilities.size(), probabilities.size());
        for (std::size_t i = 0; i < probabilities.size(); ++i) {
            const std::vector<int32_t> was =
                readProbabilityEntry(c.probabilities[std::stoul(probabilities[i])]);
            std::vector<int32_t> expected;
            for (std::size_t k = 0; k < was.size(); ++k) {
                if (k >= typesBefore.size() || survives(typesBefore[k], types))
                    expected.push_back(was[k]);
            }
            EXPECT_EQ(readProbabilityEntry(after.probabilities[i]), expected);
        }
    }
}
