#pragma once

#include <stdexcept>

#include "document/Problem.h"
#include "document/Timetable.h"

namespace rylmo {

// Calls use with the member of TimetableContent that holds the entries of list, and returns
// what it returns. The general data and the platforms hold no entries: they throw.
template <class Use>
decltype(auto) withEntries(Section list, Use use) {
    switch (list) {
        case Section::trains:
            return use(&TimetableContent::trains);
        case Section::depot:
            return use(&TimetableContent::depot);
        case Section::passages:
            return use(&TimetableContent::passages);
        case Section::locomotiveTypes:
            return use(&TimetableContent::locomotiveTypes);
        case Section::probabilities:
            return use(&TimetableContent::probabilities);
        case Section::compositions:
            return use(&TimetableContent::compositions);
        case Section::coaches:
            return use(&TimetableContent::coaches);
        case Section::depotNames:
            return use(&TimetableContent::depotNames);
        case Section::stationNames:
            return use(&TimetableContent::stationNames);
        case Section::trainNames:
            return use(&TimetableContent::trainNames);
        default:
            throw std::logic_error("not a list of entries");
    }
}

}  // namespace rylmo
