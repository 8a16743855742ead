#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "document/Problem.h"
#include "document/Timetable.h"

namespace rylmo {

// How many records refer to one entry of a list. Kept on purpose: with references not kept
// right on deleting (an option), the file's positions stay and point at whatever moves in.
struct References {
    int trains = 0;
    int depotEntries = 0;
    int passages = 0;
    int compositions = 0;
    int probabilityEntries = 0;

    bool any() const {
        return trains + depotEntries + passages + compositions + probabilityEntries > 0;
    }
};

// References to a vehicle number (a locomotive type or a coach): trains that show or run as
// it, depot entries and passages of the type, compositions that hold it, probability entries
// that give the type a value other than 0.
References referencesToVehicle(const TimetableContent& content, int32_t vehicle);

// Trains that show the composition at 0-based position index.
References referencesToComposition(const TimetableContent& content, std::size_t index);

// Passages that use the probability entry at 0-based position index.
References referencesToProbabilityEntry(const TimetableContent& content, std::size_t index);

// The second line of a delete question: what refers to the entry and what deleting it does;
// empty when nothing refers to it.
std::string referenceWarning(const References& references);

}  // namespace rylmo
