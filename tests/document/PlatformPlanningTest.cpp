#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "PlatformTests.h"
#include "StationDay.h"
#include "TestTrains.h"
#include "document/Codes.h"
#include "document/ConsistencyCheck.h"
#include "document/PlatformAssignment.h"
#include "document/PlatformLayout.h"
#include "document/RunTypes.h"
#include "document/StayMoves.h"

using namespace rylmo;

namespace {

using test::applied;
using test::ends;
using test::hasConflict;
using test::layoutOf;
using test::passes;
using test::platforms;
using test::starts;
using test::timetableOf;

PlatformPlan planAll(const TimetableContent& content, PlatformSet allowed, bool firstFit = false) {
    PlacementRequest request;
    request.allowed = allowed;
    request.firstFitOnly = firstFit;
    return planPlatforms(content, request);
}

}  // namespace

TEST(PlatformAssignment, placesWhatFitsAndNamesWhereThePlatformsRunOut) {
    // Three trains at 7:00 on platform 1, two platforms allowed: one cannot be placed.
    const TimetableContent content = timetableOf({
        test::train(passes, 700, 710).platforms(1, 1),
        test::train(passes, 700, 710).platforms(1, 1),
        test::train(passes, 705, 720).platforms(1, 1),
    });
    PlatformPlan plan = planAll(content, platforms({1, 2}));
    EXPECT_EQ(plan.movedTrains, 1u);
    ASSERT_EQ(plan.unplacedTrains, 1u);
    ASSERT_EQ(plan.unplaced.size(), 1u);
    EXPECT_EQ(plan.unplaced[0].train, 2u);
    EXPECT_EQ(plan.unplaced[0].minute, 7 * 60 + 5);
    EXPECT_EQ(plan.unplaced[0].stays, 3);
    // With three platforms all fit, and the one that could stay stays.
    plan = planAll(content, platforms({1, 2, 3}));
    EXPECT_EQ(plan.unplacedTrains, 0u);
    EXPECT_EQ(plan.movedTrains, 2u);
    EXPECT_FALSE(hasConflict(applied(content, planChanges(content, plan))));
    EXPECT_EQ(planChanges(content, plan).front().train, 1u);
    // The list is bounded, the count is not.
    PlacementRequest request;
    request.allowed = platforms({1});
    const PlatformPlan bounded = planPlatforms(content, request, 1);
    EXPECT_EQ(bounded.unplacedTrains, 2u);
    EXPECT_EQ(bounded.unplaced.size(), 1u);
}

TEST(PlatformAssignment, keepsTrainsOutsideTheSetAndThePlatformsNotAllowed) {
    const TimetableContent content = timetableOf({
        test::train(passes, 700, 730).platforms(1, 1),
        test::train(passes, 710, 740).platforms(1, 1),
        test::train(passes, 720, 750).platforms(2, 2),
        test::train(passes, 2350, 30).platforms(2, 2),
        test::train(passes, 10, 20).platforms(2, 2),
    });
    PlacementRequest request;
    request.allowed = platforms({1, 2, 4});
    request.movable = {true, false, false, true, true};
    const PlatformPlan plan = planPlatforms(content, request);
    const TimetableContent result = applied(content, planChanges(content, plan));
    EXPECT_EQ(result.trains[1], content.trains[1]);
    EXPECT_EQ(result.trains[2], content.trains[2]);
    EXPECT_EQ(result.trains[0].arrivalPlatform, 4);  // 2 is held by train 2, an obstacle
    EXPECT_FALSE(hasConflict(result));
    // Over midnight: one of the two moves, to the only free platform.
    EXPECT_EQ(plan.movedTrains, 2u);
    EXPECT_NE(result.trains[3].arrivalPlatform, result.trains[4].arrivalPlatform);
}

