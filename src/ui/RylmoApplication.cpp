#include "ui/RylmoApplication.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/Artwork.h"
#include "ui/ErrorHandler.h"

namespace rylmo::ui {

RylmoApplication::RylmoApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Rylmo"));
    setWindowIcon(applicationIcon());
    // Qt's own texts (file dialogs, standard buttons) in Polish, as the rest of the program.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(translator);
    }
}

bool RylmoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showError(activeWindow(), QString::fromStdString(failureMessage(e)));
    }
    return false;
}

}  // namespace rylmo::ui
