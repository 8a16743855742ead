#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rylmo {

// Blanks, line breaks and every other character of code 32 or less.
inline bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view trimBlanks(std::string_view text);

// A token as a message quotes it: UTF-8, at most its first 40 characters, then "…".
std::string quotedToken(std::string_view token);

// 1-based position of the first character equal to either delimiter; size() + 1 when none.
std::size_t firstDelimiterPosition(std::string_view text, char first, char second);

// Converts an integer token: decimal with optional sign, or hexadecimal after "$", "x" or
// "0x". Anything else, or a value outside the signed 32-bit range, throws
// "'<token>' is not a valid integer value".
int32_t parseInteger(std::string_view token);

// Splits text into tokens the way the timetable file and the editors' texts are split: a
// token ends at the first delimiter, is trimmed of blanks, and is removed together with its
// delimiter and the blanks that follow it.
class TokenScanner {
public:
    explicit TokenScanner(std::string_view text) : m_text(text) {}

    std::string_view take(char first, char second);
    std::string_view take(char delimiter) { return take(delimiter, delimiter); }
    int32_t takeInteger(char first, char second) { return parseInteger(take(first, second)); }
    int32_t takeInteger(char delimiter) { return parseInteger(take(delimiter, delimiter)); }

    void skipBlanks();
    void skip(std::size_t count);
    std::string_view rest() const { return m_text; }
    std::size_t remaining() const { return m_text.size(); }
    bool atEnd() const { return m_text.empty(); }

private:
    std::string_view m_text;
};

}  // namespace rylmo