TEST(PlatformAssignment, aPlatformIsFreeTheMinuteTheLastStayLeavesAndForItsOwnConsist) {
    // Train 0 stays on 2 and leaves at 7:10; trains 1 and 2 meet on 1 from 7:10: one takes 2.
    TimetableContent content = timetableOf({
        test::train(passes, 700, 710).platforms(2, 2),
        test::train(passes, 710, 720).platforms(1, 1),
        test::train(passes, 710, 720).platforms(1, 1),
    });
    PlacementRequest request;
    request.allowed = platforms({1, 2});
    request.movable = {false, true, true};
    PlatformPlan plan = planPlatforms(content, request);
    EXPECT_EQ(plan.unplacedTrains, 0u);
    EXPECT_EQ(plan.movedTrains, 1u);
    // Trains 0, 1 and 3 are one consist on platforms 1, 2 and 3, where trains 2 and 4 came
    // first: 1 and 3 join their consist on 1, one after the other.
    content = timetableOf({
        test::train(passes, 700, 730).platforms(1, 1).couplings(couplingCode(1, 1), 0),
        test::train(passes, 705, 720).platforms(2, 2).couplings(couplingCode(3, 1), 0),
        test::train(passes, 704, 720).platforms(2, 2),
        test::train(passes, 706, 725).platforms(3, 3).couplings(couplingCode(0, 1), 0),
        test::train(passes, 704, 725).platforms(3, 3),
    });
    for (const bool firstFit : {false, true}) {  // the small block's search, and the first fit
        plan = planAll(content, platforms({1, 2, 3}), firstFit);
        EXPECT_EQ(plan.unplacedTrains, 0u);
        const TimetableContent result = applied(content, planChanges(content, plan));
        EXPECT_EQ(result.trains[1].arrivalPlatform, 1);
        EXPECT_EQ(result.trains[3].arrivalPlatform, 1);
        EXPECT_FALSE(hasConflict(result));
    }
}

TEST(PlatformAssignment, aLargeBlockLeavesFreeThePlatformsLaterTrainsHold) {
    // Train 1 meets train 0 on platform 1; train 2 holds platform 2 from 7:10. A first fit
    // sends 1 to the lowest free platform, 2, and then 2 must move too; the planner sends it
    // to 3. The chain after them makes the block too large for the exhaustive search.
    std::vector<Train> trains = {
        test::train(passes, 700, 720).platforms(1, 1),
        test::train(passes, 705, 715).platforms(1, 1),
        test::train(passes, 710, 730).platforms(2, 2),
    };
    for (int i = 0; i < 9; ++i) {
        const int start = 7 * 60 + 25 + 10 * i;
        const int32_t platform = (i + 2) % 3 + 1;
        trains.push_back(test::train(passes, timeOfDay(start / 60, start % 60),
                                     timeOfDay((start + 15) / 60, (start + 15) % 60))
                             .platforms(platform, platform));
    }
    const TimetableContent content = timetableOf(std::move(trains));
    ASSERT_GT(content.trains.size(), exactBlock);
    const PlatformPlan plan = planAll(content, platforms({1, 2, 3}));
    const PlatformPlan firstFit = planAll(content, platforms({1, 2, 3}), true);
    EXPECT_GT(firstFit.movedTrains, 1u);  // and more, down the chain
    EXPECT_EQ(plan.movedTrains, 1u);
    EXPECT_EQ(plan.unplacedTrains, 0u);
    EXPECT_FALSE(hasConflict(applied(content, planChanges(content, plan))));
}

TEST(PlatformAssignment, neverPutsAStayOnItsTrainsOtherPlatform) {
    // Train 0 arrives on 1 and leaves from 2; its arrival meets train 1 on platform 1. On 2 the
    // two stays would be one long one: it goes to 3.
    const TimetableContent content = timetableOf({
        test::train(passes, 700, 800).platforms(1, 2),
        test::train(passes, 700, 800).platforms(1, 1),
    });
    const PlatformPlan plan = planAll(content, platforms({1, 2, 3}));
    const TimetableContent result = applied(content, planChanges(content, plan));
    EXPECT_FALSE(hasConflict(result));
    EXPECT_EQ(plan.movedTrains, 1u);
    EXPECT_EQ(result.trains[0].departurePlatform, 2);
    EXPECT_TRUE(result.trains[0].arrivalPlatform == 3 || result.trains[1].arrivalPlatform == 2 ||
                result.trains[1].arrivalPlatform == 3);
}

