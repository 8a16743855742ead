#pragma once

#include <string>

#include "document/FileStamp.h"
#include "document/Timetable.h"

namespace rylmo {

// The bytes of content as a version-2 .roz file, CR LF line ends. Refuses (throws
// rylmo::Error) a content that would not read back as the same content.
std::string writeTimetable(const TimetableContent& content);

// Writes content to path without ever leaving a half-written file there: the bytes go to a
// temporary file in the same folder, which replaces the target only when all of it was
// written. On failure the previous file is intact and the error carries the system's text.
// stamp, when given, receives what the file is once written. A file that has to be written in
// place keeps a copy of its old bytes in inPlaceBackupFolder until the new ones are whole.
void saveTimetableFile(const TimetableContent& content, const std::string& path,
                       FileStamp* stamp = nullptr, const std::string& inPlaceBackupFolder = {});

}  // namespace rylmo
