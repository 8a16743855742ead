#include "document/PolishCount.h"

namespace rylmo {

std::string polishCount(int64_t count, const char* one, const char* few, const char* many) {
    const int64_t lastTwo = count % 100;
    const int64_t last = count % 10;
    const char* word = count == 1                                                   ? one
                       : (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) ? few
                                                                                    : many;
    return std::to_string(count) + " " + word;
}

}  // namespace rylmo
