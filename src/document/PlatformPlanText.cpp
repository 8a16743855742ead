#include "document/PlatformPlanText.h"

#include "document/PolishCount.h"

namespace rylmo {

std::string crowdText(const UnplacedTrain& train, std::size_t platforms) {
    return polishCount(train.stays, "postój", "postoje", "postojów") + " na " +
           polishCount(static_cast<int64_t>(platforms), "peronie", "peronach", "peronach");
}

}  // namespace rylmo
