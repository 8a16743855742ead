#include "coaches/CompositionStrip.h"

#include "document/RollingStock.h"
#include "models/DocumentText.h"

namespace rylmo::coaches {

QVector<ui::StripEntry> compositionStripEntries(const TimetableContent& content,
                                                const std::vector<int32_t>& row) {
    QVector<ui::StripEntry> entries;
    entries.reserve(static_cast<qsizetype>(row.size()));
    for (const int32_t vehicle : row) {
        ui::StripEntry entry;
        if (isVehicleNumber(content, vehicle)) {
            entry.pictureName = models::toQString(vehicleName(content, vehicle));
        } else {
            entry.placeholder = QString::number(vehicle);
        }
        entries.append(entry);
    }
    return entries;
}

}  // namespace rylmo::coaches
