#pragma once

#include <QApplication>

namespace rylmo::ui {

// The application object. No exception may cross the event loop: every command runs in a
// guard of its own, and anything that slips past one is shown here like any other failure.
class RylmoApplication : public QApplication {
public:
    RylmoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace rylmo::ui
