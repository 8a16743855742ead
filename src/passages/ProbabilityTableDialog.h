#pragma once

#include <QVector>
#include "ui/ListWindow.h"

class QLabel;
class QScrollArea;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::passages {

// "Tablica prawdopodobieństwa": the probability entries one at a time, each shown as the
// types it gives a chance, with adding, editing and deleting. Each is one undoable step.
class ProbabilityTableDialog : public ui::TrackBarWindow {
    Q_OBJECT
public:
    explicit ProbabilityTableDialog(editing::EditingSession& session, QWidget* parent = nullptr);

    // The labels of the shown entry, top to bottom.
    QStringList shownLabels() const;

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
    QScrollArea* m_view;
    QVector<QLabel*> m_shown;  // pictures and labels of the shown entry, in pairs
};

}  // namespace rylmo::passages
