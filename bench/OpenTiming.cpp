// rylmo-open-timing FILE: how long the editor takes to open a timetable and show its list,
// from the command to the first painted window.
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

#include "app/RylmoApplication.h"
#include "app/TForm1.h"
#include "app/TrainListModel.h"
#include "trains/TFTrain.h"

int main(int argc, char** argv) {
    rylmo::app::RylmoApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Użycie: rylmo-open-timing PLIK\n");
        return 2;
    }
    QTemporaryDir settings;
    rylmo::app::TForm1 window(settings.filePath(QStringLiteral("Rylmo.ini")));
    window.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    window.openFile(QString::fromLocal8Bit(argv[1]));
    const qint64 opened = timer.elapsed();
    window.grab();  // lays out and paints the list
    QApplication::processEvents();
    const qint64 shown = timer.elapsed();
    std::printf("trains: %d\nread and listed: %lld ms\nfirst paint done: %lld ms\n",
                window.trainModel()->rowCount(), static_cast<long long>(opened),
                static_cast<long long>(shown));
    if (window.document().content.trains.empty()) return 0;

    // The train dialog on the last train, as "Edytuj pociąg" builds it.
    timer.restart();
    {
        rylmo::trains::TFTrain dialog(window.document(), &window);
        dialog.setTrainCopy(window.document().content.trains.back());
        dialog.FillFromTrain();
        dialog.show();
        QApplication::processEvents();
        std::printf("train dialog built and shown: %lld ms\n", static_cast<long long>(timer.elapsed()));
    }
    // Adding and deleting a train update the list row by row.
    timer.restart();
    window.trainModel()->appendTrain(window.document().content.trains.front());
    window.trainList()->scrollToBottom();
    window.grab();
    std::printf("train appended and shown: %lld ms\n", static_cast<long long>(timer.elapsed()));
    timer.restart();
    window.trainModel()->removeTrain(0);
    window.grab();
    std::printf("first train deleted and list renumbered: %lld ms\n",
                static_cast<long long>(timer.elapsed()));
    return 0;
}
