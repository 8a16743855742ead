// rylmo-open-timing FILE [ROLLING_STOCK_FOLDER]: how long the editor's windows take on one
// timetable. Prints one JSON object per line: {"step": "...", "ms": N}.
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/RylmoApplication.h"
#include "editing/TrainListModel.h"
#include "trains/TrainDialog.h"

namespace {

QElapsedTimer timer;

void report(const char* step, const QString& extra = {}) {
    std::printf("{\"step\": \"%s\", \"ms\": %lld%s}\n", step, static_cast<long long>(timer.elapsed()),
                extra.isEmpty() ? "" : qPrintable(QStringLiteral(", ") + extra));
    std::fflush(stdout);
    timer.restart();
}

}  // namespace

int main(int argc, char** argv) {
    rylmo::app::RylmoApplication application(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Użycie: rylmo-open-timing PLIK [FOLDER_TABORU]\n");
        return 2;
    }
    QTemporaryDir settings;
    rylmo::app::MainWindow window(settings.filePath(QStringLiteral("Rylmo.ini")));
    rylmo::editing::EditingSession& session = window.session();
    if (argc == 3) {
        QString folder = QString::fromLocal8Bit(argv[2]);
        if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
        session.setRollingStockFolder(folder.toStdString());
    }
    window.show();
    QApplication::processEvents();

    timer.start();
    window.openFile(QString::fromLocal8Bit(argv[1]));
    report("open", QStringLiteral("\"trains\": %1").arg(window.trainModel()->rowCount()));
    window.grab();  // lays out and paints the list
    QApplication::processEvents();
    report("first paint");
    if (session.content().trains.empty()) return 0;

    // The train dialog on the last train, as "Edytuj pociąg" builds it.
    {
        rylmo::trains::TrainDialog dialog(session, &window);
        dialog.setOriginal(session.content().trains.back());
        dialog.fillFromTrain();
        dialog.show();
        QApplication::processEvents();
        report("train dialog");
    }
    // Adding, deleting and undoing update the list row by row.
    const int rows = static_cast<int>(session.content().trains.size());
    session.insertEntry(&rylmo::TimetableContent::trains, rows, session.content().trains.front(),
                        QStringLiteral("dodanie pociągu"));
    window.trainList()->scrollToBottom();
    window.grab();
    report("add train");
    window.trainList()->scrollToTop();
    window.grab();
    timer.restart();
    session.removeEntry(&rylmo::TimetableContent::trains, 0, QStringLiteral("usunięcie pociągu 0"));
    window.grab();
    report("delete train");
    session.undoStack().undo();
    window.grab();
    report("undo delete train");
    session.undoStack().redo();
    window.grab();
    report("redo delete train");
    return 0;
}
