#include "texts/GeneralData.h"

#include <algorithm>

#include "document/Codes.h"
#include "document/Tokens.h"
#include "models/DocumentText.h"

namespace rylmo::texts {

StartTime startTimeOf(const std::string& text) {
    int32_t value = 0;
    try {
        value = parseInteger(text);
    } catch (const std::exception&) {
        return {};
    }
    return {std::clamp(hourOf(value), 0, 23), std::clamp(minuteOf(value), 0, 59)};
}

std::string startTimeText(StartTime time) {
    return std::to_string(timeOfDay(time.hour, time.minute));
}

QString stationPictureRefusal(const QString& picture) {
    return picture.isEmpty() ? QStringLiteral("Podaj nazwę pliku stacji.")
                             : models::oneLineRefusal(picture);
}

QString stationNameRefusal(const QString& name, bool hasStationNames) {
    return hasStationNames && name.isEmpty() ? QStringLiteral("Nazwa stacji nie może być pusta.")
                                             : models::oneLineRefusal(name);
}

}  // namespace rylmo::texts
