#pragma once

#include <string>
#include <string_view>

#include "document/FileStamp.h"
#include "document/Timetable.h"

namespace rylmo {

// Reads the bytes of a .roz file (version 1 or 2) into a new content. Either returns the
// whole content or throws rylmo::Error; nothing is ever half-read.
TimetableContent readTimetable(std::string_view bytes);

// Reads the file at path. Fails with "niemozliwe otwarcie pliku" when the file cannot be
// opened for reading and writing: a timetable that is opened is one that can be saved back.
// stamp, when given, receives what the file was when it was read.
TimetableContent readTimetableFile(const std::string& path, FileStamp* stamp = nullptr);

}  // namespace rylmo
