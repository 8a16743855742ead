#include "passages/PassageForm.h"

#include <algorithm>
#include <cstdlib>

namespace rylmo::passages {

namespace {

int64_t magnitude(int32_t value) {
    return std::llabs(static_cast<int64_t>(value));
}

// The item of a 0-based number, or the placeholder after the count real items.
int item(int64_t value, int count) {
    return value < count ? static_cast<int>(value) : count;
}

// The 1-based slider position of a 1-based number, or the placeholder 0.
int slider(int64_t position, int maximum) {
    return position >= 1 && position <= maximum ? static_cast<int>(position) : 0;
}

}  // namespace

PassageSizes PassageSizes::of(const TimetableContent& c) {
    return {static_cast<int>(c.locomotiveTypes.size()), static_cast<int>(c.depotNames.size()),
            static_cast<int>(c.trains.size()), static_cast<int>(c.probabilities.size())};
}

PassageForm formFromPassage(const LocomotivePassage& p, const PassageSizes& sizes) {
    PassageForm form;
    form.typeItem = item(magnitude(p.locomotiveType) - 1, sizes.types);
    if (form.typeItem < 0) form.typeItem = sizes.types;  // type 0
    form.depotItem = item(magnitude(p.depot), sizes.depots);
    form.arrivingSlider = slider(magnitude(p.arrivingTrain) + 1, sizes.trains);
    form.departingSlider = slider(magnitude(p.departingTrain) + 1, sizes.trains);
    form.probabilitySlider =
        p.probabilityIndex == 0 ? 1 : slider(magnitude(p.probabilityIndex), sizes.probabilities);
    form.fromAssignedDepot = p.arrivingTrain < 0;
    form.skipTable = p.probabilityIndex == 0 && sizes.probabilities > 0;
    return form;
}

LocomotivePassage plainPassage(const PassageForm& form, const PassageSizes& sizes) {
    LocomotivePassage p{form.typeItem + 1, form.depotItem, form.arrivingSlider - 1,
                        form.departingSlider - 1, 0};
    if (form.fromAssignedDepot) p.arrivingTrain = -p.arrivingTrain;
    p.probabilityIndex = sizes.probabilities > 0 && !form.skipTable ? form.probabilitySlider : 0;
    return p;
}

LocomotivePassage passageFromForm(const PassageForm& form, const PassageForm& shown,
                                  const LocomotivePassage& original, const PassageSizes& sizes) {
    const LocomotivePassage plain = plainPassage(form, sizes);
    LocomotivePassage p = original;
    if (form.typeItem != shown.typeItem && form.typeItem >= 0 && form.typeItem < sizes.types) {
        p.locomotiveType = plain.locomotiveType;
    }
    if (form.depotItem != shown.depotItem && form.depotItem >= 0 && form.depotItem < sizes.depots) {
        p.depot = plain.depot;
    }
    if (form.arrivingSlider != shown.arrivingSlider ||
        form.fromAssignedDepot != shown.fromAssignedDepot) {
        const int64_t train =
            form.arrivingSlider >= 1 ? form.arrivingSlider - 1 : magnitude(original.arrivingTrain);
        const int64_t stored = form.fromAssignedDepot ? -train : train;
        p.arrivingTrain = static_cast<int32_t>(std::clamp<int64_t>(stored, INT32_MIN, INT32_MAX));
    }
    if (form.departingSlider != shown.departingSlider && form.departingSlider >= 1) {
        p.departingTrain = plain.departingTrain;
    }
    const bool tableShown = sizes.probabilities > 0;
    if (tableShown && form.skipTable != shown.skipTable) {
        p.probabilityIndex = form.skipTable
                                 ? 0
                                 : (form.probabilitySlider >= 1 ? plain.probabilityIndex
                                                                : original.probabilityIndex);
    } else if (tableShown && !form.skipTable && form.probabilitySlider != shown.probabilitySlider &&
               form.probabilitySlider >= 1) {
        p.probabilityIndex = plain.probabilityIndex;
    }
    return p;
}

}  // namespace rylmo::passages
