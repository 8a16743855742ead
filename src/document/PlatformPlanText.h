#pragma once

#include <cstddef>
#include <string>

#include "document/PlatformAssignment.h"

namespace rylmo {

// "3 postoje na 2 peronach": how many stays needed a platform at the minute a train found
// none, on how many platforms; the window's proposal and rylmo-roz's report both say it so.
std::string crowdText(const UnplacedTrain& train, std::size_t platforms);

}  // namespace rylmo
