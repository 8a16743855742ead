#pragma once

#include <cstdint>

#include "document/Timetable.h"

namespace rylmo::test {

// A train for a test: its run type and times, and whatever else the test sets by name,
// test::train(2, 705, 712).platforms(1, 2).numbers(4512, 4513).
class TrainBuilder {
public:
    TrainBuilder(int32_t runType, int32_t arrival, int32_t departure) {
        m_train.runType = runType;
        m_train.arrivalTime = arrival;
        m_train.departureTime = departure;
    }

    TrainBuilder& platforms(int32_t arrival, int32_t departure) {
        return set(&Train::arrivalPlatform, arrival, &Train::departurePlatform, departure);
    }
    TrainBuilder& numbers(int32_t arrival, int32_t departure) {
        return set(&Train::arrivalNumber, arrival, &Train::departureNumber, departure);
    }
    TrainBuilder& categories(int32_t arrival, int32_t departure) {
        return set(&Train::arrivalCategory, arrival, &Train::departureCategory, departure);
    }
    TrainBuilder& stations(int32_t origin, int32_t destination) {
        return set(&Train::originStation, origin, &Train::destinationStation, destination);
    }
    TrainBuilder& points(int32_t entry, int32_t exit) {
        return set(&Train::entryPoint, entry, &Train::exitPoint, exit);
    }
    TrainBuilder& names(int32_t arrival, int32_t departure) {
        return set(&Train::arrivalTrainName, arrival, &Train::departureTrainName, departure);
    }
    TrainBuilder& couplings(int32_t coupledWith, int32_t toBeCoupledWith) {
        return set(&Train::coupledWith, coupledWith, &Train::toBeCoupledWith, toBeCoupledWith);
    }
    TrainBuilder& vehicle(int32_t symbolVehicle) {
        return set(&Train::symbolVehicle, symbolVehicle);
    }
    TrainBuilder& composition(int32_t composition) { return set(&Train::composition, composition); }
    TrainBuilder& status(int32_t status) { return set(&Train::status, status); }

    operator Train() const { return m_train; }  // NOLINT: the builder stands for its train

private:
    TrainBuilder& set(int32_t Train::*field, int32_t value) {
        m_train.*field = value;
        return *this;
    }
    TrainBuilder& set(int32_t Train::*first, int32_t firstValue, int32_t Train::*second,
                      int32_t secondValue) {
        m_train.*first = firstValue;
        m_train.*second = secondValue;
        return *this;
    }

    Train m_train;
};

inline TrainBuilder train(int32_t runType, int32_t arrival, int32_t departure) {
    return {runType, arrival, departure};
}

}  // namespace rylmo::test
