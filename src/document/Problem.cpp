#include "document/Problem.h"

#include <array>

namespace rylmo {

namespace {

struct SectionText {
    const char* title;
    const char* entryNoun;  // "pociąg", used as "pociąg nr 4"
};

constexpr std::array<SectionText, 12> kSections = {{
    {"Pociągi", "pociąg"},
    {"Lokomotywownia", "wpis"},
    {"Przejścia lokomotyw", "przejście"},
    {"Tablica prawdopodobieństwa", "indeks"},
    {"Skład pociągów", "skład"},
    {"Lokomotywy", "lokomotywa"},
    {"Wagony", "wagon"},
    {"Lokomotywownie", "nazwa"},
    {"Stacje", "nazwa"},
    {"Nazwy pociągów", "nazwa"},
    {"Dane ogólne", ""},
    {"Perony", ""},
}};

// Labels of the record fields, by section and 1-based position, as the dialogs show them.
constexpr const char* kTrainFields[] = {"rodzaj pociągu",
                                        "godzina przyjazdu",
                                        "punkt wjazdowy",
                                        "stacja początkowa",
                                        "zespół trakcyjny",
                                        "godzina odjazdu",
                                        "punkt wyjazdowy",
                                        "stacja docelowa",
                                        "lokomotywownia zespołu",
                                        "numer pociągu przy przyjeździe",
                                        "numer pociągu przy odjeździe",
                                        "skład połączony",
                                        "skład do połączenia",
                                        "kategoria przyjazdu",
                                        "kategoria odjazdu",
                                        "status pociągu",
                                        "wagon symbolizujący",
                                        "zestawienie wagonów",
                                        "peron przyjazdu",
                                        "peron odjazdu",
                                        "nazwa pociągu przy przyjeździe",
                                        "nazwa pociągu przy odjeździe",
                                        "współrzędna punktu postoju",
                                        "pozycja postoju",
                                        "numer w grupie torów",
                                        "pole zarezerwowane"};
constexpr const char* kDepotFields[] = {"typ lokomotywy",     "ilość",   "lokomotywownia",
                                        "współrzędna punktu", "pozycja", "numer w grupie torów"};
constexpr const char* kPassageFields[] = {"typ lokomotywy", "lokomotywownia",
                                          "pociąg przyjeżdżający", "pociąg odjeżdżający",
                                          "indeks tablicy prawdopodobieństwa"};
constexpr const char* kTypeWords[] = {"nazwa rysunku", "nazwa typu", "rodzaj", "hierarchia"};
constexpr const char* kGeneralFields[] = {"obraz stacji", "godzina rozpoczęcia",
                                          "informacje o autorze", "liczba typów lokomotyw"};

template <std::size_t N>
std::string labelAt(const char* const (&labels)[N], Field field) {
    const auto position = static_cast<std::size_t>(field);
    return position >= 1 && position <= N ? labels[position - 1] : "";
}

}  // namespace

const char* sectionTitle(Section section) {
    return kSections[static_cast<std::size_t>(section)].title;
}

std::string fieldLabel(Section section, Field field) {
    switch (section) {
        case Section::trains:
            return labelAt(kTrainFields, field);
        case Section::depot:
            return labelAt(kDepotFields, field);
        case Section::passages:
            return labelAt(kPassageFields, field);
        default:
            break;
    }
    // The texts of the general data, and the count of types that belongs to the types.
    const auto position = static_cast<std::size_t>(field);
    if (position >= static_cast<std::size_t>(GeneralField::stationPicture)) {
        return labelAt(kGeneralFields, fieldAt(static_cast<int>(position) - 100));
    }
    return section == Section::locomotiveTypes ? labelAt(kTypeWords, field) : "";
}

std::string entryNumber(Section section, std::size_t entry) {
    if (entry == Problem::wholeSection) return "";
    const bool fromZero = section == Section::trains || section == Section::compositions ||
                          section == Section::platforms;
    return std::to_string(fromZero ? entry : entry + 1);
}

std::string findingPlace(Section section, std::size_t entry, Field field) {
    std::string place;
    const char* noun = kSections[static_cast<std::size_t>(section)].entryNoun;
    if (entry != Problem::wholeSection && *noun) {
        place = std::string(noun) + " nr " + entryNumber(section, entry);
    }
    const std::string label = fieldLabel(section, field);
    if (!label.empty()) place += (place.empty() ? "" : ", ") + label;
    return place.empty() ? place : place + ": ";
}

std::string describe(const Problem& problem) {
    return std::string(sectionTitle(problem.section)) + ": " + problem.message;
}

}  // namespace rylmo
