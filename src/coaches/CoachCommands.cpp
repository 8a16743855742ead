#include "coaches/CoachCommands.h"

#include "coaches/CoachesDialog.h"
#include "coaches/CompositionsDialog.h"
#include "ui/Prompter.h"

namespace rylmo::coaches {

void showCoaches(editing::EditingSession& session, QWidget* parent, const QString& caption,
                 int entry) {
    CoachesDialog dialog(session, parent);
    ui::showListWindow(dialog, caption, entry);
}

void showCompositions(editing::EditingSession& session, QWidget* parent, const QString& caption,
                      const QString& coachesCaption, const QString& typesCaption, int entry) {
    CompositionsDialog dialog(session, coachesCaption, typesCaption, parent);
    ui::showListWindow(dialog, caption, entry);
}

}  // namespace rylmo::coaches
