#include "coaches/CompositionStrip.h"

#include "document/RollingStock.h"
#include "ui/DocumentText.h"

namespace rylmo::coaches {

QVector<ui::StripEntry> compositionStripEntries(const TimetableContent& content,
                                                const std::vector<int32_t>& row) {
    QVector<ui::StripEntry> entries;
    entries.reserve(static_cast<qsizetype>(row.size()));
    for (const int32_t vehicle : row) {
        ui::StripEntry entry;
        if (isVehicleNumber(content, vehicle)) {
            entry.pictureName = ui::toQString(vehicleName(content, vehicle));
        } else {
            entry.placeholder = QString::number(vehicle);
        }
        entries.append(entry);
    }
    return entries;
}

QStringList vehicleNames(const TimetableContent& content) {
    QStringList names;
    for (const LocomotiveType& type : content.locomotiveTypes)
        names << ui::toQString(type.pictureName);
    for (const std::string& coach : content.coaches) names << ui::toQString(coach);
    return names;
}

}  // namespace rylmo::coaches
