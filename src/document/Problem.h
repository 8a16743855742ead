#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "document/Timetable.h"

namespace rylmo {

// The parts of a timetable a finding can be about; each is mended in its own window.
enum class Section : uint8_t {
    trains,
    depot,
    passages,
    probabilities,
    compositions,
    locomotiveTypes,
    coaches,
    depotNames,
    stationNames,
    trainNames,
    generalData,
    platforms,  // trains that hold one platform at once; the entry is the first train
};

// The field of an entry a finding is about. In the record sections (trains, depot, passages)
// its 1-based position in the record, as in the file; for locomotive types the word (1 picture
// name, 2 type name, 3 kind, 4 hierarchy); the texts of the general data, and the count of
// types, are GeneralFields, numbered apart from every position.
enum class Field : uint8_t { none = 0 };

enum class GeneralField : uint8_t {
    stationPicture = 101,
    startTime,
    authorInfo,
    locomotiveTypeCount
};

inline Field fieldAt(int position) {
    return static_cast<Field>(position);
}
inline Field fieldOf(GeneralField field) {
    return static_cast<Field>(field);
}
// The field of a record's member.
template <class Record>
constexpr Field fieldOf(int32_t Record::*member) {
    return static_cast<Field>(fieldPosition(member));
}

// One thing wrong with a document. The message is Polish (UTF-8) and names the entry and the
// field as the windows do, so that it can be shown alone.
struct Problem {
    static constexpr std::size_t wholeSection = SIZE_MAX;

    Section section = Section::generalData;
    std::size_t entry = wholeSection;  // 0-based position in the section
    Field field = Field::none;
    std::string message;
    std::size_t otherEntry = wholeSection;  // the second train of a platform conflict
};

// Whether the finding's entry is a train's position (its train then carries the mark).
inline bool isAboutTrain(Section section) {
    return section == Section::trains || section == Section::platforms;
}

// The section's title, as the panel and the menus name it ("Pociągi", "Lokomotywownia").
const char* sectionTitle(Section section);

// The field's label as its window shows it ("stacja docelowa"); empty for Field::none.
std::string fieldLabel(Section section, Field field);

// The entry's number as its window shows it: trains and compositions count from 0, as the
// train list and the train dialog do; the other lists from 1. Empty for a section as a whole.
std::string entryNumber(Section section, std::size_t entry);

// "pociąg nr 4, stacja docelowa: " and the like: how a finding names its entry and field.
std::string findingPlace(Section section, std::size_t entry, Field field);

// "Pociągi: pociąg nr 4, stacja docelowa: ...", one line.
std::string describe(const Problem& problem);

}  // namespace rylmo
