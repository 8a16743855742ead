#include "document/TimeText.h"

#include "document/Codes.h"

namespace rylmo {

std::string clockText(int32_t hour, int32_t minute) {
    std::string minutes = std::to_string(minute);
    if (minutes.size() < 2) minutes.insert(0, "0");
    return std::to_string(hour) + ":" + minutes;
}

std::string minuteText(int32_t minutes) {
    minutes %= minutesPerDay;
    return clockText(minutes / 60, minutes % 60);
}

std::string timeText(int32_t value) {
    return "Godz: " + clockText(hourOf(value), minuteOf(value));
}

bool isValidTime(int32_t value) {
    return value >= 0 && hourOf(value) <= 23 && minuteOf(value) <= 59;
}

}  // namespace rylmo
