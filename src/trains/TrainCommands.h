#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "document/Occupancy.h"

class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::trains {

// "12 pociągów", "1 pociągu": how many trains an undo step names.
QString trainsOf(std::size_t count);

// "Dodaj pociąg", "Edytuj pociąg" and "Usuń pociąg": each opens its dialog or question over
// parent and makes one undoable step of what the user confirmed. train is the 0-based index
// of the train to edit or delete.
void addTrain(editing::EditingSession& session, QWidget* parent, const QString& caption);
void editTrain(editing::EditingSession& session, QWidget* parent, const QString& caption,
               int train);
void deleteTrain(editing::EditingSession& session, QWidget* parent, int train);

// The same for several trains (0-based positions, in the order the user sees them): one
// question and one step. A single train goes as deleteTrain does.
void deleteTrains(editing::EditingSession& session, QWidget* parent,
                  const std::vector<int>& trains);
// "Kopiuj pociągi...": copies appended after the last train; "Przesuń czas...".
void copyTrains(editing::EditingSession& session, QWidget* parent, const QString& caption,
                const std::vector<int>& trains);
void shiftTrains(editing::EditingSession& session, QWidget* parent, const QString& caption,
                 const std::vector<int>& trains);
// "Rozdziel perony...": the chosen trains (every train when none is chosen) placed so that no
// stays conflict, after the proposal was shown and confirmed; one step.
void resolvePlatforms(editing::EditingSession& session, QWidget* parent,
                      const std::vector<int>& trains, DwellTimes dwell);

}  // namespace rylmo::trains
