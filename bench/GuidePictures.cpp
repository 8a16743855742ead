// rylmo-guide-pictures STATION.roz ROLLING_STOCK_FOLDER OUT_FOLDER: the pictures of the user
// guide, made from the program itself on the sample station, so that they follow it: the main
// window, the chart and every window the guide describes, each saved as OUT_FOLDER/<its
// section>.png. Run on a real display (scripts/guide-pictures.sh starts Xvfb).
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/UserGuide.h"
#include "ui/Prompter.h"
#include "ui/RylmoApplication.h"

namespace {

QString g_folder;

void settle() {
    for (int round = 0; round < 20; ++round) QApplication::processEvents();
}

void save(QWidget& window, const QString& name) {
    settle();
    const QString path = g_folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!window.grab().save(path)) std::fprintf(stderr, "nie zapisano %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

// Shows each window the commands open, saves its picture and closes it; answers questions
// "Nie".
class PicturePrompter : public rylmo::ui::DesktopPrompter {
public:
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override {
        return QMessageBox::No;
    }
    int exec(QDialog& dialog) override {
        dialog.show();
        save(dialog, rylmo::app::guideSection(&dialog));
        return QDialog::Rejected;
    }
};

}  // namespace

int main(int argc, char** argv) {
    rylmo::ui::RylmoApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "Użycie: rylmo-guide-pictures STACJA.roz FOLDER_TABORU FOLDER\n");
        return 2;
    }
    g_folder = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(g_folder);
    PicturePrompter prompter;
    rylmo::ui::setPrompter(&prompter);
    QTemporaryDir settings;
    rylmo::app::MainWindow window(settings.filePath(QStringLiteral("Rylmo.ini")), {},
                                  settings.filePath(QStringLiteral("odzysk")));
    QString rollingStock = QString::fromLocal8Bit(argv[2]);
    if (!rollingStock.endsWith(QLatin1Char('/'))) rollingStock += QLatin1Char('/');
    window.resize(900, 560);
    window.show();
    window.openFile(QString::fromLocal8Bit(argv[1]));
    window.session().setRollingStockFolder(rollingStock.toStdString());
    window.selectTrain(0);
    save(window, QStringLiteral("okno-glowne"));

    auto trigger = [&](const char* name) {
        if (auto* action = window.findChild<QAction*>(QString::fromLatin1(name))) action->trigger();
    };
    for (const char* command : {"editTrain", "copyTrains", "resolvePlatforms", "locomotiveTypes",
                                "depot", "passages", "probabilityTable", "coaches", "compositions",
                                "names", "generalData", "options", "exportSheets"}) {
        trigger(command);
    }
    trigger("showChart");
    trigger("fitChart");
    save(window, QStringLiteral("wykres"));
    rylmo::ui::setPrompter(nullptr);
    return 0;
}
