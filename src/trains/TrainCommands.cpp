#include "trains/TrainCommands.h"

#include "editing/EditingSession.h"
#include "trains/TrainDialog.h"
#include "ui/Prompter.h"

namespace rylmo::trains {

void addTrain(editing::EditingSession& session, QWidget* parent, const QString& caption) {
    TrainDialog dialog(session, parent);
    dialog.setWindowTitle(caption);
    dialog.setOriginal(Train{});
    dialog.fillForNewTrain();
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    const int row = static_cast<int>(session.content().trains.size());
    session.insertEntry(&TimetableContent::trains, row, dialog.train(),
                        QStringLiteral("dodanie pociągu"));
}

void editTrain(editing::EditingSession& session, QWidget* parent, const QString& caption,
               int train) {
    const std::vector<Train>& trains = session.content().trains;
    if (train < 0 || static_cast<std::size_t>(train) >= trains.size()) return;
    TrainDialog dialog(session, parent);
    dialog.setOriginal(trains[static_cast<std::size_t>(train)]);
    dialog.setWindowTitle(caption);
    dialog.fillFromTrain();
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    // Confirming the dialog marks the document changed even when no value changed.
    session.replaceEntry(&TimetableContent::trains, train, dialog.train(),
                         QStringLiteral("edycję pociągu %1").arg(train));
}

void deleteTrain(editing::EditingSession& session, QWidget* parent, int train) {
    if (train < 0 || static_cast<std::size_t>(train) >= session.content().trains.size()) return;
    if (!ui::confirm(parent,
                     QStringLiteral("Czy napewno chcesz usunąć wybrany pociąg z rozkładu?")))
        return;
    session.removeEntry(&TimetableContent::trains, train,
                        QStringLiteral("usunięcie pociągu %1").arg(train));
}

}  // namespace rylmo::trains
