#include <gtest/gtest.h>

#include "TestFiles.h"
#include "document/CompositionText.h"
#include "document/Error.h"
#include "document/FileStem.h"
#include "document/ProbabilityText.h"
#include "document/RollingStock.h"
#include "document/TimeText.h"
#include "document/TrainCategories.h"

using namespace rylmo;
using Row = std::vector<int32_t>;

TEST(CompositionText, RunsAreMergedOnlyWhenAdjacent) {
    EXPECT_EQ(compositionText({3, 3, 5}), "2,3,1,5,0,");
    EXPECT_EQ(compositionText({1, 2, 1}), "1,1,1,2,1,1,0,");
    EXPECT_EQ(compositionText({}), "0,");
    EXPECT_EQ(readComposition("1,1,1,2,1,1,0,"), (Row{1, 2, 1}));
}

TEST(CompositionText, ReadingToleratesBlanksAndOddEndings) {
    EXPECT_EQ(readComposition("2,3,1,5,0,"), (Row{3, 3, 5}));
    EXPECT_EQ(readComposition("2, 3, 1,5,0,"), (Row{3, 3, 5}));
    EXPECT_EQ(readComposition("2,3,1,5"), (Row{3, 3, 5}));  // no terminator
    EXPECT_EQ(readComposition("2,3,4,"), (Row{3, 3}));      // count without vehicle
    EXPECT_EQ(readComposition("0,2,3,"), Row{});            // terminator first
    EXPECT_EQ(readComposition("-1,3,1,5,0,"), (Row{5}));    // count below 1
    EXPECT_EQ(readComposition("2,3,0,1,5,"), (Row{3, 3}));  // nothing after "0"
    EXPECT_EQ(readComposition(""), Row{});
    EXPECT_THROW(readComposition("2,x,0,"), Error);
}

TEST(CompositionText, AHostileRunLengthCannotExhaustMemory) {
    EXPECT_THROW(readComposition("2000000000,3,0,"), Error);
    EXPECT_THROW(readComposition("9000,3,9000,4,0,"), Error);
    EXPECT_EQ(readComposition("10000,3,0,").size(), maxCompositionVehicles);
}

TEST(ProbabilityText, ReadsValuesSeparatedByCommasOrBlanks) {
    EXPECT_EQ(readProbabilityEntry("50,30,20,"), (Row{50, 30, 20}));
    EXPECT_EQ(readProbabilityEntry(" 50 30, 20"), (Row{50, 30, 20}));
    EXPECT_EQ(readProbabilityEntry(""), Row{});
    EXPECT_THROW(readProbabilityEntry("50,,50,"), Error);
    EXPECT_THROW(readProbabilityEntry("50,a,"), Error);
    EXPECT_EQ(probabilityEntryText({100}), "100,");
    EXPECT_EQ(probabilityEntryText({0, 100, 0}), "0,100,0,");
}

TEST(TimeText, HourWithoutZeroMinuteWithTwoDigits) {
    EXPECT_EQ(timeText(705), "Godz: 7:05");
    EXPECT_EQ(timeText(1330), "Godz: 13:30");
    EXPECT_EQ(timeText(0), "Godz: 0:00");
    EXPECT_TRUE(isValidTime(2359));
    EXPECT_FALSE(isValidTime(2400));
    EXPECT_FALSE(isValidTime(1260));
    EXPECT_FALSE(isValidTime(-1));
}

TEST(FileStem, DropsFolderExtensionAndBlanks) {
    EXPECT_EQ(fileStem("C:\\Gra\\Tabor\\EU07.bmp"), "EU07");
    EXPECT_EQ(fileStem("/home/a/b.c/ SM42 .old.bmp"), "SM42");
    EXPECT_EQ(fileStem("Wola"), "Wola");
    EXPECT_EQ(fileStem(".bmp"), "");
}

TEST(RollingStock, TypesComeFirstThenCoaches) {
    TimetableContent c = test::workedExample();
    c.locomotiveTypes.push_back({"lok2", "Druga", "4", "0"});
    c.locomotiveTypeCount = 2;
    EXPECT_EQ(vehicleName(c, 1), "lok1");
    EXPECT_EQ(vehicleName(c, 2), "lok2");
    EXPECT_EQ(vehicleName(c, 3), "wagon1");
    EXPECT_EQ(coachVehicleNumber(c, 0), 3);
    for (int32_t nothing : {0, -1, 4, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(vehicleName(c, nothing), "") << nothing;
        EXPECT_FALSE(isVehicleNumber(c, nothing)) << nothing;
    }
    // A count larger than the list (from a file) names nothing beyond the list.
    c.locomotiveTypeCount = 5;
    EXPECT_EQ(vehicleName(c, 4), "");
    EXPECT_EQ(vehicleName(c, 6), "wagon1");
}

// A code the table does not hold is named by its number, not taken for another category.
TEST(TrainCategories, AnUnknownCodeIsNamedByItsNumber) {
    Train train;
    train.arrivalCategory = 7;
    EXPECT_EQ(categoryName(train, 14), "nieznany (7)");
}

TEST(DisplayMessage, AddsAFullStopAfterLettersAndDigitsOnly) {
    EXPECT_EQ(displayMessage("niemozliwe otwarcie pliku"), "niemozliwe otwarcie pliku.");
    EXPECT_EQ(displayMessage("Gotowe."), "Gotowe.");
    EXPECT_EQ(displayMessage("(koniec)"), "(koniec)");
    EXPECT_EQ(displayMessage("Pytanie?"), "Pytanie?.");  // "?" sorts after "."
    EXPECT_EQ(displayMessage("łódź"), "łódź.");
    EXPECT_EQ(displayMessage(""), "");
}
