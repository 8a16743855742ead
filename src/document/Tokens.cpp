#include "document/Tokens.h"

#include <cstring>

#include "document/Error.h"
#include "document/Windows1250.h"

namespace rylmo {

std::string_view trimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::size_t firstDelimiterPosition(std::string_view text, char first, char second) {
    if (first == second) {
        const void* hit = std::memchr(text.data(), first, text.size());
        if (!hit) return text.size() + 1;
        return static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) + 1;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == first || text[i] == second) return i + 1;
    }
    return text.size() + 1;
}

std::string quotedToken(std::string_view token) {
    // A message repeats at most the start of a token: a hostile file may hold one of
    // megabytes.
    constexpr std::size_t shown = 40;
    if (token.size() <= shown) return windows1250ToUtf8(token);
    return windows1250ToUtf8(token.substr(0, shown)) + "…";
}

namespace {

// Kept on purpose: the message stays in English, word for word as it has always been.
[[noreturn]] void invalidInteger(std::string_view token) {
    throw Error("'" + quotedToken(token) + "' is not a valid integer value");
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

int32_t parseInteger(std::string_view token) {
    std::size_t i = 0;
    const std::size_t n = token.size();
    bool negative = false;
    if (i < n && (token[i] == '-' || token[i] == '+')) {
        negative = token[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i < n && token[i] == '$') {
        base = 16;
        ++i;
    } else if (i < n && (token[i] == 'x' || token[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && token[i] == '0' && (token[i + 1] == 'x' || token[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == n) invalidInteger(token);

    const uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
    uint64_t value = 0;
    for (; i < n; ++i) {
        int digit = base == 10 ? (token[i] >= '0' && token[i] <= '9' ? token[i] - '0' : -1)
                               : hexDigit(token[i]);
        if (digit < 0) invalidInteger(token);
        value = value * base + static_cast<unsigned>(digit);
        if (value > limit) invalidInteger(token);
    }
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(value))
                    : static_cast<int32_t>(value);
}

std::string_view TokenScanner::take(char first, char second) {
    std::size_t p = firstDelimiterPosition(m_text, first, second);
    std::string_view token = trimBlanks(m_text.substr(0, p - 1));
    m_text.remove_prefix(p <= m_text.size() ? p : m_text.size());
    skipBlanks();
    return token;
}

void TokenScanner::skipBlanks() {
    std::size_t i = 0;
    while (i < m_text.size() && isBlank(m_text[i])) ++i;
    m_text.remove_prefix(i);
}

void TokenScanner::skip(std::size_t count) {
    m_text.remove_prefix(count <= m_text.size() ? count : m_text.size());
}

}  // namespace rylmo
