#pragma once

#include "document/Timetable.h"

namespace rylmo::bench {

// A large, sound timetable with realistic values: 100,000 trains, 10,000 depot entries and
// passages, 1,000 names in each name list.
TimetableContent syntheticTimetable(std::size_t trains = 100000);

}  // namespace rylmo::bench