namespace {

// A random day of single stays on up to `platforms` platforms, some coupled in pairs.
TimetableContent randomDay(std::mt19937& random, int trains, int platforms, bool couplings,
                           bool changing, int dayMinutes = 20 * 60) {
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::vector<Train> list;
    for (int i = 0; i < trains; ++i) {
        const int arrival = 60 + below(dayMinutes - 120);
        const int departure = arrival + 1 + below(40);
        const int platform = 1 + below(platforms);
        list.push_back(
            test::train(passes, timeOfDay(arrival / 60, arrival % 60),
                        timeOfDay(departure / 60, departure % 60))
                .platforms(platform, changing && below(4) == 0 ? 1 + below(platforms) : platform));
    }
    if (couplings) {
        for (int i = 0; i + 1 < trains; i += 5) {
            list[static_cast<std::size_t>(i)].coupledWith = couplingCode(i + 1, 1);
            list[static_cast<std::size_t>(i) + 1].coupledWith = couplingCode(i, 1);
            list[static_cast<std::size_t>(i) + 1].arrivalTime =
                list[static_cast<std::size_t>(i)].arrivalTime;
            list[static_cast<std::size_t>(i) + 1].departureTime =
                list[static_cast<std::size_t>(i)].departureTime;
        }
    }
    return timetableOf(std::move(list));
}

// The most stays (consists counted once per platform) that need a platform at one minute.
int mostAtOnce(const TimetableContent& content) {
    const auto stays = platformOccupancy(content, DwellTimes{});
    const Consists consists(content.trains);
    int most = 0;
    for (int minute = 0; minute < 2 * minutesPerDay; ++minute) {
        std::vector<std::pair<std::size_t, int32_t>> seen;
        for (const PlatformInterval& s : stays) {
            if (s.start <= minute && minute < s.end)
                seen.emplace_back(consists.of(s.train), s.platform);
        }
        std::sort(seen.begin(), seen.end());
        seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
        most = std::max(most, static_cast<int>(seen.size()));
    }
    return most;
}

}  // namespace

TEST(PlatformAssignment, randomDaysWithinTheBoundEndWithoutConflictAndNoTrainCouldGoBack) {
    std::mt19937 random(7);
    int resolved = 0;
    for (int round = 0; round < 300; ++round) {
        const int allowedCount = 2 + round % 5;
        const bool changing = round % 3 == 0;
        const TimetableContent content =
            randomDay(random, 10 + round % 40, allowedCount + 1, round % 2 == 0, changing, 8 * 60);
        PlatformSet allowed;
        for (int p = 1; p <= allowedCount; ++p) allowed.set(static_cast<std::size_t>(p));
        const PlatformPlan plan = planAll(content, allowed);
        const PlatformPlan firstFit = planAll(content, allowed, true);
        const TimetableContent result = applied(content, planChanges(content, plan));
        const PlatformLayout resultLayout = layoutOf(result);
        // A stay never goes to its train's other platform: the bound promises nothing then.
        if (!changing && mostAtOnce(content) <= allowedCount) {
            ++resolved;
            EXPECT_EQ(plan.unplacedTrains, 0u) << round;
            EXPECT_FALSE(hasConflict(result)) << round;
        }
        if (plan.unplacedTrains == 0 && firstFit.unplacedTrains == 0) {
            EXPECT_LE(plan.movedTrains, firstFit.movedTrains) << round;
        }
        EXPECT_LE(plan.unplacedTrains, firstFit.unplacedTrains) << round;
        // Every placed stay is on an allowed platform; no moved stay could go back alone.
        for (const StayPlacement& move : plan.moves) {
            EXPECT_TRUE(allowed.test(static_cast<std::size_t>(move.platform)));
            const PlatformInterval& before = plan.stays[move.stay];
            if (!allowed.test(static_cast<std::size_t>(before.platform))) continue;
            const std::size_t now = [&] {
                for (std::size_t k = resultLayout.firstStayOf(before.train);
                     k < resultLayout.endOfStays(before.train); ++k) {
                    if (resultLayout.intervals()[k].arrivalSide == before.arrivalSide) return k;
                }
                return resultLayout.intervals().size();
            }();
            ASSERT_LT(now, resultLayout.intervals().size());
            const auto back = platformMove(result, resultLayout, now, before.platform);
            const MoveOutcome outcome = moveOutcome(result, resultLayout, DwellTimes{}, back);
            const bool otherSide = changesPlatform(result.trains[before.train]) &&
                                   std::any_of(back.begin(), back.end(), [](const TrainChange& c) {
                                       return !changesPlatform(c.after);
                                   });
            EXPECT_TRUE(outcome.conflict < resultLayout.intervals().size() || otherSide)
                << "round " << round << ": train " << before.train << " could keep platform "
                << before.platform;
        }
        // Consists that shared a platform still do.
        const Consists consists(content.trains);
        for (std::size_t a = 0; a < content.trains.size(); ++a) {
            for (std::size_t b = a + 1; b < content.trains.size(); ++b) {
                if (!consists.together(a, b) || changesPlatform(content.trains[a]) ||
                    changesPlatform(content.trains[b]) ||
                    content.trains[a].arrivalPlatform != content.trains[b].arrivalPlatform) {
                    continue;
                }
                EXPECT_EQ(result.trains[a].arrivalPlatform, result.trains[b].arrivalPlatform);
            }
        }
    }
    EXPECT_GT(resolved, 60);
}

