#include "document/TrainCategories.h"

namespace rylmo {

const std::array<TrainCategory, 26> trainCategories = {{
    {0, "towarowy"},
    {1, "SKM"},
    {2, "osobowy"},
    {3, "WKD"},
    {4, "pośpieszny"},
    {6, "ekspres"},
    {8, "InterCity"},
    {10, "EuroCity"},
    {12, "hotelowy"},
    {13, "nocny ekspres"},
    {14, "pocztowy"},
    {16, "bagażowy"},
    {18, "EuroNight"},
    {20, "służbowy"},
    {22, "Regio Plus"},
    {102, "S-Bahn"},
    {103, "Regional Bahn"},
    {104, "Regional Express"},
    {106, "InterRegio"},
    {108, "InterCity Night"},
    {110, "InterCity Express"},
    {202, "pociąg regionalny"},
    {204, "Corail"},
    {206, "Eurostar"},
    {208, "TGV"},
    {212, "Train de Nuit"},
}};

int categoryRow(int32_t code) {
    for (std::size_t row = 0; row < trainCategories.size(); ++row) {
        if (trainCategories[row].code == code) return static_cast<int>(row);
    }
    return -1;
}

CategoryGroup categoryGroup(int32_t code) {
    switch (code) {
        case 0:
            return CategoryGroup::goods;
        case 14:
        case 16:
        case 20:
            return CategoryGroup::service;
        default:
            return CategoryGroup::passengers;
    }
}

std::string categoryName(int32_t code) {
    const int row = categoryRow(code);
    if (row < 0) return "nieznany (" + std::to_string(code) + ")";
    return trainCategories[static_cast<std::size_t>(row)].name;
}

std::string categoryName(const Train& train, int position) {
    return categoryName(field(train, position));
}

}  // namespace rylmo
