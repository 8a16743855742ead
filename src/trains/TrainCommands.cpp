#include "trains/TrainCommands.h"

#include <QAction>

#include "app/TForm1.h"
#include "app/TrainListModel.h"
#include "trains/TFTrain.h"
#include "ui/Prompter.h"

namespace rylmo::trains {

namespace {

QString commandCaption(app::TForm1& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name))->text();
}

void changed(app::TForm1& window) {
    window.document().modified = true;
    window.refreshStates();
}

}  // namespace

void TrAddExecute(app::TForm1& window) {
    TFTrain dialog(window.document(), &window);
    dialog.setWindowTitle(commandCaption(window, "TrAdd"));
    dialog.setTrainCopy(Train{});
    dialog.FillDefaults();
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    window.trainModel()->appendTrain(dialog.train());
    changed(window);
}

void TrEdExecute(app::TForm1& window) {
    const int index = window.selectedTrain();
    if (index < 0) return;
    TFTrain dialog(window.document(), &window);
    dialog.setTrainCopy(window.document().content.trains.at(static_cast<std::size_t>(index)));
    dialog.setWindowTitle(commandCaption(window, "TrEd"));
    dialog.FillFromTrain();
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    window.trainModel()->setTrain(index, dialog.train());
    changed(window);
}

void TrDelExecute(app::TForm1& window) {
    const int index = window.selectedTrain();
    if (index < 0) return;
    if (!ui::confirm(&window, QStringLiteral("Czy napewno chcesz usunąć wybrany pociąg z rozkładu?"))) {
        return;
    }
    window.trainModel()->removeTrain(index);
    changed(window);
}

}  // namespace rylmo::trains
