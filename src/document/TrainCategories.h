#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/Timetable.h"

namespace rylmo {

struct TrainCategory {
    int32_t code;
    const char* name;       // UTF-8
    const char* shortName;  // as boards print it before the number: "Os", "IC"
};

// The categories a train can carry, in the order the train dialog offers them.
extern const std::array<TrainCategory, 26> trainCategories;

// Row (0-based) of code in trainCategories, or -1.
int categoryRow(int32_t code);

// The category's name, or "nieznany (<code>)" for a code outside the table.
std::string categoryName(int32_t code);

// The category's short name, or "kat. <code>" for a code outside the table.
std::string categoryShortName(int32_t code);

// What a category carries, as the platform chart colours it: goods (towarowy), the railway's
// own service (pocztowy, bagażowy, służbowy), or passengers (every other category).
enum class CategoryGroup { passengers, goods, service };
CategoryGroup categoryGroup(int32_t code);

// Name of a train's arrival (position 14) or departure (position 15) category.
std::string categoryName(const Train& train, int position);

}  // namespace rylmo
