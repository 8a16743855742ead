#include "document/References.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "document/CompositionText.h"
#include "document/PolishCount.h"
#include "document/ProbabilityText.h"

namespace rylmo {

References referencesToVehicle(const TimetableContent& content, int32_t vehicle) {
    References r;
    for (const Train& train : content.trains) {
        if (train.symbolVehicle == vehicle || train.symbolUnit == vehicle) ++r.trains;
    }
    for (const DepotEntry& entry : content.depot) {
        if (entry.locomotiveType == vehicle) ++r.depotEntries;
    }
    for (const LocomotivePassage& passage : content.passages) {
        if (passage.locomotiveType == vehicle) ++r.passages;
    }
    for (const std::string& text : content.compositions) {
        try {
            const std::vector<int32_t> row = readComposition(text);
            if (std::find(row.begin(), row.end(), vehicle) != row.end()) ++r.compositions;
        } catch (const std::exception&) {
            // A composition that does not read refers to nothing.
        }
    }
    if (vehicle >= 1 && static_cast<std::size_t>(vehicle) <= content.locomotiveTypes.size()) {
        const auto type = static_cast<std::size_t>(vehicle) - 1;
        for (const std::string& text : content.probabilities) {
            // The values before one that does not read still give their types a chance.
            const std::vector<int32_t> values = readProbabilityValues(text).values;
            if (type < values.size() && values[type] != 0) ++r.probabilityEntries;
        }
    }
    return r;
}

References referencesToComposition(const TimetableContent& content, std::size_t index) {
    References r;
    for (const Train& train : content.trains) {
        if (train.composition > 0 && static_cast<std::size_t>(train.composition) == index)
            ++r.trains;
    }
    return r;
}

References referencesToProbabilityEntry(const TimetableContent& content, std::size_t index) {
    References r;
    for (const LocomotivePassage& passage : content.passages) {
        if (passage.probabilityIndex > 0 &&
            static_cast<std::size_t>(passage.probabilityIndex) == index + 1) {
            ++r.passages;
        }
    }
    return r;
}

std::string referenceWarning(const References& r) {
    if (!r.any()) return {};
    std::string parts;
    auto add = [&parts](int count, const char* one, const char* few, const char* many) {
        if (count == 0) return;
        if (!parts.empty()) parts += ", ";
        parts += polishCount(count, one, few, many);
    };
    add(r.trains, "pociąg", "pociągi", "pociągów");
    add(r.depotEntries, "wpis lokomotywowni", "wpisy lokomotywowni", "wpisów lokomotywowni");
    add(r.passages, "przejście", "przejścia", "przejść");
    add(r.compositions, "skład", "składy", "składów");
    add(r.probabilityEntries, "indeks prawdopodobieństwa", "indeksy prawdopodobieństwa",
        "indeksów prawdopodobieństwa");
    return "Odwołania do tej pozycji: " + parts +
           ". Numery w nich (i odwołania do dalszych pozycji) nie zmienią się, więc wskażą inne "
           "pozycje listy.";
}

}  // namespace rylmo
