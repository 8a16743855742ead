#pragma once

#include <QPushButton>
#include <QString>
#include <exception>

#include "document/Error.h"

namespace rylmo::ui {

// The application's error box: title "Rylmo", stop icon, OK; a full stop is added when the
// message ends in a character that sorts after '.'.
void showError(QWidget* parent, const QString& message);

// Runs a command or event handler; a failure is shown and the program returns to the event
// loop. Returns whether the command ran to its end.
template <class Command>
bool guarded(QWidget* parent, Command&& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        showError(parent, QString::fromStdString(failureMessage(e)));
    }
    return false;
}

// Runs command, guarded, whenever button is clicked.
template <class Command>
void onClicked(QPushButton* button, QWidget* owner, Command command) {
    QObject::connect(button, &QPushButton::clicked, owner,
                     [owner, command] { guarded(owner, command); });
}

}  // namespace rylmo::ui
