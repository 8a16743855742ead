#pragma once

#include <QDialog>

#include "ui/ListWindow.h"

class QListView;

namespace rylmo::editing {
class EditingSession;
class TextListModel;
}  // namespace rylmo::editing

namespace rylmo::ui {
class PictureStrip;
}

namespace rylmo::coaches {

// "Skład pociągów": the composition texts as stored, the strip of the selected one, and
// adding, editing and deleting compositions. Each is one undoable step.
class CompositionsDialog : public QDialog {
    Q_OBJECT
public:
    CompositionsDialog(editing::EditingSession& session, const QString& coachesCaption,
                       const QString& typesCaption, QWidget* parent = nullptr);

    int selectedComposition() const;
    const ui::PictureStrip& strip() const { return *m_strip; }

    // Handlers, also called by tests.
    void addComposition();
    void editComposition();
    void deleteComposition();
    void drawStrip();
    void refreshStates();
    void showAt(int composition) { select(composition); }

private:
    void select(int row);

    editing::EditingSession& m_session;
    QString m_coachesCaption;
    QString m_typesCaption;
    ui::ListButtons m_buttons;
    editing::TextListModel* m_model;
    QListView* m_compositions;
    ui::PictureStrip* m_strip;
};

}  // namespace rylmo::coaches
