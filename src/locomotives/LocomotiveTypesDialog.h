#pragma once

#include <QDialog>

#include "ui/ListWindow.h"

class QLabel;
class QListView;
class QScrollArea;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::locomotives {

// "Lokomotywy": the locomotive types by picture name, the picture and description of the
// selected one, and adding and deleting types. Each add and delete is one undoable step.
class LocomotiveTypesDialog : public QDialog {
    Q_OBJECT
public:
    explicit LocomotiveTypesDialog(editing::EditingSession& session, QWidget* parent = nullptr);

    // Handlers, also called by tests.
    void addType();
    void deleteType();
    int currentRow() const;
    void selectRow(int row);
    void refreshDetails();
    void refreshStates();
    // Selects the type at 0-based position type.
    void showAt(int type) { selectRow(type); }

private:
    editing::EditingSession& m_session;
    ui::ListButtons m_buttons;
    QListView* m_pictureNames;
    QScrollArea* m_details;
    QLabel* m_picture;
    QLabel* m_description;
};

}  // namespace rylmo::locomotives
