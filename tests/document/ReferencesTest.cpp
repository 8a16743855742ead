#include <gtest/gtest.h>

#include "document/PolishCount.h"
#include "document/References.h"

using namespace rylmo;

namespace {

// Two types (vehicles 1, 2), two coaches (vehicles 3, 4), three compositions, three
// probability entries.
TimetableContent referringContent() {
    TimetableContent c;
    c.locomotiveTypes = {{"A", "A", "3", "1"}, {"B", "B", "2", "1"}};
    c.locomotiveTypeCount = 2;
    c.coaches = {"W1", "W2"};
    c.compositions = {"1,2,", "2,3,1,1,0,", "1,4,0,", "x,"};
    c.probabilities = {"100,0,", "50,50,", "0,100,"};
    Train shows1;
    shows1.symbolVehicle = 1;
    Train runsAs2;
    runsAs2.symbolVehicle = 2;
    runsAs2.symbolUnit = 2;
    runsAs2.composition = 2;
    Train showsCoach;
    showsCoach.symbolVehicle = 3;
    showsCoach.composition = 2;
    c.trains = {shows1, runsAs2, showsCoach, Train{}};
    c.depot = {{1, 1, 0, 0, 0, 0}, {1, 2, 0, 0, 0, 0}, {2, 1, 0, 0, 0, 0}};
    c.passages = {{1, 0, 0, 1, 2}, {2, 0, 0, 1, 2}, {1, 0, 1, 2, 0}};
    return c;
}

}  // namespace

TEST(ReferencesTest, CountsEveryKindOfReference) {
    const TimetableContent c = referringContent();
    const References type1 = referencesToVehicle(c, 1);
    EXPECT_EQ(type1.trains, 1);
    EXPECT_EQ(type1.depotEntries, 2);
    EXPECT_EQ(type1.passages, 2);
    EXPECT_EQ(type1.compositions, 1);  // "2,3,1,1,0,"; "1,2," is one vehicle 2
    const References coach1 = referencesToVehicle(c, 3);
    EXPECT_EQ(coach1.trains, 1);
    EXPECT_EQ(coach1.compositions, 1);
    EXPECT_EQ(coach1.depotEntries + coach1.passages, 0);
    EXPECT_FALSE(referencesToVehicle(c, 7).any());

    EXPECT_EQ(referencesToComposition(c, 2).trains, 2);
    EXPECT_EQ(referencesToComposition(c, 0).trains, 0);  // 0 means "no composition"
    EXPECT_EQ(referencesToProbabilityEntry(c, 1).passages, 2);
    EXPECT_EQ(referencesToProbabilityEntry(c, 0).passages, 0);  // 0 means "no table"
}

TEST(ReferencesTest, WarningUsesPolishPluralForms) {
    EXPECT_EQ(referenceWarning({}), "");
    EXPECT_EQ(
        referenceWarning({3, 0, 2, 1}),
        "Odwołania do tej pozycji: 3 pociągi, 2 przejścia, 1 skład. Numery w nich (i odwołania do "
        "dalszych pozycji) nie zmienią się, więc wskażą inne pozycje listy.");
    // One form for 1, "few" for 2–4 and 22–24 (not 12–14), "many" for the rest.
    const auto form = [](int64_t n) { return polishCount(n, "pozycja", "pozycje", "pozycji"); };
    EXPECT_EQ(form(1), "1 pozycja");
    for (int64_t n : {2, 3, 4, 22, 23, 24, 102, 124})
        EXPECT_EQ(form(n), std::to_string(n) + " pozycje") << n;
    for (int64_t n : {0, 5, 11, 12, 13, 14, 15, 21, 25, 111, 112, 121}) {
        EXPECT_EQ(form(n), std::to_string(n) + " pozycji") << n;
    }
}
