#pragma once

#include <cstddef>
#include <string>

namespace rylmo {

// One thing wrong with a document. The message is Polish and names the entry and the field
// itself, so that it can be shown alone.
struct Problem {
    std::string section;     // the section as the editor names it, e.g. "Pociągi"
    std::size_t entry = 0;   // 1-based entry of the section; 0 for the section as a whole
    std::string field;       // the record field, empty when the entry is a text
    std::string message;

    std::string describe() const { return section + ": " + message; }
};

}  // namespace rylmo
