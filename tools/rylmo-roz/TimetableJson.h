#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <string_view>

#include "document/Timetable.h"

namespace rylmo {

// The timetable as one JSON object with the keys in file order, texts in UTF-8, ended by a
// line break; handed to sink in pieces of about 64 KB.
void writeTimetableJson(const TimetableContent& content,
                        const std::function<void(std::string_view)>& sink);

// The inverse. Throws rylmo::Error for a missing key, a value of the wrong kind or size,
// an integer outside the signed 32-bit range, or a character with no Windows-1250 byte.
TimetableContent timetableFromJson(const nlohmann::json& json);

}  // namespace rylmo
