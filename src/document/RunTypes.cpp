#include "document/RunTypes.h"

namespace rylmo {

namespace {

constexpr const char* runTypeTexts[runTypeCount] = {"kończy bieg",
                                                    "rozpoczyna bieg",
                                                    "przelotowy",
                                                    "człon rozłączanego",
                                                    "człon rozłączanego, kończy bieg",
                                                    "nie zatrzymuje się",
                                                    "człon łączonego, rozpoczyna bieg"};

constexpr const char* runTypeItems[runTypeCount] = {
    "0 - pociąg kończy bieg na stacji",
    "1 - pociąg rozpoczyna bieg na stacji",
    "2 - pociąg przelotowy",
    "3 - drugi i kolejne człony pociągu rozłączanego",
    "4 - drugi i kolejne człony pociągu rozłączanego kończący bieg na stacji",
    "5 - pociąg nie zatrzymuje się na stacji",
    "6 - drugi i kolejne człony pociągu łączonego rozpoczynającego bieg na stacji"};

constexpr const char* statusTexts[statusCount] = {"przyjedzie", "jest na stacji"};
constexpr const char* statusItems[statusCount] = {"0 - przyjedzie", "1 - jest już na stacji"};

}  // namespace

const char* runTypeText(int32_t runType) {
    return runType >= 0 && runType < runTypeCount ? runTypeTexts[runType] : nullptr;
}

const char* runTypeItem(RunType runType) {
    return runTypeItems[static_cast<int32_t>(runType)];
}

const char* statusText(int32_t status) {
    return status >= 0 && status < statusCount ? statusTexts[status] : nullptr;
}

const char* statusItem(Status status) {
    return statusItems[static_cast<int32_t>(status)];
}

}  // namespace rylmo
