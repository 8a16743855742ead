#pragma once

#include <QString>
#include <array>
#include <string>
#include <variant>
#include <vector>

#include "editing/EntryList.h"

namespace rylmo::texts {

// The three name lists, one page each, in the order the names dialog shows them.
struct NamePage {
    const char* caption;
    const char* objectName;
    editing::ListMember<std::string> list;
};

inline const std::array<NamePage, 3> namePages = {{
    {"Lokomotywownie", "depotNames", &TimetableContent::depotNames},
    {"Stacje", "stationNames", &TimetableContent::stationNames},
    {"Nazwy pociągów", "trainNames", &TimetableContent::trainNames},
}};

// Why a page's text cannot become its list: the 1-based line and the message.
struct PageRefusal {
    int line;
    QString message;
};

// The names of a page's text, one per line, each trimmed of outer blanks and control
// characters. Empty lines at the end are not names; an empty line before a name, or a
// character that Windows-1250 cannot hold, is refused.
std::variant<std::vector<std::string>, PageRefusal> namesOfPage(const QString& text,
                                                                const QString& caption);

// Names longer than this are shown cut, on a page that can only be looked at: a text box
// takes seconds to lay out a line of a megabyte, and no station is named that long.
constexpr std::size_t longestEditableName = 1000;

// Whether any of the names is too long to edit in a page.
bool holdsUneditableName(const std::vector<std::string>& names);

// The page's text for names first to last - 1 of a list: one name per line, each cut to
// longest characters.
QString pageText(const std::vector<std::string>& names, std::size_t first, std::size_t last,
                 std::size_t longest = longestEditableName);

}  // namespace rylmo::texts
