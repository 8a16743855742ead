// The sentence of the deletion question that says what happens to the other references.
#include <string>
#include <vector>

#include "document/PolishCount.h"
#include "document/ReferenceChanges.h"

namespace rylmo {

namespace {

// A count with its noun and the verb that agrees with it: 1 sprzęg zostanie rozłączony,
// 2 sprzęgi zostaną rozłączone, 5 sprzęgów zostanie rozłączonych.
struct Forms {
    const char* one;
    const char* few;
    const char* many;
};

const char* formOf(int64_t count, const Forms& forms) {
    return polishForm(count, forms.one, forms.few, forms.many);
}

std::string counted(int64_t count, const Forms& noun, const Forms& verb) {
    return std::to_string(count) + " " + formOf(count, noun) + " " + formOf(count, verb);
}

// "dalszych pociągów": the entries after the deleted ones, as their list names them.
const char* laterEntries(Section list) {
    switch (list) {
        case Section::trains:
            return "pociągów";
        case Section::locomotiveTypes:
            return "lokomotyw i wagonów";
        case Section::coaches:
            return "wagonów";
        case Section::compositions:
            return "składów";
        case Section::probabilities:
            return "indeksów prawdopodobieństwa";
        case Section::depotNames:
            return "lokomotywowni";
        case Section::stationNames:
            return "stacji";
        case Section::trainNames:
            return "nazw pociągów";
        default:
            return "pozycji";
    }
}

}  // namespace

namespace {

// What goes with the deleted entries, with the verb of the first; empty for nothing.
std::string removedPart(const ReferenceEffects& e) {
    struct Removed {
        int count;
        Forms noun;
        Forms verb;
    };
    const Removed removed[] = {
        {e.passagesRemoved,
         {"przejście lokomotywy", "przejścia lokomotyw", "przejść lokomotyw"},
         {"Usunięte zostanie też", "Usunięte zostaną też", "Usuniętych zostanie też"}},
        {e.depotEntriesRemoved,
         {"wpis lokomotywowni", "wpisy lokomotywowni", "wpisów lokomotywowni"},
         {"Usunięty zostanie też", "Usunięte zostaną też", "Usuniętych zostanie też"}},
        {e.probabilityValuesRemoved,
         {"wartość w tablicy prawdopodobieństwa", "wartości w tablicy prawdopodobieństwa",
          "wartości w tablicy prawdopodobieństwa"},
         {"Usunięta zostanie też", "Usunięte zostaną też", "Usuniętych zostanie też"}},
    };
    std::string removedPart;
    int kinds = 0;
    for (const Removed& r : removed) {
        if (r.count == 0) continue;
        if (kinds++ == 0) {
            removedPart = std::string(formOf(r.count, r.verb)) + " ";
        } else {
            removedPart += " i ";
        }
        removedPart += std::to_string(r.count) + " " + formOf(r.count, r.noun);
    }
    // Several kinds take the plural verb whatever the first count.
    if (kinds > 1) removedPart.replace(0, removedPart.find(" też"), "Usunięte zostaną");
    return kinds > 0 ? removedPart : std::string();
}

}  // namespace

std::string referenceNotice(const ReferenceEffects& e, Section list, std::size_t deleted) {
    std::vector<std::string> parts;
    if (std::string removed = removedPart(e); !removed.empty()) parts.push_back(std::move(removed));

    const Forms trainNoun{"pociąg", "pociągi", "pociągów"};
    const Forms passageNoun{"przejście", "przejścia", "przejść"};
    const Forms loses{"straci", "stracą", "straci"};
    const std::string deletedVehicles = deleted == 1 ? "usunięty pojazd" : "usunięte pojazdy";
    struct Cleared {
        int count;
        Forms noun;
        Forms verb;
        std::string what;
    };
    const Cleared cleared[] = {
        {e.couplingsCleared,
         {"sprzęg", "sprzęgi", "sprzęgów"},
         {"zostanie rozłączony", "zostaną rozłączone", "zostanie rozłączonych"},
         ""},
        {e.symbolsCleared, trainNoun, loses, " pojazd symbolizujący"},
        {e.trainCompositionsCleared, trainNoun, loses, " skład wagonów"},
        {e.compositionsThinned, {"skład", "składy", "składów"}, loses, " " + deletedVehicles},
        {e.trainNamesCleared, trainNoun, loses, " nazwę"},
        {e.probabilityIndexesCleared,
         passageNoun,
         {"przestanie", "przestaną", "przestanie"},
         " korzystać z tablicy prawdopodobieństwa"},
        {e.depotMarksLost, passageNoun, loses, " oznaczenie przyjazdu z lokomotywowni"},
        {e.invalidated,
         {"odwołanie do usuniętej pozycji", "odwołania do usuniętej pozycji",
          "odwołań do usuniętej pozycji"},
         {"zostanie oznaczone jako błędne", "zostaną oznaczone jako błędne",
          "zostanie oznaczonych jako błędne"},
         " (pokaże je lista problemów)"},
    };
    for (const Cleared& c : cleared) {
        if (c.count > 0) parts.push_back(counted(c.count, c.noun, c.verb) + c.what);
    }
    if (e.renumbered > 0)
        parts.push_back(std::string("odwołania do dalszych ") + laterEntries(list) +
                        " zostaną poprawione");
    if (parts.empty()) return {};
    std::string notice;
    for (const std::string& part : parts) {
        if (!notice.empty()) notice += "; ";
        notice += part;
    }
    // The first part may start with a count or a lower-case word.
    if (std::string_view(notice).starts_with("odwołania")) notice[0] = 'O';
    return notice + ".";
}

}  // namespace rylmo
