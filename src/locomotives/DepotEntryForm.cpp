#include "locomotives/DepotEntryForm.h"

#include "document/Codes.h"

#include <algorithm>
#include <cstdlib>

#include "document/EntryNames.h"
#include "models/DocumentText.h"

namespace rylmo::locomotives {

namespace {

int within(int64_t value, int minimum, int maximum) {
    return static_cast<int>(std::clamp<int64_t>(value, minimum, maximum));
}

}  // namespace

DepotEntryForm defaultDepotEntryForm() {
    return {};
}

bool standsAtStation(const DepotEntry& entry) {
    return entry.standCoordinate != 0 || entry.standTrackNumber != 0;
}

DepotEntryForm formFromDepotEntry(const DepotEntry& entry, int depots) {
    DepotEntryForm form;
    form.type = entry.locomotiveType;
    form.count = within(entry.count, 1, limits::maxDepotCount);
    form.depot = entry.depot >= 0 && entry.depot < depots ? entry.depot : -1;
    form.atStation = standsAtStation(entry);
    if (form.atStation) {
        form.coupleRight = standsFromRight(entry.standCoordinate);
        form.coordinate =
            within(standDistance(entry.standCoordinate), 0, limits::maxDepotCoordinate);
        form.standPosition =
            entry.standPosition >= 0 && entry.standPosition < limits::standPositions
                ? entry.standPosition
                : -1;
        form.trackNumber = within(entry.standTrackNumber, 0, limits::maxDepotTrackNumber);
    }
    return form;
}

DepotEntry plainDepotEntry(const DepotEntryForm& form) {
    DepotEntry entry;
    entry.locomotiveType = form.type;
    entry.count = form.count;
    entry.depot = form.depot;
    if (form.atStation) {
        entry.standCoordinate = standCoordinate(form.coordinate, form.coupleRight);
        entry.standPosition = std::max(form.standPosition, 0);
        entry.standTrackNumber = form.trackNumber;
    }
    return entry;
}

DepotEntry depotEntryFromForm(const DepotEntryForm& form, const DepotEntryForm& shown,
                              const DepotEntry& original) {
    const DepotEntry plain = plainDepotEntry(form);
    DepotEntry entry = original;
    if (form.type != shown.type) entry.locomotiveType = plain.locomotiveType;
    if (form.count != shown.count) entry.count = plain.count;
    if (form.depot != shown.depot && form.depot >= 0) entry.depot = plain.depot;
    const bool stationChanged = form.atStation != shown.atStation;
    if (stationChanged && !form.atStation) {
        entry.standCoordinate = entry.standPosition = entry.standTrackNumber = 0;
    } else if (form.atStation) {
        if (stationChanged || form.coordinate != shown.coordinate ||
            form.coupleRight != shown.coupleRight) {
            entry.standCoordinate = plain.standCoordinate;
        }
        if (stationChanged ||
            (form.standPosition != shown.standPosition && form.standPosition >= 0)) {
            entry.standPosition = plain.standPosition;
        }
        if (stationChanged || form.trackNumber != shown.trackNumber)
            entry.standTrackNumber = plain.standTrackNumber;
    }
    return entry;
}

QString depotEntryDescription(const TimetableContent& content, const DepotEntry& entry) {
    QString text = models::toShortQString(typeNameOrPlaceholder(content, entry.locomotiveType)) +
                   QStringLiteral(", ") +
                   models::toShortQString(depotNameOrPlaceholder(content, entry.depot)) +
                   QStringLiteral("\nIlość lokomotyw na stacji: %1\n").arg(entry.count);
    if (!standsAtStation(entry)) return text + QStringLiteral("Lokomotywa stoi w lokomotywowni");
    return text + QStringLiteral(
                      "Lokomotywa stoi na stacji. Wsp. punktu: %1, pozycja: %2, nr toru post.: %3")
                      .arg(entry.standCoordinate)
                      .arg(entry.standPosition)
                      .arg(entry.standTrackNumber);
}

}  // namespace rylmo::locomotives
