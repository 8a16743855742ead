#include "AssignPlatforms.h"

#include <charconv>
#include <iostream>
#include <optional>

#include "document/Error.h"
#include "document/ExitCodes.h"
#include "document/PlatformAssignment.h"
#include "document/PlatformPlanText.h"
#include "document/PolishCount.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"
#include "document/TimeText.h"

namespace rylmo::tool {

namespace {

constexpr int kOk = exit_codes::ok;
constexpr int kUsage = exit_codes::usage;
constexpr int kConflicts = exit_codes::findings;

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

}  // namespace

namespace {

// What the options after IN and OUT ask for; nullopt (and said) when one is wrong.
struct Options {
    PlacementRequest request;
    std::optional<PlatformSet> allowed;
};

std::optional<Options> readOptions(const std::vector<std::string>& args) {
    Options options;
    bool dwellGiven = false;
    const auto wrong = [](const std::string& what) {
        std::cerr << what << '\n';
        return std::nullopt;
    };
    for (std::size_t i = 3; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (option != "--platforms" && option != "--dwell")
            return wrong("Nieznana opcja: " + option);
        if (i + 1 == args.size()) return wrong("Brak wartości opcji " + option);
        const std::string& value = args[i + 1];
        if (option == "--platforms") {
            if (options.allowed) return wrong("Opcja --platforms podana więcej niż raz");
            options.allowed = platformList(value);
            if (!options.allowed) {
                return wrong("Niepoprawna lista peronów: " + value +
                             " (numery 1–9 i zakresy, np. 1-4,6)");
            }
        } else {
            if (dwellGiven) return wrong("Opcja --dwell podana więcej niż raz");
            dwellGiven = true;
            const std::optional<DwellTimes> dwell = dwellTimes(value);
            if (!dwell) {
                return wrong("Niepoprawne czasy postoju: " + value +
                             " (minuty po przyjeździe i przed odjazdem, 0–" +
                             std::to_string(limits::maxDwellMinutes) + ", np. 10,10)");
            }
            options.request.dwell = *dwell;
        }
    }
    return options;
}

// Runs step; a failure names the file it was about.
template <class Step>
auto aboutFile(const char* what, const std::string& path, Step step) {
    try {
        return step();
    } catch (const Error& error) {
        throw Error(std::string(what) + " " + path + ": " + error.what());
    }
}

}  // namespace

int assignPlatforms(const std::vector<std::string>& args,
                    const std::function<void(std::string_view)>& print) {
    if (args.size() < 3) return kUsage;
    std::optional<Options> options = readOptions(args);
    if (!options) return kUsage;
    PlacementRequest& request = options->request;
    TimetableContent content =
        aboutFile("Nie można odczytać pliku", args[1], [&] { return readTimetableFile(args[1]); });
    request.allowed = options->allowed ? *options->allowed
                                       : usedPlatforms(platformOccupancy(content, request.dwell));
    const PlatformPlan plan = planPlatforms(content, request, SIZE_MAX);
    for (const TrainChange& change : planChanges(content, plan))
        content.trains[change.train] = change.after;
    // OUT first: a report cut short (a closed pipe) must not cost the file.
    aboutFile("Nie można zapisać pliku", args[2], [&] {
        saveTimetableFile(content, args[2]);
        return 0;
    });
    std::string out;
    const auto flushSometimes = [&] {
        if (out.size() > 1 << 16) {
            print(out);
            out.clear();
        }
    };
    for (const StayPlacement& move : plan.moves) {
        const PlatformInterval& stay = plan.stays[move.stay];
        out += "pociąg " + std::to_string(stayNumber(content, stay)) + " (indeks " +
               std::to_string(stay.train) + "), " + span(stay) + ": peron " +
               std::to_string(stay.platform) + " → " + std::to_string(move.platform) + "\n";
        flushSometimes();
    }
    out += "Zmienione perony: " +
           polishCount(static_cast<int64_t>(plan.movedTrains), "pociąg", "pociągi", "pociągów") +
           ".\n";
    for (const UnplacedTrain& train : plan.unplaced) {
        const PlatformInterval& stay = plan.stays[train.stay];
        out += "bez wolnego peronu: pociąg " + std::to_string(stayNumber(content, stay)) +
               " (indeks " + std::to_string(train.train) + "), " + span(stay) + " na peronie " +
               std::to_string(stay.platform) + "; o " + minuteText(train.minute) + " " +
               crowdText(train, request.allowed.count()) + "\n";
        flushSometimes();
    }
    print(out);
    const bool clean =
        platformConflicts(content, platformOccupancy(content, request.dwell), 0).complete;
    return clean ? kOk : kConflicts;
}

}  // namespace rylmo::tool
