#include "trains/TrainForm.h"
#include "document/Codes.h"

#include <algorithm>

#include "document/RunTypes.h"
#include "document/TrainCategories.h"

namespace rylmo::trains {

namespace {

int clampTo(int32_t value, int high) {
    return std::clamp<int32_t>(value, 0, high);
}

// The selection that shows value in a list of count entries, or -1.
int entry(int64_t value, int count) {
    return value >= 0 && value < count ? static_cast<int>(value) : -1;
}

// The value a list gives back: its selection, or the stored value when it has none.
int32_t selected(int selection, int32_t stored) {
    return selection >= 0 ? selection : stored;
}

int32_t coupling(bool ticked, int train, int coach, int32_t stored) {
    if (!ticked) return 0;
    // With no train chosen (the stored index is beyond the trains, or there are none) the
    // stored value is the only meaningful one.
    if (train < 0) return stored;
    return couplingCode(train, selected(coach, couplingCoach(stored) - 1) + 1);
}

}  // namespace

TrainListSizes TrainListSizes::of(const TimetableContent& c) {
    const auto size = [](std::size_t n) { return static_cast<int>(n); };
    return {size(c.stationNames.size()), size(c.trainNames.size()),
            size(c.depotNames.size()),   size(c.locomotiveTypes.size() + c.coaches.size()),
            size(c.trains.size()),       size(c.compositions.size())};
}

TrainForm defaultForm(const TrainListSizes& sizes) {
    TrainForm form;
    const auto first = [](int count) { return count > 0 ? 0 : -1; };
    form.runType = 0;
    form.status = 0;
    form.arrivalTrainName = 0;
    form.departureTrainName = 0;
    form.arrivalPlatform = 0;
    form.departurePlatform = 0;
    form.vehicle = first(sizes.vehicles);
    form.standPosition = 0;
    form.coupledCoach = 0;
    form.toBeCoupledCoach = 0;
    form.coupledTrain = first(sizes.trains);
    form.toBeCoupledTrain = first(sizes.trains);
    return form;
}

TrainForm formFromTrain(const Train& t, const TrainListSizes& sizes) {
    TrainForm form;
    form.runType = entry(t.runType, runTypeCount);
    form.status = entry(t.status, statusCount);
    form.composition = t.composition;
    if (t.symbolUnit != 0) {
        form.depot = entry(t.unitDepot, sizes.depots);
        form.vehicle = entry(int64_t{t.symbolUnit} - 1, sizes.vehicles);
    } else {
        form.vehicle = entry(int64_t{t.symbolVehicle} - 1, sizes.vehicles);
    }
    form.arrivalPlatform = entry(t.arrivalPlatform, limits::maxPlatform + 1);
    form.departurePlatform = entry(t.departurePlatform, limits::maxPlatform + 1);
    form.entryPoint = clampTo(t.entryPoint, limits::maxPoint);
    form.exitPoint = clampTo(t.exitPoint, limits::maxPoint);
    form.standSet = t.standCoordinate != 0;
    form.coupleRight = standsFromRight(t.standCoordinate);
    const int64_t magnitude = standDistance(t.standCoordinate);
    form.standCoordinate = static_cast<int>(std::min<int64_t>(magnitude, limits::maxPoint));
    form.standPosition = entry(t.standPosition, limits::standPositions);
    form.standTrackNumber = clampTo(t.standTrackNumber, limits::maxTrackNumber);
    form.coupled = t.coupledWith != 0;
    if (form.coupled) {
        form.coupledTrain =
            t.coupledWith > 0 ? entry(couplingTrain(t.coupledWith), sizes.trains) : -1;
        form.coupledCoach = entry(couplingCoach(t.coupledWith) - 1, limits::maxCoach);
    }
    form.toBeCoupled = t.toBeCoupledWith != 0;
    if (form.toBeCoupled) {
        form.toBeCoupledTrain =
            t.toBeCoupledWith > 0 ? entry(couplingTrain(t.toBeCoupledWith), sizes.trains) : -1;
        form.toBeCoupledCoach = entry(couplingCoach(t.toBeCoupledWith) - 1, limits::maxCoach);
    }
    form.originStation = entry(t.originStation, sizes.stations);
    form.arrivalHour = clampTo(hourOf(t.arrivalTime), 23);
    form.arrivalMinute = clampTo(minuteOf(t.arrivalTime), 59);
    form.departureHour = clampTo(hourOf(t.departureTime), 23);
    form.departureMinute = clampTo(minuteOf(t.departureTime), 59);
    form.arrivalCategory = categoryRow(t.arrivalCategory);
    form.departureCategory = categoryRow(t.departureCategory);
    form.arrivalTrainName = entry(t.arrivalTrainName, sizes.trainNames + 1);
    form.departureTrainName = entry(t.departureTrainName, sizes.trainNames + 1);
    form.destinationStation = entry(t.destinationStation, sizes.stations);
    form.arrivalNumber = clampTo(t.arrivalNumber, limits::maxTrainNumber);
    form.departureNumber = clampTo(t.departureNumber, limits::maxTrainNumber);
    return form;
}

Train trainFromForm(const TrainForm& f, bool depotAvailable, const Train& original,
                    const TrainForm* shown) {
    Train t;
    t.runType = selected(f.runType, original.runType);
    t.arrivalTime = timeOfDay(f.arrivalHour, f.arrivalMinute);
    t.entryPoint = f.entryPoint;
    t.originStation = selected(f.originStation, original.originStation);
    if (f.vehicle < 0) {
        // The stored vehicle names nothing in the list: keep it as it was.
        t.symbolUnit = original.symbolUnit;
        t.unitDepot = original.unitDepot;
        t.symbolVehicle = original.symbolVehicle;
    } else if (depotAvailable) {
        t.symbolUnit = f.vehicle + 1;
        t.unitDepot = selected(f.depot, original.unitDepot);
    } else {
        t.symbolVehicle = f.vehicle + 1;
    }
    t.departureTime = timeOfDay(f.departureHour, f.departureMinute);
    t.exitPoint = f.exitPoint;
    t.destinationStation = selected(f.destinationStation, original.destinationStation);
    t.arrivalNumber = f.arrivalNumber;
    t.departureNumber = f.departureNumber;
    t.coupledWith = coupling(f.coupled, f.coupledTrain, f.coupledCoach, original.coupledWith);
    t.toBeCoupledWith =
        coupling(f.toBeCoupled, f.toBeCoupledTrain, f.toBeCoupledCoach, original.toBeCoupledWith);
    const auto code = [](int row, int32_t stored) {
        return row >= 0 ? trainCategories[static_cast<std::size_t>(row)].code : stored;
    };
    t.arrivalCategory = code(f.arrivalCategory, original.arrivalCategory);
    t.departureCategory = code(f.departureCategory, original.departureCategory);
    t.status = selected(f.status, original.status);
    t.composition = f.composition;
    t.arrivalPlatform = selected(f.arrivalPlatform, original.arrivalPlatform);
    t.departurePlatform = selected(f.departurePlatform, original.departurePlatform);
    t.arrivalTrainName = selected(f.arrivalTrainName, original.arrivalTrainName);
    t.departureTrainName = selected(f.departureTrainName, original.departureTrainName);
    if (f.standSet) {
        t.standCoordinate = standCoordinate(f.standCoordinate, f.coupleRight);
        t.standPosition = selected(f.standPosition, original.standPosition);
        t.standTrackNumber = f.standTrackNumber;
    }
    t.reserved = 0;
    if (!shown) return t;
    // What the user left as it was shown keeps its stored value.
    const TrainForm& s = *shown;
    if (f.arrivalHour == s.arrivalHour && f.arrivalMinute == s.arrivalMinute)
        t.arrivalTime = original.arrivalTime;
    if (f.departureHour == s.departureHour && f.departureMinute == s.departureMinute) {
        t.departureTime = original.departureTime;
    }
    if (f.vehicle == s.vehicle && f.depot == s.depot) {
        t.symbolUnit = original.symbolUnit;
        t.unitDepot = original.unitDepot;
        t.symbolVehicle = original.symbolVehicle;
    }
    if (f.entryPoint == s.entryPoint) t.entryPoint = original.entryPoint;
    if (f.exitPoint == s.exitPoint) t.exitPoint = original.exitPoint;
    if (f.arrivalNumber == s.arrivalNumber) t.arrivalNumber = original.arrivalNumber;
    if (f.departureNumber == s.departureNumber) t.departureNumber = original.departureNumber;
    if (f.composition == s.composition) t.composition = original.composition;
    if (f.standSet == s.standSet && f.standCoordinate == s.standCoordinate &&
        f.coupleRight == s.coupleRight) {
        t.standCoordinate = original.standCoordinate;
    }
    if (f.standSet == s.standSet && f.standPosition == s.standPosition)
        t.standPosition = original.standPosition;
    if (f.standSet == s.standSet && f.standTrackNumber == s.standTrackNumber) {
        t.standTrackNumber = original.standTrackNumber;
    }
    t.reserved = original.reserved;
    return t;
}

const LocomotiveType* unitTypeNamed(const TimetableContent& content,
                                    const std::string& pictureName) {
    for (const LocomotiveType& type : content.locomotiveTypes) {
        if (type.pictureName() == pictureName) {
            return isSelfPropelledKind(type.kind()) ? &type : nullptr;
        }
    }
    return nullptr;
}

}  // namespace rylmo::trains
