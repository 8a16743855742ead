#include "SyntheticTimetable.h"

#include <random>

#include "document/CompositionText.h"
#include "document/ProbabilityText.h"
#include "document/TrainCategories.h"

namespace rylmo::bench {

TimetableContent syntheticTimetable(std::size_t trainCount) {
    std::mt19937 random(42);
    const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    constexpr int kTypes = 1000;
    constexpr int kCoaches = 120;
    constexpr int kNames = 10000;

    TimetableContent c;
    c.version = 2;
    c.stationPicture = "Syntetyczna";
    c.startTime = "530";
    for (int i = 0; i < kTypes; ++i) {
        c.locomotiveTypes.push_back({"LOK" + std::to_string(i), "Typ_" + std::to_string(i),
                                     std::to_string(1 + i % 5), std::to_string(i % 10)});
    }
    c.locomotiveTypeCount = kTypes;
    for (int i = 0; i < kCoaches; ++i) c.coaches.push_back("Wagon" + std::to_string(i));
    for (int i = 0; i < kNames; ++i) {
        c.depotNames.push_back("Lokomotywownia " + std::to_string(i));
        c.stationNames.push_back("Stacja " + std::to_string(i));
        c.trainNames.push_back("Pociąg " + std::to_string(i));
    }
    for (int i = 0; i < 100; ++i) {
        std::vector<int32_t> values(kTypes, 0);
        values[static_cast<std::size_t>(i % kTypes)] = 60;
        values[static_cast<std::size_t>((i + 7) % kTypes)] = 40;
        c.probabilities.push_back(probabilityEntryText(values));
    }
    for (int i = 0; i < 10000; ++i) {
        std::vector<int32_t> row(1, 1 + below(kTypes));
        row.insert(row.end(), static_cast<std::size_t>(1 + below(12)), kTypes + 1 + below(kCoaches));
        c.compositions.push_back(compositionText(row));
    }
    // One very long train set, every vehicle different from its neighbours.
    std::vector<int32_t> longRow;
    for (int i = 0; i < 2000; ++i) longRow.push_back(i % 2 == 0 ? 1 + i % kTypes : kTypes + 1 + i % kCoaches);
    c.compositions[1] = compositionText(longRow);

    c.trains.resize(trainCount);
    for (std::size_t i = 0; i < trainCount; ++i) {
        Train& t = c.trains[i];
        t.runType = below(3) == 0 ? 2 : below(2);
        t.arrivalTime = below(24) * 100 + below(60);
        t.entryPoint = below(3157);
        t.originStation = below(kNames);
        t.departureTime = below(24) * 100 + below(60);
        t.exitPoint = below(3157);
        t.destinationStation = below(kNames);
        t.arrivalNumber = below(100000);
        t.departureNumber = below(100000);
        t.arrivalCategory = trainCategories[static_cast<std::size_t>(below(26))].code;
        t.departureCategory = t.arrivalCategory;
        t.status = below(10) == 0;
        t.symbolVehicle = 1 + below(kTypes + kCoaches);
        t.composition = below(500);
        t.arrivalPlatform = below(10);
        t.departurePlatform = below(10);
        t.arrivalTrainName = below(kNames + 1);
        t.departureTrainName = t.arrivalTrainName;
    }
    c.depot.resize(10000);
    for (DepotEntry& e : c.depot) e = {1 + below(kTypes), 1 + below(99), below(kNames), 0, 0, 0};
    c.passages.resize(10000);
    for (LocomotivePassage& p : c.passages) {
        p = {1 + below(kTypes), below(kNames), below(static_cast<int>(trainCount)),
             below(static_cast<int>(trainCount)), below(101)};
    }
    c.authorInfo = "Rozkład wygenerowany do pomiarów.";
    return c;
}

}  // namespace rylmo::bench
