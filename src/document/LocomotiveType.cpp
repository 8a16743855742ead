#include "document/Timetable.h"

namespace rylmo {

// Each word is stored behind its length, seven bits a byte, lowest first, the high bit set on
// every byte but the last: a word of up to 127 bytes costs one byte more than its text.
LocomotiveType::LocomotiveType(std::string_view pictureName, std::string_view typeName,
                               std::string_view kind, std::string_view hierarchy) {
    m_words.reserve(pictureName.size() + typeName.size() + kind.size() + hierarchy.size() + 4);
    for (std::string_view word : {pictureName, typeName, kind, hierarchy}) {
        std::size_t length = word.size();
        while (length >= 0x80) {
            m_words.push_back(static_cast<char>(0x80 | (length & 0x7F)));
            length >>= 7;
        }
        m_words.push_back(static_cast<char>(length));
        m_words.append(word);
    }
}

std::string_view LocomotiveType::word(int index) const {
    const std::string_view words(m_words);
    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        std::size_t length = 0;
        for (int shift = 0; at < words.size(); shift += 7) {
            const auto byte = static_cast<unsigned char>(words[at++]);
            length |= static_cast<std::size_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) break;
        }
        if (i == index) return words.substr(at, length);
        at += length;
    }
    return {};
}

}  // namespace rylmo
