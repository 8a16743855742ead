#include "document/TrainCategories.h"

namespace rylmo {

const std::array<TrainCategory, 26> trainCategories = {{
    {0, "towarowy", "Tow"},
    {1, "SKM", "SKM"},
    {2, "osobowy", "Os"},
    {3, "WKD", "WKD"},
    {4, "pośpieszny", "Pośp"},
    {6, "ekspres", "Ex"},
    {8, "InterCity", "IC"},
    {10, "EuroCity", "EC"},
    {12, "hotelowy", "Hot"},
    {13, "nocny ekspres", "NEx"},
    {14, "pocztowy", "Poczt"},
    {16, "bagażowy", "Bag"},
    {18, "EuroNight", "EN"},
    {20, "służbowy", "Służb"},
    {22, "Regio Plus", "RP"},
    {102, "S-Bahn", "S"},
    {103, "Regional Bahn", "RB"},
    {104, "Regional Express", "RE"},
    {106, "InterRegio", "IR"},
    {108, "InterCity Night", "ICN"},
    {110, "InterCity Express", "ICE"},
    {202, "pociąg regionalny", "Reg"},
    {204, "Corail", "Corail"},
    {206, "Eurostar", "ES"},
    {208, "TGV", "TGV"},
    {212, "Train de Nuit", "TdN"},
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

std::string categoryShortName(int32_t code) {
    const int row = categoryRow(code);
    if (row < 0) return "kat. " + std::to_string(code);
    return trainCategories[static_cast<std::size_t>(row)].shortName;
}

std::string categoryName(const Train& train, int position) {
    return categoryName(field(train, position));
}

}  // namespace rylmo
