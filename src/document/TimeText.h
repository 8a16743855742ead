#pragma once

#include <cstdint>
#include <string>

namespace rylmo {

// A clock time as the program shows it: "7:05".
std::string clockText(int32_t hour, int32_t minute);

// A minute of the day as findings and the chart show it, "7:05"; past midnight from 0:00 again.
std::string minuteText(int32_t minutes);

// A time of day stored as hour * 100 + minute, shown as "Godz: 7:05".
std::string timeText(int32_t value);

// True for hour * 100 + minute with hour 0 to 23 and minute 0 to 59.
bool isValidTime(int32_t value);

}  // namespace rylmo
