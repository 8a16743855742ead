#pragma once

#include <cstdint>

#include "document/FieldLimits.h"
#include "document/Timetable.h"

namespace rylmo::trains {

// The values of the train dialog's controls, without the widgets. A selection is the 0-based
// entry of a drop-down list, -1 for none.
struct TrainForm {
    int runType = -1;
    int status = -1;
    int vehicle = -1;  // vehicle number - 1
    int depot = -1;
    int composition = 0;
    int arrivalHour = 0;
    int arrivalMinute = 0;
    int departureHour = 0;
    int departureMinute = 0;
    int arrivalCategory = -1;  // row of the category table
    int departureCategory = -1;
    int originStation = -1;
    int destinationStation = -1;
    int entryPoint = 0;
    int exitPoint = 0;
    int arrivalPlatform = -1;
    int departurePlatform = -1;
    int arrivalNumber = 0;
    int departureNumber = 0;
    int arrivalTrainName = -1;  // 0 is "Brak"
    int departureTrainName = -1;
    bool standSet = false;
    int standCoordinate = 0;
    bool coupleRight = false;
    int standPosition = -1;
    int standTrackNumber = 0;
    bool coupled = false;
    int coupledTrain = -1;
    int coupledCoach = -1;  // coach number - 1
    bool toBeCoupled = false;
    int toBeCoupledTrain = -1;
    int toBeCoupledCoach = -1;

    bool operator==(const TrainForm&) const = default;
};

// How many entries the dialog's document-dependent lists hold.
struct TrainListSizes {
    int stations = 0;
    int trainNames = 0;  // without "Brak"
    int depots = 0;
    int vehicles = 0;  // locomotive types and coaches
    int trains = 0;
    int compositions = 0;

    static TrainListSizes of(const TimetableContent& content);
};

// The controls for a new train.
TrainForm defaultForm(const TrainListSizes& sizes);

// The controls filled from a stored train: values with no entry in their list leave it
// without a selection; spin edit values are brought within their ranges.
TrainForm formFromTrain(const Train& train, const TrainListSizes& sizes);

// The train written back after "OK". original is the train as it was stored (all zeros for
// a new one): a list the fill left without a selection, because the stored value has no
// entry, gives the stored value back rather than a meaningless -1, so a train that is
// confirmed unchanged keeps what the dialog could not show. depotAvailable says whether the
// chosen vehicle is a self-propelled unit (the depot list is enabled). With shown, the
// controls as the fill left them, every value the user did not change (a spin edit that
// could show only the nearest bound, the stand fields, the reserved field) is stored as it
// was, so that an unchanged "OK" stores exactly the stored train.
Train trainFromForm(const TrainForm& form, bool depotAvailable, const Train& original,
                    const TrainForm* shown = nullptr);

// Whether the vehicle list entry with this text is a self-propelled unit: the first
// locomotive type whose picture name equals it is of kind "1" or "2".
const LocomotiveType* unitTypeNamed(const TimetableContent& content,
                                    const std::string& pictureName);

}  // namespace rylmo::trains
