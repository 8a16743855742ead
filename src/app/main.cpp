#include <QDir>
#include <QTimer>

#include "app/CommandLineExport.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "document/AtomicFile.h"
#include "ui/RylmoApplication.h"

int main(int argc, char** argv) {
    if (rylmo::app::isVersionCommand(argc, argv)) return rylmo::app::printVersion();
    const bool exporting = rylmo::app::isExportCommand(argc, argv);
    if (exporting) rylmo::app::chooseExportPlatform();
    rylmo::ui::RylmoApplication application(argc, argv);
    if (exporting) return rylmo::app::runExportCommand(QCoreApplication::arguments());
    rylmo::removeTemporaryFileOnSignals();
    // Paths shown to the user (in messages about the settings file) use the system's separators.
    const QString settings = QDir::toNativeSeparators(rylmo::app::settingsFilePath());
    const QString beside = QDir::toNativeSeparators(rylmo::app::programSettingsPath());
    rylmo::app::MainWindow window(settings, settings == beside ? QString() : beside);
    window.show();
    // A timetable given on the command line, as a file manager passes it, is opened as if it
    // had been chosen in the open dialog.
    const QStringList arguments = QCoreApplication::arguments();
    // Without one, changes a window left unsaved when it ended are offered, over the window
    // once it shows.
    if (arguments.size() > 1) {
        window.openFile(arguments.at(1));
    } else {
        QTimer::singleShot(0, &window, [&window] { window.offerRecoveries(); });
    }
    return application.exec();
}
