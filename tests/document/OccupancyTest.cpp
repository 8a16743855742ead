#include <gtest/gtest.h>

#include <random>

#include "TestTrains.h"
#include "document/Codes.h"
#include "document/Occupancy.h"

using namespace rylmo;

namespace {

std::vector<PlatformInterval> occupancyOf(std::vector<Train> trains,
                                          const std::string& startTime = "600") {
    TimetableContent c;
    c.trains = std::move(trains);
    c.startTime = startTime;
    return platformOccupancy(c, {10, 5});
}

// The plain comparison of every pair that the sweep must agree with.
std::vector<PlatformConflict> conflictsByPairs(const TimetableContent& c,
                                               const std::vector<PlatformInterval>& intervals) {
    const Consists consists(c.trains);
    const auto minutes = [](const PlatformInterval& i, int32_t day) {
        std::vector<bool> held(24 * 60, false);
        for (int32_t m = i.start; m < i.end && m < i.start + day; ++m) held[m % day] = true;
        return held;
    };
    std::vector<PlatformConflict> found;
    for (std::size_t a = 0; a < intervals.size(); ++a) {
        for (std::size_t b = a + 1; b < intervals.size(); ++b) {
            if (intervals[a].platform != intervals[b].platform ||
                consists.together(intervals[a].train, intervals[b].train)) {
                continue;
            }
            const std::vector<bool> first = minutes(intervals[a], minutesPerDay);
            const std::vector<bool> second = minutes(intervals[b], minutesPerDay);
            for (int32_t m = 0; m < minutesPerDay; ++m) {
                if (first[static_cast<std::size_t>(m)] && second[static_cast<std::size_t>(m)]) {
                    found.push_back({a, b});
                    break;
                }
            }
        }
    }
    return found;
}

}  // namespace

TEST(Occupancy, EachRunTypeHoldsItsPlatforms) {
    using I = PlatformInterval;
    // Arrives and departs: one platform for the stay, or each platform for its dwell.
    EXPECT_EQ(occupancyOf({test::train(2, 705, 712).platforms(1, 1)}),
              (std::vector<I>{{1, 0, 425, 432, true, true}}));
    EXPECT_EQ(occupancyOf({test::train(3, 705, 740).platforms(2, 0)}),
              (std::vector<I>{{2, 0, 425, 460, true, true}}));
    EXPECT_EQ(occupancyOf({test::train(2, 705, 740).platforms(1, 3)}),
              (std::vector<I>{{1, 0, 425, 435, true, true}, {3, 0, 455, 460, true, false}}));
    // Ends here, starts here: the dwell after arrival, before departure.
    EXPECT_EQ(occupancyOf({test::train(0, 1405, 0).platforms(1, 0)}),
              (std::vector<I>{{1, 0, 845, 855, true, true}}));
    EXPECT_EQ(occupancyOf({test::train(6, 0, 930).platforms(0, 4)}),
              (std::vector<I>{{4, 0, 565, 570, true, false}}));
    // Does not stop: a minute on the arrival platform, else the departure one.
    EXPECT_EQ(occupancyOf({test::train(5, 1010, 1012).platforms(2, 5)}),
              (std::vector<I>{{2, 0, 610, 611, false, true}}));
    EXPECT_EQ(occupancyOf({test::train(5, 1010, 1012).platforms(0, 5)}),
              (std::vector<I>{{5, 0, 612, 613, false, false}}));
    // Already at the station: from the timetable's start time.
    Train present = test::train(1, 0, 930).platforms(0, 2);
    present.status = 1;
    EXPECT_EQ(occupancyOf({present}), (std::vector<I>{{2, 0, 360, 570, true, false}}));
    // Over midnight: the departure is the next day's.
    EXPECT_EQ(occupancyOf({test::train(2, 2350, 10).platforms(1, 1)}),
              (std::vector<I>{{1, 0, 1430, 1450, true, true}}));
    EXPECT_EQ(occupancyOf({test::train(1, 0, 3).platforms(0, 1)}),
              (std::vector<I>{{1, 0, 1438, 1443, true, false}}));
    // Platform 0 or beyond 9, times out of range, an unknown run type: nothing.
    EXPECT_TRUE(occupancyOf({test::train(2, 705, 712).platforms(0, 0),
                             test::train(0, 705, 0).platforms(10, 0),
                             test::train(2, 2475, 2500).platforms(1, 1),
                             test::train(0, -5, 0).platforms(1, 0),
                             test::train(9, 705, 712).platforms(1, 1)})
                    .empty());
}

