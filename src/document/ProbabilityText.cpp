#include "document/ProbabilityText.h"

#include <exception>

#include "document/Tokens.h"

namespace rylmo {

std::vector<int32_t> readProbabilityEntry(std::string_view text) {
    std::vector<int32_t> values;
    TokenScanner scanner(text);
    scanner.skipBlanks();
    while (!scanner.atEnd()) values.push_back(scanner.takeInteger(',', ' '));
    return values;
}

ProbabilityReading readProbabilityValues(std::string_view text) {
    ProbabilityReading reading;
    TokenScanner scanner(text);
    scanner.skipBlanks();
    try {
        while (!scanner.atEnd()) reading.values.push_back(scanner.takeInteger(',', ' '));
    } catch (const std::exception& e) {
        reading.error = e.what();
    }
    return reading;
}

std::string probabilityEntryText(const std::vector<int32_t>& values) {
    std::string text;
    for (int32_t value : values) text += std::to_string(value) + ",";
    return text;
}

}  // namespace rylmo
