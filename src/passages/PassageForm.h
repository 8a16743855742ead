#pragma once

#include <cstdint>

#include "document/Timetable.h"

namespace rylmo::passages {

// The values of the passage dialog's controls, without the widgets. A stored number that no
// entry has is shown as a placeholder: the item after the real ones in a list, position 0 of
// a slider. A control left at its placeholder keeps the stored number.
struct PassageForm {
    int typeItem = -1;       // item of the type list; -1 for none
    int depotItem = -1;      // item of the depot list; -1 for none
    int arrivingSlider = 1;  // 1-based train position
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
// with no entry gives its placeholder (see PassageForm).
PassageForm formFromPassage(const LocomotivePassage& passage, const PassageSizes& sizes);

// The passage the controls describe, every field taken from them: the arriving train is
// negated for a locomotive from the assigned depot; the probability entry counts only when
// the table has entries and is used.
LocomotivePassage plainPassage(const PassageForm& form, const PassageSizes& sizes);

// The passage written back after "OK": what the user changed from the shown form, and for
// every control left as shown, or at its placeholder, the field stored in original (for a
// new passage, the plain passage of the shown form).
LocomotivePassage passageFromForm(const PassageForm& form, const PassageForm& shown,
                                  const LocomotivePassage& original, const PassageSizes& sizes);

// Train 0 cannot carry the assigned-depot mark: its negation is 0 again.
inline bool assignedDepotPossible(const PassageForm& form) {
    return form.arrivingSlider != 1;
}

}  // namespace rylmo::passages
