#include "document/SaveCheck.h"

#include <algorithm>

#include "document/Error.h"
#include "document/Tokens.h"

namespace rylmo {

namespace {

bool hasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}
bool hasNul(const std::string& text) { return text.find('\0') != std::string::npos; }
bool isBlankOnly(const std::string& text) { return trimBlanks(text).empty(); }
bool hasBlankInside(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return isBlank(c); });
}

std::string numbered(const std::string& what, std::size_t entry) {
    return entry ? what + " nr " + std::to_string(entry) : what;
}

struct TextList {
    const std::vector<std::string>& entries;
    const char* section;
    const char* emptyWhat;  // "pusta nazwa stacji", used as "pusta nazwa stacji nr 2"
    const char* what;       // "nazwa stacji", used as "nazwa stacji nr 2 zawiera ..."
};

void checkOneLineText(std::vector<Problem>& problems, const std::string& text,
                      const char* section, std::size_t entry, const char* emptyWhat,
                      const char* what) {
    if (isBlankOnly(text)) {
        problems.push_back({section, entry, "", numbered(emptyWhat, entry)});
    } else if (hasLineBreak(text)) {
        problems.push_back(
            {section, entry, "", numbered(what, entry) + " zawiera znak końca wiersza"});
    } else if (hasNul(text)) {
        problems.push_back({section, entry, "", numbered(what, entry) + " zawiera znak o kodzie 0"});
    }
}

}  // namespace

std::vector<Problem> unsavableParts(const TimetableContent& content) {
    std::vector<Problem> problems;
    checkOneLineText(problems, content.stationPicture, "Dane ogólne", 0, "pusta nazwa pliku stacji",
                     "nazwa pliku stacji");
    if (isBlankOnly(content.startTime)) {
        problems.push_back({"Dane ogólne", 0, "startTime", "pusty czas rozpoczęcia"});
    } else if (content.startTime.find(',') != std::string::npos || hasBlankInside(content.startTime)) {
        problems.push_back({"Dane ogólne", 0, "startTime",
                            "czas rozpoczęcia zawiera przecinek, spację lub znak sterujący"});
    }
    if (hasNul(content.authorInfo)) {
        problems.push_back({"Dane ogólne", 0, "authorInfo",
                            "informacja o autorze zawiera znak o kodzie 0"});
    }

    const TextList lists[] = {
        {content.probabilities, "Tablica prawdopodobieństwa", "pusty indeks prawdopodobieństwa",
         "indeks prawdopodobieństwa"},
        {content.compositions, "Skład pociągów", "pusty skład", "skład"},
        {content.coaches, "Wagony", "pusta nazwa wagonu", "nazwa wagonu"},
        {content.depotNames, "Lokomotywownie", "pusta nazwa lokomotywowni", "nazwa lokomotywowni"},
        {content.stationNames, "Stacje", "pusta nazwa stacji", "nazwa stacji"},
        {content.trainNames, "Nazwy pociągów", "pusta nazwa pociągu", "nazwa pociągu"},
    };
    for (const TextList& list : lists) {
        for (std::size_t i = 0; i < list.entries.size(); ++i) {
            checkOneLineText(problems, list.entries[i], list.section, i + 1, list.emptyWhat,
                             list.what);
        }
    }

    struct TypeWord {
        std::string LocomotiveType::*member;
        const char* field;
        const char* emptyWhat;
        const char* what;
    };
    static const TypeWord words[] = {
        {&LocomotiveType::pictureName, "pictureName", "pusta nazwa rysunku lokomotywy",
         "nazwa rysunku lokomotywy"},
        {&LocomotiveType::typeName, "typeName", "pusta nazwa typu lokomotywy",
         "nazwa typu lokomotywy"},
        {&LocomotiveType::kind, "kind", "pusty rodzaj lokomotywy", "rodzaj lokomotywy"},
        {&LocomotiveType::hierarchy, "hierarchy", "pusta hierarchia lokomotywy",
         "hierarchia lokomotywy"},
    };
    for (std::size_t i = 0; i < content.locomotiveTypes.size(); ++i) {
        for (const TypeWord& word : words) {
            const std::string& text = content.locomotiveTypes[i].*word.member;
            if (text.empty()) {
                problems.push_back({"Lokomotywy", i + 1, word.field, numbered(word.emptyWhat, i + 1)});
            } else if (hasBlankInside(text)) {
                problems.push_back({"Lokomotywy", i + 1, word.field,
                                    numbered(word.what, i + 1) +
                                        " zawiera spację lub znak sterujący"});
            }
        }
    }
    if (content.locomotiveTypeCount < 0 ||
        static_cast<std::size_t>(content.locomotiveTypeCount) != content.locomotiveTypes.size()) {
        problems.push_back({"Lokomotywy", 0, "locomotiveTypeCount",
                            "liczba typów lokomotyw (" + std::to_string(content.locomotiveTypeCount) +
                                ") różni się od liczby zdefiniowanych lokomotyw (" +
                                std::to_string(content.locomotiveTypes.size()) + ")"});
    }
    return problems;
}

void checkSavable(const TimetableContent& content) {
    const std::vector<Problem> problems = unsavableParts(content);
    if (!problems.empty()) {
        throw Error("Nie można zapisać rozkładu: " + problems.front().message + ".");
    }
}

}  // namespace rylmo
