#include "document/TimeText.h"

#include "document/Codes.h"

namespace rylmo {

std::string timeText(int32_t value) {
    std::string minutes = std::to_string(minuteOf(value));
    if (minutes.size() != 2) minutes.insert(0, "0");
    return "Godz: " + std::to_string(hourOf(value)) + ":" + minutes;
}

bool isValidTime(int32_t value) {
    return value >= 0 && hourOf(value) <= 23 && minuteOf(value) <= 59;
}

}  // namespace rylmo
