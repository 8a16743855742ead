#pragma once

#include <filesystem>

#include "document/Timetable.h"

namespace rylmo::bench {

// A large, sound timetable with realistic values: 100,000 trains, 1,000 locomotive types and
// coaches, 10,000 compositions (the first one of 2,000 vehicles), 10,000 names in each name
// list, 10,000 depot entries and passages, 100 probability entries.
TimetableContent syntheticTimetable(std::size_t trains = 100000);

// A bitmap for every locomotive type and coach of content, written into folder.
void writePictures(const TimetableContent& content, const std::filesystem::path& folder);

}  // namespace rylmo::bench
