#pragma once

#include <QString>

class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::texts {

// "Nazwy": the changed pages become one undoable step; nothing changed, nothing stored.
// page names the page shown first ("Stacje"); the first page when empty.
void editNames(editing::EditingSession& session, QWidget* parent, const QString& caption,
               const QString& page = {});

// "Ogólne": "OK" stores the four values as one undoable step, even when none changed.
// stationFolder is where the station file dialog starts.
void editGeneralData(editing::EditingSession& session, QWidget* parent, const QString& caption,
                     const QString& stationFolder);

}  // namespace rylmo::texts
