#include "document/RunTypes.h"

namespace rylmo {

const char* runTypeText(int32_t runType) {
    static const char* const texts[runTypeCount] = {"kończy bieg",
                                                    "rozpoczyna bieg",
                                                    "przelotowy",
                                                    "człon rozłączanego",
                                                    "człon rozłączanego, kończy bieg",
                                                    "nie zatrzymuje się",
                                                    "człon łączonego, rozpoczyna bieg"};
    return runType >= 0 && runType < runTypeCount ? texts[runType] : nullptr;
}

}  // namespace rylmo
