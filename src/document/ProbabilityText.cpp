#include "document/ProbabilityText.h"

#include "document/Tokens.h"

namespace rylmo {

std::vector<int32_t> readProbabilityEntry(std::string_view text) {
    std::vector<int32_t> values;
    TokenScanner scanner(text);
    scanner.skipBlanks();
    while (!scanner.atEnd()) values.push_back(scanner.takeInteger(',', ' '));
    return values;
}

std::string probabilityEntryText(const std::vector<int32_t>& values) {
    std::string text;
    for (int32_t value : values) text += std::to_string(value) + ",";
    return text;
}

}  // namespace rylmo
