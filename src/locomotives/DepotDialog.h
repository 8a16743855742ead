#pragma once

#include "ui/ListWindow.h"

#include "document/Timetable.h"

class QLabel;
class QScrollArea;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::locomotives {

// "Lokomotywownia": the depot entries one at a time on a track bar, with adding, editing and
// deleting. Each is one undoable step.
class DepotDialog : public ui::TrackBarWindow {
    Q_OBJECT
public:
    explicit DepotDialog(editing::EditingSession& session, QWidget* parent = nullptr);

    // Handlers, also called by tests.
    void addEntry();
    void editEntry();
    void deleteEntry();
    void showEntry();
    void refreshStates();
    // Shows the entry at 0-based position entry.
    void showAt(int entry);

private:
    editing::EditingSession& m_session;
    QScrollArea* m_details;
    QLabel* m_picture;
    QLabel* m_description;
};

}  // namespace rylmo::locomotives
