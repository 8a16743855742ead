#include "document/TimeText.h"

namespace rylmo {

std::string timeText(int32_t value) {
    std::string minutes = std::to_string(value % 100);
    if (minutes.size() != 2) minutes.insert(0, "0");
    return "Godz: " + std::to_string(value / 100) + ":" + minutes;
}

bool isValidTime(int32_t value) {
    return value >= 0 && value / 100 <= 23 && value % 100 <= 59;
}

}  // namespace rylmo
