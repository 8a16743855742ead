#include "passages/PassageCommands.h"

#include "passages/PassagesDialog.h"
#include "passages/ProbabilityTableDialog.h"
#include "ui/Prompter.h"

namespace rylmo::passages {

void showProbabilityTable(editing::EditingSession& session, QWidget* parent, const QString& caption,
                          int entry) {
    ProbabilityTableDialog dialog(session, parent);
    dialog.setWindowTitle(caption);
    if (entry >= 0) dialog.showAt(entry);
    ui::prompter().exec(dialog);
}

void showPassages(editing::EditingSession& session, QWidget* parent, const QString& caption,
                  int entry) {
    PassagesDialog dialog(session, parent);
    dialog.setWindowTitle(caption);
    if (entry >= 0) dialog.showAt(entry);
    ui::prompter().exec(dialog);
}

}  // namespace rylmo::passages
