#include "passages/PassageCommands.h"

#include "passages/PassagesDialog.h"
#include "passages/ProbabilityTableDialog.h"
#include "ui/Prompter.h"

namespace rylmo::passages {

void showProbabilityTable(editing::EditingSession& session, QWidget* parent, const QString& caption,
                          int entry) {
    ProbabilityTableDialog dialog(session, parent);
    ui::showListWindow(dialog, caption, entry);
}

void showPassages(editing::EditingSession& session, QWidget* parent, const QString& caption,
                  int entry) {
    PassagesDialog dialog(session, parent);
    ui::showListWindow(dialog, caption, entry);
}

}  // namespace rylmo::passages
