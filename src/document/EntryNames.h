#pragma once

#include <cstdint>
#include <string>

#include "document/Timetable.h"

namespace rylmo {

// Names of the entries that records point at, as every window shows them. A number that no
// entry has is shown as a placeholder naming the number ("nieznany typ (7)"), so that a
// window can show a stored value it cannot offer and keep it. Texts are Windows-1250, as in
// the document.

std::string unknownTypeText(int64_t type);
std::string unknownDepotText(int64_t depot);

// The 1-based locomotive type, or null when there is none of that number.
const LocomotiveType* typeNumbered(const TimetableContent& content, int64_t type);

// typeName of the 1-based locomotive type, or the placeholder.
std::string typeNameOrPlaceholder(const TimetableContent& content, int64_t type);

// The 0-based depot's name, or the placeholder.
std::string depotNameOrPlaceholder(const TimetableContent& content, int64_t depot);

}  // namespace rylmo
