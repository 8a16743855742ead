#include "app/ErrorHandler.h"

#include "document/Error.h"
#include "ui/Prompter.h"

namespace rylmo::app {

void showError(QWidget* parent, const QString& message) {
    ui::prompter().message(parent, QMessageBox::Critical,
                           QString::fromStdString(displayMessage(message.toStdString())),
                           QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace rylmo::app
