#include "passages/PassageForm.h"

#include <algorithm>
#include <cstdlib>

namespace rylmo::passages {

namespace {

int64_t magnitude(int32_t value) { return std::llabs(static_cast<int64_t>(value)); }

int item(int64_t value, int count) { return value < count ? static_cast<int>(value) : -1; }

int slider(int64_t position, int maximum) { return static_cast<int>(std::clamp<int64_t>(position, 1, std::max(maximum, 1))); }

}  // namespace

PassageSizes PassageSizes::of(const TimetableContent& c) {
    return {static_cast<int>(c.locomotiveTypes.size()), static_cast<int>(c.depotNames.size()),
            static_cast<int>(c.trains.size()), static_cast<int>(c.probabilities.size())};
}

PassageForm formFromPassage(const LocomotivePassage& p, const PassageSizes& sizes) {
    PassageForm form;
    form.typeItem = item(magnitude(p.locomotiveType) - 1, sizes.types);
    form.depotItem = item(magnitude(p.depot), sizes.depots);
    form.arrivingSlider = slider(magnitude(p.arrivingTrain) + 1, sizes.trains);
    form.departingSlider = slider(magnitude(p.departingTrain) + 1, sizes.trains);
    form.probabilitySlider = slider(magnitude(p.probabilityIndex), sizes.probabilities);
    form.fromAssignedDepot = p.arrivingTrain < 0;
    form.skipTable = p.probabilityIndex == 0 && sizes.probabilities > 0;
    return form;
}

LocomotivePassage liveWrite(const PassageForm& form) {
    return {form.typeItem + 1, form.depotItem, form.arrivingSlider - 1, form.departingSlider - 1, 0};
}

LocomotivePassage passageFromForm(const PassageForm& form, const PassageSizes& sizes) {
    LocomotivePassage p = liveWrite(form);
    if (form.fromAssignedDepot) p.arrivingTrain = -p.arrivingTrain;
    p.probabilityIndex = sizes.probabilities > 0 && !form.skipTable ? form.probabilitySlider : 0;
    return p;
}

}  // namespace rylmo::passages
