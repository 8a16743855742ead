#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/Timetable.h"

namespace rylmo {

// What a recovery file says of the unsaved document it holds.
struct RecoveryHeader {
    std::string documentPath;  // the file the document saves to; empty when it is untitled
    int64_t savedAt = 0;       // when it was written: seconds since 1970-01-01 UTC
    int64_t changes = 0;       // edits since the document was opened or last saved

    bool operator==(const RecoveryHeader&) const = default;
};

// The bytes of a recovery file: a few header lines, then every part of content with each text
// behind its length, so that any content reads back equal, also one the .roz writer refuses
// (an empty name, a text with a line break). The body's length and hash in the header tell a
// file cut short or changed.
std::string recoveryBytes(const RecoveryHeader& header, const TimetableContent& content);

// The header alone, read from the start of a recovery file (the body need not be there).
// Throws rylmo::Error when the bytes are no recovery file.
RecoveryHeader readRecoveryHeader(std::string_view bytes);

// The content of a whole recovery file. Throws rylmo::Error for anything but a complete,
// unchanged recovery file: never a half-read content.
TimetableContent readRecoveryContent(std::string_view bytes);

// The small index written beside a recovery file (UTF-8 lines "klucz=wartość"), and back.
std::string recoveryIndexText(const RecoveryHeader& header);
RecoveryHeader readRecoveryIndex(std::string_view text);

}  // namespace rylmo
