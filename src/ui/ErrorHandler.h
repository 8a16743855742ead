#pragma once

#include <QString>
#include <exception>

class QWidget;

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
        showError(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

}  // namespace rylmo::ui
