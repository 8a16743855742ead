#include "SyntheticTimetable.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "document/CompositionText.h"
#include "document/ProbabilityText.h"
#include "document/TrainCategories.h"
#include "document/Windows1250.h"

namespace rylmo::bench {

TimetableContent syntheticTimetable(std::size_t trainCount) {
    std::mt19937 random(42);
    const auto below = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    constexpr int kTypes = 1000;
    constexpr int kCoaches = 1000;
    constexpr int kNames = 10000;
    const std::string trainName = utf8ToWindows1250("Pociąg ");

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
        c.trainNames.push_back(trainName + std::to_string(i));
    }
    for (int i = 0; i < 100; ++i) {
        std::vector<int32_t> values(kTypes, 0);
        values[static_cast<std::size_t>(i % kTypes)] = 60;
        values[static_cast<std::size_t>((i + 7) % kTypes)] = 40;
        c.probabilities.push_back(probabilityEntryText(values));
    }
    for (int i = 0; i < 10000; ++i) {
        std::vector<int32_t> row(1, 1 + below(kTypes));
        row.insert(row.end(), static_cast<std::size_t>(1 + below(12)),
                   kTypes + 1 + below(kCoaches));
        c.compositions.push_back(compositionText(row));
    }
    // One very long train set first, where the windows open: every vehicle different from its
    // neighbours.
    std::vector<int32_t> longRow;
    for (int i = 0; i < 2000; ++i)
        longRow.push_back(i % 2 == 0 ? 1 + i % kTypes : kTypes + 1 + i % kCoaches);
    c.compositions[0] = compositionText(longRow);

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
    // Document texts are Windows-1250, as the file holds them.
    c.authorInfo = utf8ToWindows1250("Rozkład wygenerowany do pomiarów.");
    return c;
}

namespace {

void put16(std::ofstream& out, uint16_t value) {
    out.put(static_cast<char>(value & 0xFF)).put(static_cast<char>(value >> 8));
}
void put32(std::ofstream& out, uint32_t value) {
    put16(out, static_cast<uint16_t>(value & 0xFFFF));
    put16(out, static_cast<uint16_t>(value >> 16));
}

// A 24-bit bitmap of a vehicle: a coloured body on the transparent background colour.
void writeBitmap(const std::filesystem::path& path, int width, int height, uint32_t colour) {
    std::ofstream out(path, std::ios::binary);
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    put16(out, 0x4D42);
    put32(out, static_cast<uint32_t>(54 + rowBytes * height));
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);
    put16(out, 24);
    for (int i = 0; i < 6; ++i) put32(out, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < rowBytes; ++x) {
            const bool body = x / 3 < width && y > 4 && y < height - 2;
            const uint32_t pixel = body ? colour : 0xFF00FF;
            out.put(static_cast<char>(pixel >> (8 * (2 - x % 3)) & 0xFF));
        }
    }
}

}  // namespace

void writePictures(const TimetableContent& content, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    uint32_t colour = 0x336699;
    for (const LocomotiveType& type : content.locomotiveTypes) {
        writeBitmap(folder / (std::string(type.pictureName()) + ".bmp"), 80, 40,
                    colour += 0x030507);
    }
    for (const std::string& coach : content.coaches)
        writeBitmap(folder / (coach + ".bmp"), 96, 40, colour += 0x050301);
}

}  // namespace rylmo::bench
