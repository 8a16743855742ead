#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "document/Timetable.h"

namespace rylmo {

// Trains as text for the clipboard, and back. The program's own format starts with a line of
// its own, then one line per train: its position and its 26 fields, separated by tabs. Pasted
// text may also be the raw fields of a spreadsheet: 26 per line, or 27 with the position
// first as the raw train list shows them, with or without the raw list's header line.

inline constexpr std::string_view trainClipboardHeading = "Rylmo: pociągi";

// The group's trains (positions in trains) in the program's own format.
std::string trainClipboardText(const std::vector<Train>& trains,
                               const std::vector<std::size_t>& group);

// Trains read from pasted text; from holds the position each came from, or -1.
struct PastedTrains {
    std::vector<Train> trains;
    std::vector<int64_t> from;
};

// Why pasted text holds no trains: the 1-based line and a Polish message naming the line and
// the field.
struct PasteRefusal {
    std::size_t line = 0;
    std::string message;
};

std::variant<PastedTrains, PasteRefusal> readPastedTrains(std::string_view text);

}  // namespace rylmo