namespace {

// The fewest trains to move so that no stay conflicts, by trying every platform for every
// train (each holding one stay); -1 when no placement is without conflict.
int fewestMoves(const TimetableContent& content, int allowedCount) {
    const std::vector<PlatformInterval> stays = platformOccupancy(content, DwellTimes{});
    const std::size_t n = stays.size();
    std::vector<int32_t> choice(n, 0);
    int best = -1;
    const auto place = [&](auto&& self, std::size_t i, int moved) -> void {
        if (i == n) {
            if (best < 0 || moved < best) best = moved;
            return;
        }
        for (int32_t p = 1; p <= allowedCount; ++p) {
            bool free = true;
            for (std::size_t j = 0; j < i && free; ++j) {
                free = choice[j] != p || stays[j].end <= stays[i].start ||
                       stays[i].end <= stays[j].start;
            }
            if (!free) continue;
            choice[i] = p;
            self(self, i + 1, moved + (p != stays[i].platform));
        }
    };
    place(place, 0, 0);
    return best;
}

}  // namespace

TEST(PlatformAssignment, smallBlocksMoveTheFewestTrainsAnExhaustiveSearchFinds) {
    std::mt19937 random(11);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int compared = 0;
    for (int round = 0; round < 250; ++round) {
        const int allowedCount = 2 + round % 2;
        const int count = 4 + round % 7;  // 4..10 stays, the largest block searched exactly
        // Every other round the stays are a chain, each overlapping the next: one block.
        const bool chain = round % 2 == 1;
        std::vector<Train> trains;
        for (int i = 0; i < count; ++i) {
            const int arrival = 7 * 60 + (chain ? 4 * i : below(90));
            const int departure = arrival + 5 + below(chain ? 5 : 30);
            const int platform = 1 + below(allowedCount);
            trains.push_back(test::train(passes, timeOfDay(arrival / 60, arrival % 60),
                                         timeOfDay(departure / 60, departure % 60))
                                 .platforms(platform, platform));
        }
        const TimetableContent content = timetableOf(std::move(trains));
        PlatformSet allowed;
        for (int p = 1; p <= allowedCount; ++p) allowed.set(static_cast<std::size_t>(p));
        const int fewest = fewestMoves(content, allowedCount);
        const PlatformPlan plan = planAll(content, allowed);
        if (fewest < 0) {
            EXPECT_GT(plan.unplacedTrains, 0u) << round;
            continue;
        }
        ++compared;
        EXPECT_EQ(plan.unplacedTrains, 0u) << round;
        EXPECT_EQ(static_cast<int>(plan.movedTrains), fewest) << round;
        EXPECT_FALSE(hasConflict(applied(content, planChanges(content, plan)))) << round;
    }
    EXPECT_GT(compared, 100);
}

TEST(PlatformAssignment, theRealisticDayIsResolvedWithoutAConflict) {
    const TimetableContent day = bench::stationDay();
    EXPECT_GE(day.trains.size(), 350u);
    EXPECT_LE(day.trains.size(), 450u);
    EXPECT_LE(mostAtOnce(day), bench::stationDayPlatforms);
    const auto stays = platformOccupancy(day, DwellTimes{});
    const PlatformConflicts before = platformConflicts(day, stays);
    EXPECT_GE(before.pairs.size(), 20u);
    EXPECT_LE(before.pairs.size(), 80u);
    // Nothing but the platforms is wrong with it.
    for (const Problem& problem : checkTimetable(day))
        EXPECT_NE(describe(problem).find("zajmują go jednocześnie"), std::string::npos)
            << describe(problem);
    PlatformSet six;
    for (int p = 1; p <= bench::stationDayPlatforms; ++p) six.set(static_cast<std::size_t>(p));
    const PlatformPlan plan = planAll(day, six);
    const PlatformPlan firstFit = planAll(day, six, true);
    EXPECT_EQ(plan.unplacedTrains, 0u);
    EXPECT_LE(plan.movedTrains, firstFit.movedTrains);
    EXPECT_LE(plan.movedTrains, 60u);
    EXPECT_TRUE(checkTimetable(applied(day, planChanges(day, plan))).empty());
}

