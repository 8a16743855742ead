#pragma once

#include <cstdint>

#include "document/Timetable.h"

namespace rylmo::locomotives {

// The values of the depot entry dialog's controls, without the widgets.
struct DepotEntryForm {
    int32_t type = 1;            // 1-based type number; may name no type when read from a file
    int depot = 0;               // item of the depot list; -1 for none
    int count = 1;               // "Ilość", 1..99
    bool atStation = false;      // "Lokomotywa stoi na stacji"
    bool coupleRight = false;    // "Połącz ze składem z prawej strony"
    int coordinate = 0;          // 0..5700, the magnitude of standCoordinate
    int standPosition = 0;       // item of the position list, 0..9; -1 for none
    int trackNumber = 0;         // 0..5700

    bool operator==(const DepotEntryForm&) const = default;
};

namespace depotLimits {
inline constexpr int maxCount = 99;
inline constexpr int maxCoordinate = 5700;
inline constexpr int maxTrackNumber = 5700;
inline constexpr int standPositions = 10;
}  // namespace depotLimits

// The controls of a new entry: the first type and depot, one locomotive in the depot.
DepotEntryForm defaultDepotEntryForm();

// The controls filled from a stored entry. depots is the number of depot names: a depot
// number with no name leaves the list without a choice. The station fields are filled only
// when the entry's coordinate is not 0; spin values are brought within their ranges.
DepotEntryForm formFromDepotEntry(const DepotEntry& entry, int depots);

// The entry written back after "OK". original is the stored entry (all zeros for a new one):
// a depot list without a choice gives the stored depot back. The station fields count
// whenever "Lokomotywa stoi na stacji" is ticked, even while it is disabled.
DepotEntry depotEntryFromForm(const DepotEntryForm& form, const DepotEntry& original);

}  // namespace rylmo::locomotives
