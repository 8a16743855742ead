#include "locomotives/LocomotiveCommands.h"

#include "locomotives/DepotDialog.h"
#include "locomotives/LocomotiveTypesDialog.h"
#include "ui/Prompter.h"

namespace rylmo::locomotives {

void showLocomotiveTypes(editing::EditingSession& session, QWidget* parent, const QString& caption,
                         int entry) {
    LocomotiveTypesDialog dialog(session, parent);
    ui::showListWindow(dialog, caption, entry);
}

void showDepot(editing::EditingSession& session, QWidget* parent, const QString& caption,
               int entry) {
    DepotDialog dialog(session, parent);
    ui::showListWindow(dialog, caption, entry);
}

}  // namespace rylmo::locomotives
