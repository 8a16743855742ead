#include "texts/GeneralData.h"

#include <algorithm>

#include "document/Codes.h"
#include "document/TimeText.h"
#include "models/DocumentText.h"

namespace rylmo::texts {

StartTime startTimeOf(const std::string& text) {
    const auto [hour, minute] = shownStartTime(text);
    return {hour, minute};
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
