#pragma once

#include <nlohmann/json.hpp>

#include "document/Timetable.h"

namespace rylmo {

// The timetable as one JSON object with the keys in file order; texts in UTF-8.
nlohmann::ordered_json timetableToJson(const TimetableContent& content);

// The inverse. Throws rylmo::Error for a missing key, a value of the wrong kind or size,
// an integer outside the signed 32-bit range, or a character with no Windows-1250 byte.
TimetableContent timetableFromJson(const nlohmann::json& json);

}  // namespace rylmo