TEST(Occupancy, EdgesOfPlatformsAndTimes) {
    using I = PlatformInterval;
    // Platform 9, the last, holds stays and conflicts as platform 1 does.
    TimetableContent c;
    c.startTime = "600";
    c.trains = {test::train(2, 705, 712).platforms(9, 9), test::train(2, 710, 720).platforms(9, 9)};
    const std::vector<I> nine = platformOccupancy(c, {10, 5});
    EXPECT_EQ(nine, (std::vector<I>{{9, 0, 425, 432, true, true}, {9, 1, 430, 440, true, true}}));
    EXPECT_EQ(platformConflicts(c, nine).pairs, (std::vector<PlatformConflict>{{0, 1}}));
    // Arrives and leaves in one minute: that minute, not a day.
    EXPECT_EQ(occupancyOf({test::train(2, 705, 705).platforms(1, 1)}),
              (std::vector<I>{{1, 0, 425, 426, true, true}}));
    // Already at the station, leaving after midnight: from the start of the day until then.
    Train present = test::train(1, 0, 30).platforms(0, 2);
    present.status = 1;
    EXPECT_EQ(occupancyOf({present}), (std::vector<I>{{2, 0, 360, 1470, true, false}}));
    // A split part that ends its run here holds its arrival platform for the dwell.
    EXPECT_EQ(occupancyOf({test::train(4, 705, 0).platforms(3, 0)}),
              (std::vector<I>{{3, 0, 425, 435, true, true}}));
}

TEST(Occupancy, ConflictsLeaveOutOneConsistAndWrapAtMidnight) {
    TimetableContent c;
    c.startTime = "0";
    c.trains = {test::train(2, 705, 712).platforms(2, 2), test::train(2, 710, 720).platforms(2, 2),
                test::train(2, 712, 730).platforms(2, 2), test::train(2, 2355, 15).platforms(3, 3),
                test::train(1, 0, 10).platforms(0, 3),    test::train(2, 705, 712).platforms(4, 4),
                test::train(3, 706, 712).platforms(4, 4)};
    c.trains[5].toBeCoupledWith = couplingCode(6, 1);  // one consist, split here
    const std::vector<PlatformInterval> intervals = platformOccupancy(c, {10, 10});
    // 0 and 1 share 7:10-7:12; 1 and 2 share 7:12-7:20; 0 and 2 only touch at 7:12.
    const PlatformConflicts conflicts = platformConflicts(c, intervals);
    EXPECT_EQ(conflicts.pairs, (std::vector<PlatformConflict>{{0, 1}, {1, 2}, {3, 4}}));
    EXPECT_TRUE(conflicts.complete);
    EXPECT_EQ(conflicts.conflicting,
              (std::vector<bool>{true, true, true, true, true, false, false}));
    // Listed up to a limit; every conflicting interval is still marked.
    const PlatformConflicts first = platformConflicts(c, intervals, 1);
    EXPECT_EQ(first.pairs.size(), 1u);
    EXPECT_FALSE(first.complete);
    EXPECT_EQ(first.conflicting, conflicts.conflicting);
    const PlatformConflicts marks = platformConflicts(c, intervals, 0);
    EXPECT_TRUE(marks.pairs.empty());
    EXPECT_FALSE(marks.complete);
    EXPECT_EQ(marks.conflicting, conflicts.conflicting);
}

TEST(Occupancy, SweepAgreesWithComparingEveryPair) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 2000; ++round) {
        TimetableContent c;
        c.startTime = std::to_string(random() % 2400);
        const int trains = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < trains; ++i) {
            const auto below = [&](int n) { return static_cast<int32_t>(random() % n); };
            Train t =
                test::train(below(8), below(25) * 100 + below(61), below(25) * 100 + below(61))
                    .platforms(below(4), below(4));
            t.status = static_cast<int32_t>(random() % 3);
            if (random() % 4 == 0)
                t.coupledWith = couplingCode(static_cast<int32_t>(random() % trains), 1);
            c.trains.push_back(t);
        }
        const DwellTimes dwell{static_cast<int32_t>(random() % 30),
                               static_cast<int32_t>(random() % 30)};
        const std::vector<PlatformInterval> intervals = platformOccupancy(c, dwell);
        const std::vector<PlatformConflict> pairs = conflictsByPairs(c, intervals);
        const PlatformConflicts swept = platformConflicts(c, intervals);
        ASSERT_EQ(swept.pairs, pairs) << "round " << round;
        std::vector<bool> conflicting(intervals.size(), false);
        for (const PlatformConflict& pair : pairs)
            conflicting[pair.first] = conflicting[pair.second] = true;
        ASSERT_EQ(swept.conflicting, conflicting) << "round " << round;
    }
}
