#include "document/SaveCheck.h"

#include <algorithm>
#include <optional>

#include "document/Error.h"
#include "document/Tokens.h"

namespace rylmo {

namespace {

bool hasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}
bool hasNul(const std::string& text) {
    return text.find('\0') != std::string::npos;
}
bool isBlankOnly(const std::string& text) {
    return trimBlanks(text).empty();
}
bool hasBlankInside(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return isBlank(c); });
}

// "pusta nazwa stacji nr 2", numbered as the list's window numbers it.
std::string numbered(const std::string& what, Section section, std::size_t entry) {
    return entry == Problem::wholeSection ? what : what + " nr " + entryNumber(section, entry);
}

struct TextList {
    const std::vector<std::string>& entries;
    Section section;
    const char* emptyWhat;  // "pusta nazwa stacji", used as "pusta nazwa stacji nr 2"
    const char* what;       // "nazwa stacji", used as "nazwa stacji nr 2 zawiera ..."
};

// Hands each part found on; stops the search when the receiver has had enough, or when
// told to stop.
class Finder {
public:
    Finder(const std::function<bool(Problem&&)>& found, const std::atomic<bool>* stop)
        : m_found(found), m_stop(stop) {}
    struct Enough {};
    void push_back(Problem&& problem) {
        if (!m_found(std::move(problem))) throw Enough{};
    }
    void poll() const {
        if (m_stop && m_stop->load(std::memory_order_relaxed)) throw Enough{};
    }

private:
    const std::function<bool(Problem&&)>& m_found;
    const std::atomic<bool>* m_stop;
};

void checkOneLineText(Finder& problems, const std::string& text, Section section, std::size_t entry,
                      Field field, const char* emptyWhat, const char* what) {
    if (isBlankOnly(text)) {
        problems.push_back({section, entry, field, numbered(emptyWhat, section, entry)});
    } else if (hasLineBreak(text)) {
        problems.push_back({section, entry, field,
                            numbered(what, section, entry) + " zawiera znak końca wiersza"});
    } else if (hasNul(text)) {
        problems.push_back(
            {section, entry, field, numbered(what, section, entry) + " zawiera znak o kodzie 0"});
    }
}

void findGeneralParts(const TimetableContent& content, Finder& problems) {
    const Section general = Section::generalData;
    const std::size_t whole = Problem::wholeSection;
    checkOneLineText(problems, content.stationPicture, general, whole,
                     fieldOf(GeneralField::stationPicture), "pusta nazwa pliku stacji",
                     "nazwa pliku stacji");
    if (isBlankOnly(content.startTime)) {
        problems.push_back(
            {general, whole, fieldOf(GeneralField::startTime), "pusty czas rozpoczęcia"});
    } else if (content.startTime.find(',') != std::string::npos ||
               hasBlankInside(content.startTime)) {
        problems.push_back({general, whole, fieldOf(GeneralField::startTime),
                            "czas rozpoczęcia zawiera przecinek, spację lub znak sterujący"});
    }
    if (hasNul(content.authorInfo)) {
        problems.push_back({general, whole, fieldOf(GeneralField::authorInfo),
                            "informacja o autorze zawiera znak o kodzie 0"});
    }
}

void findTextListParts(const TimetableContent& content, Finder& problems) {
    const TextList lists[] = {
        {content.probabilities, Section::probabilities, "pusty indeks prawdopodobieństwa",
         "indeks prawdopodobieństwa"},
        {content.compositions, Section::compositions, "pusty skład", "skład"},
        {content.coaches, Section::coaches, "pusta nazwa wagonu", "nazwa wagonu"},
        {content.depotNames, Section::depotNames, "pusta nazwa lokomotywowni",
         "nazwa lokomotywowni"},
        {content.stationNames, Section::stationNames, "pusta nazwa stacji", "nazwa stacji"},
        {content.trainNames, Section::trainNames, "pusta nazwa pociągu", "nazwa pociągu"},
    };
    for (const TextList& list : lists) {
        for (std::size_t i = 0; i < list.entries.size(); ++i) {
            problems.poll();
            checkOneLineText(problems, list.entries[i], list.section, i, Field::none,
                             list.emptyWhat, list.what);
        }
    }
}

void findEachPart(const TimetableContent& content, Finder& problems) {
    findGeneralParts(content, problems);
    findTextListParts(content, problems);

    struct TypeWord {
        LocomotiveType::Word word;
        const char* emptyWhat;
        const char* what;
    };
    static const TypeWord words[] = {
        {&LocomotiveType::pictureName, "pusta nazwa rysunku lokomotywy",
         "nazwa rysunku lokomotywy"},
        {&LocomotiveType::typeName, "pusta nazwa typu lokomotywy", "nazwa typu lokomotywy"},
        {&LocomotiveType::kind, "pusty rodzaj lokomotywy", "rodzaj lokomotywy"},
        {&LocomotiveType::hierarchy, "pusta hierarchia lokomotywy", "hierarchia lokomotywy"},
    };
    for (std::size_t i = 0; i < content.locomotiveTypes.size(); ++i) {
        problems.poll();
        for (std::size_t w = 0; w < std::size(words); ++w) {
            const TypeWord& word = words[w];
            const std::string_view text = (content.locomotiveTypes[i].*word.word)();
            const Field field = fieldAt(static_cast<int>(w) + 1);
            if (text.empty()) {
                problems.push_back({Section::locomotiveTypes, i, field,
                                    numbered(word.emptyWhat, Section::locomotiveTypes, i)});
            } else if (hasBlankInside(text)) {
                problems.push_back({Section::locomotiveTypes, i, field,
                                    numbered(word.what, Section::locomotiveTypes, i) +
                                        " zawiera spację lub znak sterujący"});
            }
        }
    }
    if (content.locomotiveTypeCount < 0 ||
        static_cast<std::size_t>(content.locomotiveTypeCount) != content.locomotiveTypes.size()) {
        problems.push_back({Section::locomotiveTypes, Problem::wholeSection,
                            fieldOf(GeneralField::locomotiveTypeCount),
                            "liczba typów lokomotyw (" +
                                std::to_string(content.locomotiveTypeCount) +
                                ") różni się od liczby zdefiniowanych lokomotyw (" +
                                std::to_string(content.locomotiveTypes.size()) + ")"});
    }
}

}  // namespace

std::vector<Problem> unsavableParts(const TimetableContent& content) {
    std::vector<Problem> problems;
    findUnsavableParts(content, [&problems](Problem&& problem) {
        problems.push_back(std::move(problem));
        return true;
    });
    return problems;
}

void findUnsavableParts(const TimetableContent& content,
                        const std::function<bool(Problem&&)>& found,
                        const std::atomic<bool>* stop) {
    Finder problems(found, stop);
    try {
        findEachPart(content, problems);
    } catch (const Finder::Enough&) {
        // The receiver has what it needs.
    }
}

void checkSavable(const TimetableContent& content) {
    std::optional<Problem> first;
    findUnsavableParts(content, [&first](Problem&& problem) {
        first = std::move(problem);
        return false;
    });
    if (first) throw Error("Nie można zapisać rozkładu: " + first->message + ".");
}

}  // namespace rylmo
