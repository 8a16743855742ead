#pragma once

#include <QString>

class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::trains {

// "Dodaj pociąg", "Edytuj pociąg" and "Usuń pociąg": each opens its dialog or question over
// parent and makes one undoable step of what the user confirmed. train is the 0-based index
// of the train to edit or delete.
void addTrain(editing::EditingSession& session, QWidget* parent, const QString& caption);
void editTrain(editing::EditingSession& session, QWidget* parent, const QString& caption,
               int train);
void deleteTrain(editing::EditingSession& session, QWidget* parent, int train);

}  // namespace rylmo::trains
