#pragma once

#include <string>
#include <vector>

#include "document/Problem.h"
#include "document/Renumbering.h"
#include "document/Timetable.h"

namespace rylmo {

// What renumbering the entries of one list does to everything that refers to it.
struct ReferenceEffects {
    // Records that go with the deleted entries.
    int passagesRemoved = 0;           // passages of a deleted train
    int depotEntriesRemoved = 0;       // depot entries of a deleted type
    int probabilityValuesRemoved = 0;  // a deleted type's value in a probability entry
    // Fields that take their "none" value.
    int couplingsCleared = 0;
    int symbolsCleared = 0;             // trains that lose their symbolising vehicle or unit
    int trainCompositionsCleared = 0;   // trains that lose their composition
    int compositionsThinned = 0;        // compositions that lose deleted vehicles
    int probabilityIndexesCleared = 0;  // passages that stop using the table
    int trainNamesCleared = 0;          // trains that lose a name
    int depotMarksLost = 0;             // passages from a depot whose train becomes train 0
    // Fields without a "none" value, set to -1 so that the check lists them.
    int invalidated = 0;
    // References to entries that stay, renumbered to keep naming them.
    int renumbered = 0;

    bool any() const;
};

// The changes of records that keep every reference naming the same entry, by the records'
// positions before the change. Records of the renumbered list itself that are deleted are
// neither changed nor counted.
struct ReferenceChanges {
    std::vector<int> trainRows;
    std::vector<Train> trains;
    std::vector<int> depotRows;
    std::vector<DepotEntry> depot;
    std::vector<int> passageRows;
    std::vector<LocomotivePassage> passages;
    std::vector<int> compositionRows;
    std::vector<std::string> compositions;
    std::vector<int> probabilityRows;
    std::vector<std::string> probabilities;
    // Records that go with the deleted entries, ascending.
    std::vector<int> removedDepotEntries;
    std::vector<int> removedPassages;
    ReferenceEffects effects;
};

// The changes for the entries of list renumbered by renumbering (list is trains, a list of
// the rolling stock, compositions, probabilities or a name list; other lists are referred to
// by nothing).
ReferenceChanges referenceChanges(const TimetableContent& content, Section list,
                                  const Renumbering& renumbering);

// The second line of a delete question when references are kept right: what goes with the
// deleted entries and what changes ("Usunięte zostaną też 3 przejścia lokomotyw; 1 sprzęg
// zostanie rozłączony; odwołania do dalszych pociągów zostaną poprawione."); empty when
// nothing else changes. deleted is the number of entries deleted.
std::string referenceNotice(const ReferenceEffects& effects, Section list, std::size_t deleted);

}  // namespace rylmo
