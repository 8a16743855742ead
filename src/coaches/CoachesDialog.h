#pragma once

#include <QDialog>

#include "ui/ListWindow.h"

class QLabel;
class QListView;

namespace rylmo::editing {
class EditingSession;
class TextListModel;
}  // namespace rylmo::editing

namespace rylmo::coaches {

// "Wagony": the coach names, the picture of the selected coach, and adding a coach by its
// bitmap and deleting one. Each add and delete is one undoable step.
class CoachesDialog : public QDialog {
    Q_OBJECT
public:
    explicit CoachesDialog(editing::EditingSession& session, QWidget* parent = nullptr);

    int selectedCoach() const;

    // Handlers, also called by tests.
    void addCoach();
    void deleteCoach();
    void preview();
    void refreshStates();
    void showAt(int coach) { select(coach); }

private:
    void select(int row);

    editing::EditingSession& m_session;
    ui::ListButtons m_buttons;
    editing::TextListModel* m_model;
    QListView* m_coachNames;
    QLabel* m_preview;
};

}  // namespace rylmo::coaches
