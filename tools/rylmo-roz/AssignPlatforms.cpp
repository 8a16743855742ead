#include "AssignPlatforms.h"

#include <charconv>
#include <iostream>
#include <optional>

#include "document/PlatformAssignment.h"
#include "document/Problem.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"
#include "document/TimeText.h"

namespace rylmo::tool {

namespace {

constexpr int kOk = 0;
constexpr int kUsage = 2;
constexpr int kConflicts = 3;

// "10,10": minutes after arrival and before departure, each 0..limits::maxDwellMinutes.
std::optional<DwellTimes> dwellTimes(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto minutes = [](std::string_view digits) -> std::optional<int32_t> {
        int32_t value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
            value < 0 || value > limits::maxDwellMinutes) {
            return std::nullopt;
        }
        return value;
    };
    const auto after = minutes(text.substr(0, comma));
    const auto before = minutes(text.substr(comma + 1));
    if (!after || !before) return std::nullopt;
    return DwellTimes{*after, *before};
}

std::string span(const PlatformInterval& stay) {
    return minuteText(stay.start) + "–" + minuteText(stay.end);
}

int32_t numberOf(const TimetableContent& content, const PlatformInterval& stay) {
    const Train& t = content.trains[stay.train];
    return stay.arrivalSide ? t.arrivalNumber : t.departureNumber;
}

}  // namespace

int assignPlatforms(const std::vector<std::string>& args,
                    const std::function<void(std::string_view)>& print) {
    if (args.size() < 3 || args.size() % 2 == 0) return kUsage;
    PlacementRequest request;
    std::optional<PlatformSet> allowed;
    for (std::size_t i = 3; i + 1 < args.size(); i += 2) {
        if (args[i] == "--platforms" && !allowed) {
            allowed = platformList(args[i + 1]);
            if (!allowed) {
                std::cerr << "Niepoprawna lista peronów: " << args[i + 1]
                          << " (numery 1–9 i zakresy, np. 1-4,6)\n";
                return kUsage;
            }
        } else if (args[i] == "--dwell") {
            const std::optional<DwellTimes> dwell = dwellTimes(args[i + 1]);
            if (!dwell) {
                std::cerr << "Niepoprawne czasy postoju: " << args[i + 1]
                          << " (minuty po przyjeździe i przed odjazdem, 0–"
                          << limits::maxDwellMinutes << ", np. 10,10)\n";
                return kUsage;
            }
            request.dwell = *dwell;
        } else {
            return kUsage;
        }
    }
    TimetableContent content = readTimetableFile(args[1]);
    request.allowed = allowed ? *allowed : usedPlatforms(platformOccupancy(content, request.dwell));
    const PlatformPlan plan = planPlatforms(content, request, SIZE_MAX);
    std::string out;
    for (const StayPlacement& move : plan.moves) {
        const PlatformInterval& stay = plan.stays[move.stay];
        out += "pociąg " + std::to_string(numberOf(content, stay)) + " (indeks " +
               std::to_string(stay.train) + "), " + span(stay) + ": peron " +
               std::to_string(stay.platform) + " → " + std::to_string(move.platform) + "\n";
        if (out.size() > 1 << 16) {
            print(out);
            out.clear();
        }
    }
    for (const TrainChange& change : planChanges(content, plan))
        content.trains[change.train] = change.after;
    saveTimetableFile(content, args[2]);
    out += "Zmienione perony: " +
           polishCount(static_cast<int64_t>(plan.movedTrains), "pociąg", "pociągi", "pociągów") +
           ".\n";
    for (const UnplacedTrain& train : plan.unplaced) {
        const PlatformInterval& stay = plan.stays[train.stay];
        out += "bez wolnego peronu: pociąg " + std::to_string(numberOf(content, stay)) +
               " (indeks " + std::to_string(train.train) + "), " + span(stay) + " na peronie " +
               std::to_string(stay.platform) + "; o " + minuteText(train.minute) + " " +
               polishCount(train.stays, "postój", "postoje", "postojów") + " na " +
               polishCount(static_cast<int64_t>(request.allowed.count()), "peronie", "peronach",
                           "peronach") +
               "\n";
        if (out.size() > 1 << 16) {
            print(out);
            out.clear();
        }
    }
    print(out);
    const bool clean =
        platformConflicts(content, platformOccupancy(content, request.dwell), 0).complete;
    return clean ? kOk : kConflicts;
}

}  // namespace rylmo::tool
