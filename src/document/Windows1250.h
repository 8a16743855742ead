#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rylmo {

// Document texts are Windows-1250 bytes; the user interface and JSON speak UTF-8. The five
// bytes that Windows-1250 leaves undefined map to the C1 control characters of the same
// value, so every byte survives a round trip.
char32_t windows1250ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToWindows1250(char32_t code);

std::string windows1250ToUtf8(std::string_view bytes);

// Throws rylmo::Error naming the first character that has no Windows-1250 byte, or on
// malformed UTF-8.
std::string utf8ToWindows1250(std::string_view utf8);

}  // namespace rylmo
