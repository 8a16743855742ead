#pragma once

#include <cstdint>
#include <string>

namespace rylmo {

// "1 pociąg", "2 pociągi", "5 pociągów", "22 pociągi", "112 pociągów": count with the Polish
// plural form of its noun (one: 1; few: ending in 2–4 but not 12–14; many: the rest).
std::string polishCount(int64_t count, const char* one, const char* few, const char* many);
// The form alone, for a word that agrees with a count said elsewhere.
const char* polishForm(int64_t count, const char* one, const char* few, const char* many);

}  // namespace rylmo
