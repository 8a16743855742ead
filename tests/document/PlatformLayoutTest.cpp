#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "PlatformTests.h"
#include "TestTrains.h"
#include "document/Codes.h"
#include "document/PlatformLayout.h"
#include "document/RunTypes.h"

using namespace rylmo;
using test::layoutOf;
using test::passes;
using test::timetableOf;

namespace {

using Piece = std::tuple<std::size_t, int32_t, int32_t>;  // stay, start, end

std::vector<Piece> piecesOf(const PlatformLayout& layout, int32_t platform, double first,
                            double last) {
    std::vector<Piece> pieces;
    layout.forEachPiece(platform, first, last, [&](std::size_t k, int32_t start, int32_t end) {
        pieces.emplace_back(k, start, end);
    });
    std::sort(pieces.begin(), pieces.end());
    return pieces;
}

// Every piece of platform's stays within the day that reaches into first..last, found by
// looking at every stay.
std::vector<Piece> piecesByLooking(const PlatformLayout& layout, int32_t platform, double first,
                                   double last) {
    std::vector<Piece> pieces;
    const std::vector<PlatformInterval>& stays = layout.intervals();
    for (std::size_t k = 0; k < stays.size(); ++k) {
        const PlatformInterval& s = stays[k];
        if (s.platform != platform) continue;
        if (s.end > minutesPerDay && s.end - minutesPerDay > first)
            pieces.emplace_back(k, 0, s.end - minutesPerDay);
        if (s.start <= last && s.end >= first)
            pieces.emplace_back(k, s.start, std::min(s.end, minutesPerDay));
    }
    std::sort(pieces.begin(), pieces.end());
    return pieces;
}

void expectBuiltAnew(const PlatformLayout& patched, const TimetableContent& c, DwellTimes dwell) {
    PlatformLayout built;
    built.build(c, dwell);
    ASSERT_EQ(patched.intervals(), built.intervals());
    EXPECT_EQ(patched.conflicting(), platformConflicts(c, built.intervals(), 0).conflicting);
    EXPECT_EQ(patched.rows(), built.rows());
    for (std::size_t k = 0; k < built.intervals().size(); ++k)
        ASSERT_EQ(patched.laneOf(k), built.laneOf(k)) << "stay " << k;
}

}  // namespace

// Random edits of single trains are patched in place, or refused when the consists or the
// number of stays change: either way the layout is what a build of the whole timetable gives.
TEST(PlatformLayout, PatchesAsABuildWould) {
    TimetableContent c;
    for (int i = 0; i < 63; ++i)
        c.trains.push_back(test::train(2, 700 + i, 705 + i).platforms(1 + i % 3, 1 + i % 3));
    const DwellTimes dwell{10, 5};
    PlatformLayout layout;
    layout.build(c, dwell);
    std::mt19937 random(7);
    const auto below = [&](int n) { return static_cast<int32_t>(random() % unsigned(n)); };
    int patched = 0;
    for (int step = 0; step < 300; ++step) {
        const std::size_t row = static_cast<std::size_t>(below(63));
        Train& t = c.trains[row];
        t.arrivalTime = below(24) * 100 + below(60);
        t.departureTime = below(24) * 100 + below(60);
        t.arrivalPlatform = below(limits::maxPlatform + 2);  // one past the range too
        t.departurePlatform = below(4);
        t.runType = below(runTypeCount + 1);
        if (below(10) == 0) t.coupledWith = couplingCode(below(63), 1);
        if (layout.patch(c, row, row)) {
            ++patched;
        } else {
            layout.build(c, dwell);
        }
        expectBuiltAnew(layout, c, dwell);
    }
    EXPECT_GT(patched, 100);
}

