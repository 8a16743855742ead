#include "document/CompositionText.h"

#include "document/Error.h"
#include "document/Tokens.h"

namespace rylmo {

std::vector<int32_t> readComposition(std::string_view text) {
    std::vector<int32_t> numbers;
    TokenScanner scanner(text);
    while (!scanner.atEnd()) {
        std::string_view token = scanner.take(',');
        if (token == "0") break;
        numbers.push_back(parseInteger(token));
    }

    std::vector<int32_t> row;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
        const int32_t runLength = numbers[i];
        if (runLength < 1) continue;
        if (static_cast<std::size_t>(runLength) > maxCompositionVehicles - row.size()) {
            throw Error("Skład ma więcej niż " + std::to_string(maxCompositionVehicles) +
                        " pojazdów.");
        }
        row.insert(row.end(), static_cast<std::size_t>(runLength), numbers[i + 1]);
    }
    return row;
}

std::string compositionText(const std::vector<int32_t>& row) {
    std::string text;
    for (std::size_t i = 0; i < row.size();) {
        std::size_t end = i + 1;
        while (end < row.size() && row[end] == row[i]) ++end;
        text += std::to_string(end - i) + "," + std::to_string(row[i]) + ",";
        i = end;
    }
    return text + "0,";
}

}  // namespace rylmo
