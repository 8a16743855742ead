#include <gtest/gtest.h>

#include "PlatformTests.h"
#include "document/Codes.h"

using namespace rylmo;
using test::applied, test::ends, test::layoutOf, test::passes, test::starts, test::timetableOf;

TEST(StayMoves, aStayChangesTheSidesThatHeldItsPlatformOnly) {
    // One stay over both sides: both change; a departure side of 0 stays 0.
    Train both = withStayOnPlatform(test::train(passes, 700, 710).platforms(2, 2), true, 5);
    EXPECT_EQ(both.arrivalPlatform, 5);
    EXPECT_EQ(both.departurePlatform, 5);
    Train arrivalOnly = withStayOnPlatform(test::train(passes, 700, 710).platforms(2, 0), true, 5);
    EXPECT_EQ(arrivalOnly.arrivalPlatform, 5);
    EXPECT_EQ(arrivalOnly.departurePlatform, 0);
    Train starting = withStayOnPlatform(test::train(starts, 0, 710).platforms(0, 3), false, 1);
    EXPECT_EQ(starting.arrivalPlatform, 0);
    EXPECT_EQ(starting.departurePlatform, 1);
    // A train that changes platforms: each piece its own side.
    const Train changing = test::train(passes, 700, 740).platforms(2, 4);
    EXPECT_TRUE(changesPlatform(changing));
    EXPECT_EQ(withStayOnPlatform(changing, true, 6).arrivalPlatform, 6);
    EXPECT_EQ(withStayOnPlatform(changing, true, 6).departurePlatform, 4);
    EXPECT_EQ(withStayOnPlatform(changing, false, 6).arrivalPlatform, 2);
    EXPECT_EQ(withStayOnPlatform(changing, false, 6).departurePlatform, 6);
    // Ending and starting trains never change platforms, whatever their unused side says.
    EXPECT_FALSE(changesPlatform(test::train(ends, 700, 0).platforms(2, 4)));
}

TEST(StayMoves, aConsistMovesTogetherAndPlatformsOutsideOneToNineAreRefused) {
    // Trains 0 and 1 are one consist on platform 2; train 2 of the consist stands on 3.
    const TimetableContent content = timetableOf({
        test::train(passes, 700, 720).platforms(2, 2).couplings(couplingCode(1, 1), 0),
        test::train(passes, 705, 730).platforms(2, 2).couplings(couplingCode(2, 1), 0),
        test::train(passes, 700, 730).platforms(3, 3).couplings(couplingCode(0, 1), 0),
        test::train(passes, 700, 730).platforms(2, 2),
    });
    const PlatformLayout layout = layoutOf(content);
    const std::vector<TrainChange> moved = platformMove(content, layout, 0, 9);
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0].train, 0u);
    EXPECT_EQ(moved[1].train, 1u);
    EXPECT_EQ(moved[1].after.departurePlatform, 9);
    EXPECT_EQ(platformMove(content, layout, 0, 1).size(), 2u);
    EXPECT_TRUE(platformMove(content, layout, 0, 10).empty());
    EXPECT_TRUE(platformMove(content, layout, 0, 0).empty());
    EXPECT_TRUE(platformMove(content, layout, 0, 2).empty());  // where it is
    EXPECT_TRUE(platformMove(content, layout, layout.intervals().size(), 4).empty());
}

TEST(StayMoves, outcomeFindsConflictsToTheMinuteAndAroundMidnight) {
    const TimetableContent content = timetableOf({
        test::train(passes, 700, 710).platforms(1, 1).numbers(1, 1),
        test::train(passes, 710, 720).platforms(2, 2).numbers(2, 2),
        test::train(passes, 2350, 20).platforms(3, 3).numbers(3, 3),
        test::train(passes, 10, 15).platforms(4, 4).numbers(4, 4),
    });
    const PlatformLayout layout = layoutOf(content);
    const auto outcome = [&](std::size_t stay, int32_t platform) {
        return moveOutcome(content, layout, DwellTimes{},
                           platformMove(content, layout, stay, platform));
    };
    // Train 1 arrives the minute train 0 leaves: no conflict, whichever of the two moves; one
    // minute earlier there is one.
    EXPECT_EQ(outcome(1, 1).conflict, layout.intervals().size());
    EXPECT_EQ(outcome(0, 2).conflict, layout.intervals().size());
    const TimetableContent onOne = applied(content, platformMove(content, layout, 1, 1));
    const PlatformLayout onOneLayout = layoutOf(onOne);
    EXPECT_EQ(moveOutcome(onOne, onOneLayout, DwellTimes{}, timeMove(onOne, 1, -1)).conflict, 0u);
    EXPECT_EQ(moveOutcome(onOne, onOneLayout, DwellTimes{}, timeMove(onOne, 1, 1)).conflict,
              onOneLayout.intervals().size());
    // The next morning's part of a stay over midnight meets an early stay.
    EXPECT_EQ(outcome(3, 3).conflict, 2u);
    EXPECT_EQ(outcome(2, 4).conflict, 3u);
    // Time moves: around midnight, none for a whole day.
    EXPECT_EQ(timeMove(content, 2, 15).at(0).after.arrivalTime, 5);
    EXPECT_EQ(timeMove(content, 2, 15).at(0).after.departureTime, 35);
    EXPECT_TRUE(timeMove(content, 2, 0).empty());
    EXPECT_TRUE(timeMove(content, 2, minutesPerDay).empty());
    EXPECT_TRUE(timeMove(content, 4, 5).empty());
}
