#pragma once

#include <cstdint>

#include "document/Timetable.h"

namespace rylmo::passages {

// The values of the passage dialog's controls, without the widgets.
struct PassageForm {
    int typeItem = -1;               // item of the type list; -1 for none
    int depotItem = -1;              // item of the depot list; -1 for none
    int arrivingSlider = 1;          // 1-based train position
    int departingSlider = 1;
    bool fromAssignedDepot = false;  // "Lokomotywa z lokomotywowni przypisanej"
    bool skipTable = false;          // "Nie używaj tablicy prawdopodobieństwa"
    int probabilitySlider = 1;       // 1-based entry

    bool operator==(const PassageForm&) const = default;
};

// How many entries the dialog's lists and sliders offer.
struct PassageSizes {
    int types = 0;
    int depots = 0;
    int trains = 0;
    int probabilities = 0;

    static PassageSizes of(const TimetableContent& content);
};

// The controls filled from a stored passage. Every field counts by its magnitude; a number
// with no entry leaves its list without a choice, and sliders stay within their ranges.
PassageForm formFromPassage(const LocomotivePassage& passage, const PassageSizes& sizes);

// The passage written back after "OK". The arriving train is negated for a locomotive from
// the assigned depot, which train 0 cannot store; the probability entry counts only when the
// table has entries and is used.
LocomotivePassage passageFromForm(const PassageForm& form, const PassageSizes& sizes);

// What passage c holds after the dialog's live write: the lists and sliders as they are,
// without the assigned-depot sign and without a probability entry.
LocomotivePassage liveWrite(const PassageForm& form);

}  // namespace rylmo::passages
