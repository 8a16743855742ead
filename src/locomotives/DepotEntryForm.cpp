#include "locomotives/DepotEntryForm.h"

#include <algorithm>
#include <cstdlib>

namespace rylmo::locomotives {

namespace {

int within(int64_t value, int minimum, int maximum) {
    return static_cast<int>(std::clamp<int64_t>(value, minimum, maximum));
}

}  // namespace

DepotEntryForm defaultDepotEntryForm() { return {}; }

DepotEntryForm formFromDepotEntry(const DepotEntry& entry, int depots) {
    DepotEntryForm form;
    form.type = entry.locomotiveType;
    form.count = within(entry.count, 1, depotLimits::maxCount);
    form.depot = entry.depot >= 0 && entry.depot < depots ? entry.depot : -1;
    form.atStation = entry.standCoordinate != 0;
    if (form.atStation) {
        form.coupleRight = entry.standCoordinate < 0;
        form.coordinate = within(std::llabs(static_cast<int64_t>(entry.standCoordinate)), 0, depotLimits::maxCoordinate);
        form.standPosition = entry.standPosition >= 0 && entry.standPosition < depotLimits::standPositions
                                 ? entry.standPosition
                                 : -1;
        form.trackNumber = within(entry.standTrackNumber, 0, depotLimits::maxTrackNumber);
    }
    return form;
}

DepotEntry depotEntryFromForm(const DepotEntryForm& form, const DepotEntry& original) {
    DepotEntry entry;
    entry.locomotiveType = form.type;
    entry.count = form.count;
    entry.depot = form.depot >= 0 ? form.depot : original.depot;
    if (form.atStation) {
        entry.standCoordinate = form.coupleRight ? -form.coordinate : form.coordinate;
        entry.standPosition = form.standPosition >= 0 ? form.standPosition : original.standPosition;
        entry.standTrackNumber = form.trackNumber;
    }
    return entry;
}

}  // namespace rylmo::locomotives
