#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rylmo {

// A probability entry holds one percentage per locomotive type, each followed by a comma:
// "50,30,20," for three types. Values are separated by commas or blanks on reading; a value
// that is not an integer throws the conversion error.
std::vector<int32_t> readProbabilityEntry(std::string_view text);

// The values before the first one that is not an integer, and why that one is not (empty
// when every value reads).
struct ProbabilityReading {
    std::vector<int32_t> values;
    std::string error;
};
ProbabilityReading readProbabilityValues(std::string_view text);

std::string probabilityEntryText(const std::vector<int32_t>& values);

}  // namespace rylmo
