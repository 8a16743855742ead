#include "ui/ErrorHandler.h"

#include "document/Error.h"
#include "ui/Prompter.h"

namespace rylmo::ui {

void showError(QWidget* parent, const QString& message) {
    prompter().message(parent, QMessageBox::Critical,
                       QString::fromStdString(displayMessage(message.toStdString())),
                       QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace rylmo::ui