TEST(PlatformLayout, RefusesPatchesItCannotMake) {
    TimetableContent c;
    for (int i = 0; i < 70; ++i) c.trains.push_back(test::train(2, 700, 710).platforms(1, 1));
    PlatformLayout layout;
    EXPECT_FALSE(layout.patch(c, 0, 0));  // never built
    layout.build(c, {});
    EXPECT_TRUE(layout.patch(c, 0, 63));   // 64 trains: the most a patch takes
    EXPECT_FALSE(layout.patch(c, 0, 64));  // one more
    EXPECT_FALSE(layout.patch(c, 5, 4));
    EXPECT_TRUE(layout.patch(c, 69, 69));   // the last train
    EXPECT_FALSE(layout.patch(c, 69, 70));  // one past it
    c.trains[3].coupledWith = couplingCode(4, 1);
    EXPECT_FALSE(layout.patch(c, 3, 3));  // the consists change
    c.trains[3].coupledWith = 0;
    c.trains[3].arrivalPlatform = c.trains[3].departurePlatform = 0;  // a stay fewer
    EXPECT_FALSE(layout.patch(c, 3, 3));
    c.trains.pop_back();  // a train fewer
    layout.build(c, {});
    c.trains.push_back(c.trains.front());
    EXPECT_FALSE(layout.patch(c, 0, 0));
}

// A view finds the stays of its stretch of the day behind hundreds of short stays and one that
// lasts all day, and the morning piece of a stay over midnight, as looking at every stay would.
TEST(PlatformLayout, FindsThePiecesOfAStretchOfTheDay) {
    TimetableContent c;
    for (int i = 0; i < 300; ++i) {  // 6:00 to 11:00, a minute each
        const int32_t at = timeOfDay(6 + i / 60, i % 60);
        c.trains.push_back(test::train(2, at, at).platforms(1, 1));  // one minute
    }
    c.trains.push_back(test::train(2, 30, 2300).platforms(1, 1));    // all day
    c.trains.push_back(test::train(2, 2130, 2140).platforms(1, 1));  // the evening
    c.trains.push_back(test::train(2, 2200, 100).platforms(1, 1));   // over midnight
    c.trains.push_back(test::train(2, 800, 810).platforms(limits::maxPlatform, 0));
    PlatformLayout layout;
    layout.build(c, {});
    // Every platform up to the highest used is a row, empty ones too: places to move to.
    EXPECT_EQ(layout.rows().size(), static_cast<std::size_t>(limits::maxPlatform));
    EXPECT_EQ(layout.rowOf(limits::maxPlatform), limits::maxPlatform - 1);
    EXPECT_EQ(layout.rowOf(2), 1);
    EXPECT_EQ(layout.rowOf(limits::maxPlatform + 1), -1);
    EXPECT_EQ(layout.firstStayOf(301), 301u);
    EXPECT_EQ(layout.firstStayOf(304), layout.intervals().size());  // no such train
    for (const auto& [first, last] :
         {std::pair{21 * 60.0, 22 * 60.0}, std::pair{0.0, 15.0}, std::pair{0.0, 60.0},
          std::pair{600.0, 601.0}, std::pair{0.0, double(minutesPerDay)}}) {
        for (int32_t platform : {1, limits::maxPlatform}) {
            EXPECT_EQ(piecesOf(layout, platform, first, last),
                      piecesByLooking(layout, platform, first, last))
                << platform << " " << first << "–" << last;
        }
    }
    EXPECT_TRUE(piecesOf(layout, 0, 0, minutesPerDay).empty());
    EXPECT_TRUE(piecesOf(layout, limits::maxPlatform + 1, 0, minutesPerDay).empty());
    // Overlapping stays are drawn apart, each in the first free lane.
    EXPECT_EQ(layout.laneOf(300), 0);  // all day, from 0:30
    EXPECT_NE(layout.laneOf(0), layout.laneOf(300));
}

TEST(PlatformLayout, rowsRunFromOneToTheStationsPlatformCount) {
    PlatformLayout layout = layoutOf(timetableOf({test::train(passes, 700, 710).platforms(3, 3)}));
    const auto rows = [&] { return layout.rows(); };
    EXPECT_EQ(rows(), (std::vector<int32_t>{1, 2, 3}));
    layout.setPlatformCount(5);
    EXPECT_EQ(rows(), (std::vector<int32_t>{1, 2, 3, 4, 5}));
    layout.setPlatformCount(2);  // fewer than the timetable uses: the timetable wins
    EXPECT_EQ(rows().size(), 3u);
    layout.setPlatformCount(10);
    EXPECT_EQ(rows().size(), 9u);
    PlatformLayout empty = layoutOf(TimetableContent{});
    EXPECT_TRUE(empty.rows().empty());
    empty.setPlatformCount(1);
    EXPECT_EQ(empty.rows(), (std::vector<int32_t>{1}));
}
