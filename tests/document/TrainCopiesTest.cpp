#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

#include "TestTrains.h"
#include "document/Codes.h"
#include "document/Problem.h"
#include "document/TrainClipboard.h"
#include "document/TrainCopies.h"

namespace rylmo {
namespace {

TEST(TrainCopies, TimesMoveAroundTheClockAndOnlyOnTheSidesATrainHas) {
    EXPECT_EQ(shiftedTime(705, 60), 805);
    EXPECT_EQ(shiftedTime(2330, 45), 15);   // past midnight
    EXPECT_EQ(shiftedTime(15, -30), 2345);  // back before it
    EXPECT_EQ(shiftedTime(1200, 1439), 1159);
    EXPECT_EQ(shiftedTime(1200, -1439), 1201);
    EXPECT_EQ(shiftedTime(2460, 60), 2460);  // out of range: no minute to move from
    EXPECT_EQ(shiftedTime(-5, 60), -5);

    Train starts = Train(test::train(2, 1234, 900).numbers(10, 10));
    starts.runType = 1;  // starts here: its arrival side is not its own
    const Train moved = shiftedTrain(starts, 30);
    EXPECT_EQ(moved.arrivalTime, 1234);
    EXPECT_EQ(moved.departureTime, 930);
    Train ends = Train(test::train(2, 900, 1234).numbers(10, 10));
    ends.runType = 4;
    EXPECT_EQ(shiftedTrain(ends, 30).departureTime, 1234);
    EXPECT_EQ(shiftedTrain(ends, 30).arrivalTime, 930);
}

TEST(TrainCopies, SeriesShiftRenumberAndKeepCouplingsInsideTheirSeries) {
    // Trains 1 and 2 are one consist; train 1 is also coupled to train 0, outside the group.
    std::vector<Train> trains = {Train(test::train(2, 600, 610).numbers(100, 100)),
                                 Train(test::train(2, 705, 712).numbers(4512, 4512)),
                                 Train(test::train(2, 705, 715).numbers(4513, 4513))};
    trains[1].coupledWith = couplingCode(2, 1);
    trains[1].toBeCoupledWith = couplingCode(0, 3);
    trains[2].toBeCoupledWith = couplingCode(1, 2);
    trains[2].runType = 0;  // ends here: no departure side to move or renumber
    const CopyRule rule{60, 2, 3};
    ASSERT_EQ(copyRefusal(trains, {1, 2}, rule), "");
    const std::vector<Train> copies = trainCopies(trains, {1, 2}, rule);
    ASSERT_EQ(copies.size(), 6u);
    for (int k = 1; k <= 3; ++k) {
        const Train& lead = copies[static_cast<std::size_t>(2 * (k - 1))];
        const Train& other = copies[static_cast<std::size_t>(2 * (k - 1) + 1)];
        const auto leadAt = static_cast<int32_t>(3 + 2 * (k - 1));
        EXPECT_EQ(lead.arrivalTime, 705 + 100 * k);
        EXPECT_EQ(lead.arrivalNumber, 4512 + 2 * k);
        EXPECT_EQ(lead.departureNumber, 4512 + 2 * k);
        EXPECT_EQ(lead.coupledWith, couplingCode(leadAt + 1, 1));  // its own series' copy
        EXPECT_EQ(lead.toBeCoupledWith, couplingCode(0, 3));       // outside: unchanged
        EXPECT_EQ(other.toBeCoupledWith, couplingCode(leadAt, 2));
        EXPECT_EQ(other.departureTime, 715);
        EXPECT_EQ(other.departureNumber, 4513);
    }

    // A number would leave 0..99999 in the last copy: refused, naming the train.
    trains[1].arrivalNumber = 99990;
    EXPECT_NE(copyRefusal(trains, {1}, {60, 5, 2}), "");
    EXPECT_EQ(copyRefusal(trains, {1}, {60, 5, 1}), "");
    trains[1].arrivalNumber = 3;
    EXPECT_NE(copyRefusal(trains, {1}, {60, -2, 2}), "");
    // An ending train's departure number is not its own: it does not refuse.
    trains[2].departureNumber = 0;
    EXPECT_EQ(copyRefusal(trains, {2}, {60, -1, 1}).find("4513"), std::string::npos);
    // Numbers exactly at the ends of the range are accepted.
    trains[1].arrivalNumber = 99989;
    EXPECT_EQ(copyRefusal(trains, {1}, {60, 5, 2}), "");  // ... 99999
    trains[1].arrivalNumber = 2;
    EXPECT_EQ(copyRefusal(trains, {1}, {60, -1, 2}), "");  // ... 0
}

TEST(TrainCopies, RefusesMoreTrainsThanTheEditorServes) {
    // One train short of the limit and one copy of one: exactly the limit; of two, one past.
    const std::vector<Train> trains(limits::maxTrainsAfterCopies - 1,
                                    Train(test::train(2, 600, 610).numbers(1, 1)));
    EXPECT_EQ(copyRefusal(trains, {0}, {60, 0, 1}), "");
    EXPECT_EQ(copyRefusal(trains, {0, 1}, {60, 0, 1}),
              "Po skopiowaniu rozkład miałby 500001 pociągów; edytor obsługuje najwyżej 500000 "
              "pociągów.");
    // 100 copies of 100,000 trains: refused before anything is made.
    const std::vector<Train> day(100000, Train(test::train(2, 600, 610).numbers(1, 1)));
    std::vector<std::size_t> all(day.size());
    std::iota(all.begin(), all.end(), std::size_t{0});
    EXPECT_NE(copyRefusal(day, all, {60, 0, 100}), "");
}

TEST(TrainCopies, CoupledTrainsComeAlongWithTheirConsists) {
    std::vector<Train> trains(6, Train(test::train(2, 600, 610).numbers(1, 1)));
    trains[1].coupledWith = couplingCode(3, 1);      // 1 with 3
    trains[4].toBeCoupledWith = couplingCode(3, 2);  // 4 with 3: 1, 3, 4 one consist
    trains[5].coupledWith = couplingCode(9, 1);      // names no train
    EXPECT_EQ(withCoupledTrains(trains, {3}), (std::vector<std::size_t>{3, 1, 4}));
    EXPECT_EQ(withCoupledTrains(trains, {4, 0}), (std::vector<std::size_t>{4, 0, 1, 3}));
    EXPECT_EQ(withCoupledTrains(trains, {5, 2}), (std::vector<std::size_t>{5, 2}));
    EXPECT_EQ(withCoupledTrains(trains, {1, 3, 4}), (std::vector<std::size_t>{1, 3, 4}));
}

TEST(TrainCopies, ReferencesCountOtherTrainsAndPassagesOnly) {
    TimetableContent c;
    c.trains = {Train(test::train(2, 600, 610).numbers(1, 1)),
                Train(test::train(2, 700, 710).numbers(2, 2)),
                Train(test::train(2, 800, 810).numbers(3, 3))};
    c.trains[0].coupledWith = couplingCode(1, 1);
    c.trains[2].toBeCoupledWith = couplingCode(1, 2);
    c.trains[1].coupledWith = couplingCode(2, 1);  // inside the group when both go
    c.passages = {{1, 0, -1, 0, 0}, {1, 0, 0, 2, 0}, {1, 0, 0, 0, 0}};
    const TrainReferences one = referencesToTrains(c, {1});
    EXPECT_EQ(one.trains, 2);
    EXPECT_EQ(one.passages, 1);  // the sign of the arriving train marks the depot only
    const TrainReferences two = referencesToTrains(c, {1, 2});
    EXPECT_EQ(two.trains, 1);
    EXPECT_EQ(two.passages, 2);
}

}  // namespace
}  // namespace rylmo
