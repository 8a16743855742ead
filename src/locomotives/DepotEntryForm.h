#pragma once

#include <QString>
#include <cstdint>

#include "document/FieldLimits.h"
#include "document/Timetable.h"

namespace rylmo::locomotives {

// The values of the depot entry dialog's controls, without the widgets.
struct DepotEntryForm {
    int32_t type = 1;          // 1-based type number; may name no type when read from a file
    int depot = 0;             // item of the depot list; -1 for the stored depot, which has no name
    int count = 1;             // "Ilość", 1..99
    bool atStation = false;    // "Lokomotywa stoi na stacji"
    bool coupleRight = false;  // "Połącz ze składem z prawej strony"
    int coordinate = 0;        // 0..5700, the magnitude of standCoordinate
    int standPosition = 0;     // item of the position list, 0..9; -1 for none
    int trackNumber = 0;       // 0..5700

    bool operator==(const DepotEntryForm&) const = default;
};

// The controls of a new entry: the first type and depot, one locomotive in the depot.
DepotEntryForm defaultDepotEntryForm();

// An entry stands at the station when its coordinate or its track number is not 0.
bool standsAtStation(const DepotEntry& entry);

// The controls filled from a stored entry. depots is the number of depot names: a depot
// number with no name gives -1. Spin values are brought within their ranges.
DepotEntryForm formFromDepotEntry(const DepotEntry& entry, int depots);

// The entry the controls describe, every field taken from them. The station fields count
// whenever "Lokomotywa stoi na stacji" is ticked, even while it is disabled.
DepotEntry plainDepotEntry(const DepotEntryForm& form);

// The entry written back after "OK": what the user changed from the shown form, and for
// every control left as shown the field stored in original (for a new entry, the plain entry
// of the shown form). An unchanged "OK" thus stores the entry exactly as it was.
DepotEntry depotEntryFromForm(const DepotEntryForm& form, const DepotEntryForm& shown,
                              const DepotEntry& original);

// The entry as the depot window's details describe it: type and depot (or their
// placeholders), the count, and where the locomotives stand.
QString depotEntryDescription(const TimetableContent& content, const DepotEntry& entry);

}  // namespace rylmo::locomotives
