#include "document/TimeText.h"

#include <algorithm>

#include "document/Codes.h"

namespace rylmo {

std::string clockText(int32_t hour, int32_t minute) {
    std::string text = std::to_string(hour);
    text += minute >= 0 && minute < 10 ? ":0" : ":";
    text += std::to_string(minute);
    return text;
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

namespace {

// The decimal digits of text as a number, when it is nothing else and fits.
std::optional<int32_t> decimalDigits(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<int32_t> startTimeValue(std::string_view text) {
    const std::optional<int32_t> value = decimalDigits(text);
    if (!value || !isValidTime(*value)) return std::nullopt;
    return value;
}

std::pair<int32_t, int32_t> shownStartTime(std::string_view text) {
    const std::optional<int32_t> value = decimalDigits(text);
    if (!value) return {0, 0};
    return {std::clamp(hourOf(*value), 0, 23), std::clamp(minuteOf(*value), 0, 59)};
}

}  // namespace rylmo
