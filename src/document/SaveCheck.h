#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "document/Problem.h"
#include "document/Timetable.h"

namespace rylmo {

// Texts that would not read back as written: an empty one-line text is skipped as blank
// space on reading and shifts every later token, a line break splits a one-line text, a
// blank splits a locomotive type word, a comma or blank cuts the start time, and a NUL byte
// ends the file. Also a locomotive type count that disagrees with the type list.
std::vector<Problem> unsavableParts(const TimetableContent& content);

// The same parts one by one, as they are found; found returns false to stop, and the search
// also ends soon after *stop becomes true.
void findUnsavableParts(const TimetableContent& content,
                        const std::function<bool(Problem&&)>& found,
                        const std::atomic<bool>* stop = nullptr);

// Throws rylmo::Error "Nie można zapisać rozkładu: ..." for the first unsavable part.
void checkSavable(const TimetableContent& content);

}  // namespace rylmo
