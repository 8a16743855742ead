#pragma once

#include <cstdint>
#include <string_view>

namespace rylmo {

// Display text of a locomotive type's kind 1 to 5; empty for any other value.
std::string_view kindText(int32_t kind);

// The same for the kind as the type stores it, the text "1" to "5".
std::string_view kindText(std::string_view kind);

}  // namespace rylmo
