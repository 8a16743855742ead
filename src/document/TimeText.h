#pragma once

#include <cstdint>
#include <string>

namespace rylmo {

// A time of day stored as hour * 100 + minute, shown as "Godz: 7:05".
std::string timeText(int32_t value);

// True for hour * 100 + minute with hour 0 to 23 and minute 0 to 59.
bool isValidTime(int32_t value);

}  // namespace rylmo
