#include "document/PolishCount.h"

namespace rylmo {

const char* polishForm(int64_t count, const char* one, const char* few, const char* many) {
    const int64_t lastTwo = count % 100;
    const int64_t last = count % 10;
    if (count == 1) return one;
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) return few;
    return many;
}

std::string polishCount(int64_t count, const char* one, const char* few, const char* many) {
    std::string text = std::to_string(count);
    text += ' ';
    text += polishForm(count, one, few, many);
    return text;
}

}  // namespace rylmo
