#include "app/RylmoApplication.h"

#include "ui/ErrorHandler.h"
#include "ui/Artwork.h"

namespace rylmo::app {

RylmoApplication::RylmoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Rylmo"));
    setWindowIcon(ui::applicationIcon());
}

bool RylmoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ui::showError(activeWindow(), QString::fromUtf8(e.what()));
    }
    return false;
}

}  // namespace rylmo::app
