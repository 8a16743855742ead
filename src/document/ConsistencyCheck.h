#pragma once

#include <vector>

#include "document/Problem.h"
#include "document/Timetable.h"

namespace rylmo {

// Every problem of a timetable: references that point beyond their lists, values outside
// their ranges, broken coupling chains, probability entries that do not fit the types, and
// texts that would not survive saving. An empty list means the timetable is sound.
std::vector<Problem> checkTimetable(const TimetableContent& content);

}  // namespace rylmo