// The edges of the planner's day: a platform a kept train leaves the very minute a moved one
// arrives is free for it, also when another kept train holds it later in the day; a movable
// train over midnight is named at the right minute when it finds no platform; a moved stay
// over midnight holds its new platform, so nothing else is planned onto it.
TEST(PlatformAssignment, theEdgesOfTheDayAndOfAStay) {
    // Train 0 (kept) leaves platform 2 at 7:10; train 2 (kept) holds 2 from 12:00. Train 1
    // meets train 3 on platform 1 from 7:10: it takes 2 at once.
    TimetableContent content = timetableOf({
        test::train(passes, 700, 710).platforms(2, 2),
        test::train(passes, 710, 720).platforms(1, 1),
        test::train(passes, 1200, 1230).platforms(2, 2),
        test::train(passes, 710, 730).platforms(1, 1),
    });
    PlacementRequest request;
    request.allowed = platforms({1, 2});
    request.movable = {false, true, false, false};
    PlatformPlan plan = planPlatforms(content, request);
    EXPECT_EQ(plan.unplacedTrains, 0u);
    ASSERT_EQ(plan.movedTrains, 1u);
    TimetableContent result = applied(content, planChanges(content, plan));
    EXPECT_EQ(result.trains[1].arrivalPlatform, 2);
    EXPECT_FALSE(hasConflict(result));
    // One minute earlier, 7:09, it meets train 0 on 2 and train 3 on 1: nowhere to go, and
    // named at a minute of its stay when two stays need the two platforms.
    content.trains[1] = test::train(passes, 709, 720).platforms(1, 1);
    plan = planPlatforms(content, request);
    ASSERT_EQ(plan.unplaced.size(), 1u);
    EXPECT_EQ(plan.unplaced[0].train, 1u);
    EXPECT_GE(plan.unplaced[0].minute, 7 * 60 + 9);
    EXPECT_LT(plan.unplaced[0].minute, 7 * 60 + 20);
    EXPECT_EQ(plan.unplaced[0].stays, 2);

    // Over midnight: a day whose quietest minute is 12:00, with a movable train 23:50–0:20 on
    // platform 1 that two kept trains hold from 0:05 on both platforms: it is named at 0:05.
    content = timetableOf({
        test::train(passes, 2350, 20).platforms(1, 1),
        test::train(passes, 5, 40).platforms(1, 1),
        test::train(passes, 5, 40).platforms(2, 2),
        test::train(passes, 1100, 1300).platforms(1, 1),
        test::train(passes, 1100, 1300).platforms(2, 2),
    });
    request.movable = {true, false, false, false, false};
    plan = planPlatforms(content, request);
    ASSERT_EQ(plan.unplaced.size(), 1u);
    EXPECT_EQ(plan.unplaced[0].train, 0u);
    EXPECT_EQ(plan.unplaced[0].minute, 5);
    EXPECT_EQ(plan.unplaced[0].stays, 3);
}

// A day busy at every minute on two platforms, with stays over midnight among the movable
// ones: after the plan nothing conflicts, so a stay moved over midnight was recorded at its
// new platform before the next stay was placed.
TEST(PlatformAssignment, aStayMovedOverMidnightHoldsItsNewPlatform) {
    std::vector<Train> trains;
    // Platform 3 is held all day by kept trains, except around midnight.
    for (int hour = 1; hour < 23; ++hour)
        trains.push_back(
            test::train(passes, timeOfDay(hour, 0), timeOfDay(hour, 59)).platforms(3, 3));
    // Two stays over midnight on platform 1, and trains from 23:00 on platform 1 and 2.
    trains.push_back(test::train(passes, 2330, 30).platforms(1, 1));
    trains.push_back(test::train(passes, 2340, 40).platforms(1, 1));
    trains.push_back(test::train(passes, 2300, 2320).platforms(1, 1));
    trains.push_back(test::train(passes, 35, 50).platforms(2, 2));
    TimetableContent content = timetableOf(std::move(trains));
    PlacementRequest request;
    request.allowed = platforms({1, 2, 3});
    request.movable.assign(content.trains.size(), false);
    for (std::size_t i = 22; i < content.trains.size(); ++i) request.movable[i] = true;
    const PlatformPlan plan = planPlatforms(content, request);
    EXPECT_EQ(plan.unplacedTrains, 0u);
    const TimetableContent result = applied(content, planChanges(content, plan));
    EXPECT_FALSE(hasConflict(result));
    EXPECT_NE(result.trains[22].arrivalPlatform, result.trains[23].arrivalPlatform);
}

// A train on platform 9, the last one, makes 9 a platform in use.
TEST(PlatformAssignment, theLastPlatformIsInUse) {
    const TimetableContent content = timetableOf({
        test::train(passes, 700, 710).platforms(9, 9),
        test::train(passes, 700, 710).platforms(1, 1),
    });
    const PlatformSet used = usedPlatforms(platformOccupancy(content, DwellTimes{}));
    EXPECT_TRUE(used.test(9));
    EXPECT_TRUE(used.test(1));
    EXPECT_EQ(used.count(), 2u);
}
