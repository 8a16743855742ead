#pragma once

#include <QDialog>
#include <QVector>

class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::passages {

// "Tablica prawdopodobieństwa": the probability entries one at a time, each shown as the
// types it gives a chance, with adding, editing and deleting. Each is one undoable step.
class ProbabilityTableDialog : public QDialog {
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
    QSlider* m_entries;
    QLabel* m_counter;
    QLabel* m_position;
    QScrollArea* m_view;
    QVector<QLabel*> m_shown;  // pictures and labels of the shown entry, in pairs
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_close;
};

}  // namespace rylmo::passages
