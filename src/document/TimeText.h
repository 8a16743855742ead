#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace rylmo {

// A clock time as the program shows it: "7:05".
std::string clockText(int32_t hour, int32_t minute);

// A minute of the day as findings and the chart show it, "7:05"; past midnight from 0:00 again.
std::string minuteText(int32_t minutes);

// A time of day stored as hour * 100 + minute, shown as "Godz: 7:05".
std::string timeText(int32_t value);

// True for hour * 100 + minute with hour 0 to 23 and minute 0 to 59.
bool isValidTime(int32_t value);

// What a timetable's start time text means, for every reader (the check, the chart, the
// sheets, the general data window): hour × 100 + minute when the text is the decimal digits
// of a time of day ("600", "0", "2359"); nullopt for anything else (" 600", "$258", "+600",
// "2400", "660").
std::optional<int32_t> startTimeValue(std::string_view text);

// The hour and minute a start time text shows where one must be shown: its time; for decimal
// digits that are no time of day, each brought within its range ("2575" as 23:59); else 0:00.
std::pair<int32_t, int32_t> shownStartTime(std::string_view text);

}  // namespace rylmo
