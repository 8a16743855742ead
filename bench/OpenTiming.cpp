// rylmo-open-timing FILE [ROLLING_STOCK_FOLDER]: how long the editor's windows take on one
// timetable. Prints one JSON object per line: {"step": "...", "ms": N}.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QItemSelection>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

#include "app/MainWindow.h"
#include "coaches/CoachesDialog.h"
#include "coaches/CompositionsDialog.h"
#include "document/TrainCopies.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainListModel.h"
#include "locomotives/DepotDialog.h"
#include "locomotives/LocomotiveTypesDialog.h"
#include "passages/PassagesDialog.h"
#include "passages/ProbabilityTableDialog.h"
#include "texts/NamesDialog.h"
#include "texts/TextCommands.h"
#include "trains/PlatformChart.h"
#include "trains/TrainDialog.h"
#include "ui/PictureStrip.h"
#include "ui/Prompter.h"
#include "ui/RylmoApplication.h"

#include "Timing.h"

namespace timing {

QElapsedTimer timer;

void settle(rylmo::app::MainWindow& window) {
    while (window.problems().isChecking())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    timer.restart();
}

void report(const char* step, const QString& extra) {
    std::printf("{\"step\": \"%s\", \"ms\": %lld%s}\n", step,
                static_cast<long long>(timer.elapsed()),
                extra.isEmpty() ? "" : qPrintable(QStringLiteral(", ") + extra));
    std::fflush(stdout);
    timer.restart();
}

void reportMilliseconds(const char* step, double milliseconds) {
    std::printf("{\"step\": \"%s\", \"ms\": %.2f}\n", step, milliseconds);
    std::fflush(stdout);
    timer.restart();
}

}  // namespace timing

using timing::report;
using timing::settle;
using timing::timer;

namespace {

// Shows each modal dialog, lets the current driver work on it, and answers questions "Tak".
class TimingPrompter : public rylmo::ui::DesktopPrompter {
public:
    std::function<void(QDialog&)> driver;

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override {
        return QMessageBox::Yes;
    }
    int exec(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        if (driver) driver(dialog);
        return dialog.result();
    }
};

TimingPrompter prompter;

}  // namespace

void timeTrainSteps(rylmo::app::MainWindow& window);
void timeLocomotiveSteps(rylmo::app::MainWindow& window);
void timeCoachSteps(rylmo::app::MainWindow& window);
void timePassageSteps(rylmo::app::MainWindow& window);
void timeTextSteps(rylmo::app::MainWindow& window);
void timeListSteps(rylmo::app::MainWindow& window);
void timeChartSteps(rylmo::app::MainWindow& window);
void timeSeveralTrainsSteps(rylmo::app::MainWindow& window);
void timeRecoveryWrite(rylmo::app::MainWindow& window);

int main(int argc, char** argv) {
    rylmo::ui::RylmoApplication application(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Użycie: rylmo-open-timing PLIK [FOLDER_TABORU]\n");
        return 2;
    }
    rylmo::ui::setPrompter(&prompter);
    QTemporaryDir settings;
    rylmo::app::MainWindow window(settings.filePath(QStringLiteral("Rylmo.ini")), {},
                                  settings.filePath(QStringLiteral("odzysk")));
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
    settle(window);
    if (!session.content().trains.empty()) timeTrainSteps(window);
    timeLocomotiveSteps(window);
    timeCoachSteps(window);
    timePassageSteps(window);
    timeTextSteps(window);
    timeListSteps(window);
    // The recovery copy and planning before the steps that churn half a million trains: under
    // wine, the heap they leave behind slows every step after them several times over.
    timeRecoveryWrite(window);
    timeChartSteps(window);
    timePlanningSteps(window);
    timePrintingSteps(window);
    timeSeveralTrainsSteps(window);
    timeLargeExport(window);
    rylmo::ui::setPrompter(nullptr);
    return 0;
}

void timeTrainSteps(rylmo::app::MainWindow& window) {
    rylmo::editing::EditingSession& session = window.session();
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
    settle(window);
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
}

void timeLocomotiveSteps(rylmo::app::MainWindow& window) {
    settle(window);
    rylmo::editing::EditingSession& session = window.session();
    prompter.driver = [&window](QDialog& dialog) {
        dialog.grab();
        report("locomotive types dialog",
               QStringLiteral("\"types\": %1")
                   .arg(dialog.findChild<QListView*>()->model()->rowCount()));
        // Deleting the first type renumbers every vehicle after it: in trains, compositions,
        // depot entries, passages and probability entries; then back.
        auto* remove = dialog.findChild<QPushButton*>(QStringLiteral("delete"));
        if (!remove->isEnabled()) return;
        timer.restart();
        remove->click();
        dialog.grab();
        report("delete locomotive type");
        window.session().undoStack().undo();
        report("undo delete locomotive type");
    };
    rylmo::ui::showListWindow<rylmo::locomotives::LocomotiveTypesDialog>(
        &window, QStringLiteral("Lokomotywy"), -1, session);
    prompter.driver = [&session](QDialog& dialog) {
        dialog.grab();
        report("depot dialog",
               QStringLiteral("\"entries\": %1").arg(session.content().depot.size()));
        auto* entries = dialog.findChild<QSlider*>(QStringLiteral("entries"));
        const int pages = std::min(100, entries->maximum());
        for (int i = 1; i <= pages; ++i) {
            entries->setValue(i);
            dialog.grab();
        }
        std::printf("{\"step\": \"depot page\", \"ms\": %.2f}\n",
                    static_cast<double>(timer.nsecsElapsed()) / 1e6 / std::max(pages, 1));
        timer.restart();
    };
    rylmo::ui::showListWindow<rylmo::locomotives::DepotDialog>(
        &window, QStringLiteral("Lokomotywownia"), -1, session);
}

void timeCoachSteps(rylmo::app::MainWindow& window) {
    settle(window);
    rylmo::editing::EditingSession& session = window.session();
    prompter.driver = [](QDialog& dialog) {
        dialog.grab();
        report("coaches dialog");
    };
    rylmo::ui::showListWindow<rylmo::coaches::CoachesDialog>(&window, QStringLiteral("Wagony"), -1,
                                                             session);
    prompter.driver = [&session](QDialog& dialog) {
        dialog.grab();
        report("compositions dialog",
               QStringLiteral("\"compositions\": %1").arg(session.content().compositions.size()));
        // The longest composition: its strip, then its editor and its view.
        std::size_t longest = 0;
        for (std::size_t i = 0; i < session.content().compositions.size(); ++i) {
            if (session.content().compositions[i].size() >
                session.content().compositions[longest].size())
                longest = i;
        }
        auto* list = dialog.findChild<QListView*>(QStringLiteral("compositions"));
        list->setCurrentIndex(list->model()->index(static_cast<int>(longest), 0));
        dialog.grab();
        report("composition strip",
               QStringLiteral("\"vehicles\": %1")
                   .arg(static_cast<rylmo::coaches::CompositionsDialog&>(dialog).strip().count()));
        prompter.driver = [](QDialog& editor) {
            editor.grab();
            report("composition editor");
            prompter.driver = [](QDialog& view) {
                view.grab();
                report("composition view");
            };
            editor.findChild<QPushButton*>(QStringLiteral("preview"))->click();
            editor.reject();
        };
        static_cast<rylmo::coaches::CompositionsDialog&>(dialog).editComposition();
    };
    rylmo::ui::showListWindow<rylmo::coaches::CompositionsDialog>(
        &window, QStringLiteral("Skład pociągów"), -1, session, QStringLiteral("Wagony"),
        QStringLiteral("Lokomotywy"));
}

void timePassageSteps(rylmo::app::MainWindow& window) {
    settle(window);
    rylmo::editing::EditingSession& session = window.session();
    prompter.driver = [&session](QDialog& dialog) {
        dialog.grab();
        report("probability table dialog",
               QStringLiteral("\"entries\": %1").arg(session.content().probabilities.size()));
    };
    rylmo::ui::showListWindow<rylmo::passages::ProbabilityTableDialog>(
        &window, QStringLiteral("Tablica prawdopodobieństwa"), -1, session);
    prompter.driver = [&session](QDialog& dialog) {
        dialog.grab();
        report("passages dialog",
               QStringLiteral("\"passages\": %1").arg(session.content().passages.size()));
        auto* passages = dialog.findChild<QSlider*>(QStringLiteral("passages"));
        const int pages = std::min(100, passages->maximum() - 1);
        for (int i = 2; i <= pages + 1; ++i) {
            passages->setValue(i);
            dialog.grab();
        }
        std::printf("{\"step\": \"passage page\", \"ms\": %.2f}\n",
                    static_cast<double>(timer.nsecsElapsed()) / 1e6 / std::max(pages, 1));
        timer.restart();
        passages->setValue(passages->maximum());
        timer.restart();
        prompter.driver = [](QDialog& passage) {
            passage.grab();
            report("passage dialog");
            passage.reject();
        };
        static_cast<rylmo::passages::PassagesDialog&>(dialog).editPassage();
    };
    rylmo::ui::showListWindow<rylmo::passages::PassagesDialog>(
        &window, QStringLiteral("Przejścia lokomotyw"), -1, session);
}

void timeListSteps(rylmo::app::MainWindow& window) {
    timer.restart();
    window.problems().checkNow();
    report("check 100k",
           QStringLiteral("\"problems\": %1").arg(window.problems().problems().size()));
    auto* readable = window.findChild<QAction*>(QStringLiteral("readableList"));
    readable->setChecked(!readable->isChecked());
    window.grab();
    report("switch list mode");
    readable->setChecked(true);
    window.grab();
    // The search texts are gathered in the background after the list changed; a user reaches
    // for a column header or the search field later than this program does.
    QElapsedTimer waited;
    waited.start();
    while (window.trainModel()->isGatheringSearchTexts() && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    report("gather search texts (background)");
    window.trainList()->sortByColumn(2, Qt::AscendingOrder);
    window.grab();
    report("sort by arrival time");
    window.trainList()->sortByColumn(10, Qt::AscendingOrder);
    window.grab();
    report("sort by destination");
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("search"));
    search->setText(QStringLiteral("s"));
    window.grab();
    report("first search keystroke");
    search->setText(QStringLiteral("st"));
    window.grab();
    report("search keystroke",
           QStringLiteral("\"rows\": %1").arg(window.trainList()->model()->rowCount()));
    search->clear();
    window.trainList()->sortByColumn(0, Qt::AscendingOrder);
}

void timeTextSteps(rylmo::app::MainWindow& window) {
    settle(window);
    rylmo::editing::EditingSession& session = window.session();
    // The names dialog: opened and shown, then one name added to each page and stored.
    prompter.driver = [](QDialog&) { report("names dialog"); };
    rylmo::texts::editNames(session, &window, QStringLiteral("Nazwy"));
    // Each page is filled when first shown: that is a step of its own, before the store.
    prompter.driver = [](QDialog& dialog) {
        auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("pages"));
        for (int i = 1; i < pages->count(); ++i) {
            timer.restart();
            pages->setCurrentIndex(i);
            report("names page", QStringLiteral("\"page\": %1").arg(i));
        }
        for (auto* page : dialog.findChildren<QPlainTextEdit*>()) {
            page->moveCursor(QTextCursor::End);
            page->insertPlainText(QStringLiteral("\nNowa"));
        }
        timer.restart();
        static_cast<rylmo::texts::NamesDialog&>(dialog).storeAndClose();
    };
    rylmo::texts::editNames(session, &window, QStringLiteral("Nazwy"));
    report("names store",
           QStringLiteral("\"stations\": %1").arg(session.content().stationNames.size()));

    prompter.driver = [](QDialog& dialog) {
        report("general data dialog");
        dialog.reject();
    };
    rylmo::texts::editGeneralData(session, &window, QStringLiteral("Ogólne"), {});
}

// Painting the chart's window alone: the whole day, zoomed in eight times on noon, as far
// as it goes on the evening, and there again with a stay that lasts the whole day.
void timeChartPaints(rylmo::app::MainWindow& window) {
    rylmo::trains::PlatformChart* chart = window.platformChart();
    QApplication::processEvents();
    const auto paint = [&](const char* step, const char* zoom) {
        settle(window);
        chart->viewport()->grab();
        report(step, QStringLiteral("\"zoom\": \"%1\"").arg(QLatin1String(zoom)));
    };
    chart->fitDay();
    paint("occupancy paint", "day");
    const double pixelsPerMinute = chart->viewport()->width() / (24.0 * 60);
    const int noon = chart->viewport()->width() / 2;
    chart->zoomBy(8, noon);
    paint("occupancy paint", "8x");
    chart->zoomBy(1000, static_cast<int>(noon + 9 * 60 * pixelsPerMinute * 8));
    paint("occupancy paint", "most, 21:00");
    rylmo::editing::EditingSession& session = window.session();
    if (session.content().trains.empty()) return;
    rylmo::Train allDay = session.content().trains[0];
    allDay.runType = 2;
    allDay.status = 0;
    allDay.arrivalTime = 5;
    allDay.departureTime = 2355;
    allDay.arrivalPlatform = allDay.departurePlatform = 1;
    session.replaceEntry(&rylmo::TimetableContent::trains, 0, allDay, QStringLiteral("x"));
    QApplication::processEvents();
    chart->viewport()->grab();  // the rebuild after the edit
    paint("occupancy paint", "most, 21:00, with a stay of a day");
    session.undoStack().undo();
    chart->fitDay();
}

// The platform chart: shown (built and painted), then one train moved by a minute, as an edit
// of the train dialog would, and the chart updated and the window repainted.
void timeChartSteps(rylmo::app::MainWindow& window) {
    settle(window);
    window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
    window.grab();
    report("occupancy chart", QStringLiteral("\"intervals\": %1")
                                  .arg(window.platformChart()->layout().intervals().size()));
    rylmo::editing::EditingSession& session = window.session();
    if (!session.content().trains.empty()) {
        rylmo::Train moved = session.content().trains[0];
        moved.arrivalTime =
            moved.arrivalTime % 100 < 59 ? moved.arrivalTime + 1 : moved.arrivalTime;
        settle(window);
        session.replaceEntry(&rylmo::TimetableContent::trains, 0, moved, QStringLiteral("x"));
        // The chart's update and the window's repaint, as the user meets them.
        QApplication::processEvents();
        QApplication::processEvents();
        report("occupancy after edit");
        session.undoStack().undo();
    }
    timeChartPaints(window);
    window.findChild<QAction*>(QStringLiteral("showList"))->trigger();
}

namespace {

// Selects every step-th row of the list (scattered rows, as Ctrl+clicks make them), up to
// count of them.
void selectEvery(rylmo::app::MainWindow& window, int step, int count) {
    QAbstractItemModel* rows = window.trainList()->model();
    QItemSelection chosen;
    for (int row = 0, taken = 0; row < rows->rowCount() && taken < count; row += step, ++taken)
        chosen.select(rows->index(row, 0), rows->index(row, rows->columnCount() - 1));
    window.trainList()->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
}

void trigger(rylmo::app::MainWindow& window, const char* action) {
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    window.grab();
}

}  // namespace

// Several trains at once: copies of a scattered thousand, ten series; deleting ten thousand
// scattered trains and undoing it; pasting ten thousand; deleting every train.
void timeSeveralTrainsSteps(rylmo::app::MainWindow& window) {
    rylmo::editing::EditingSession& session = window.session();
    const int trains = window.trainList()->model()->rowCount();
    if (trains < 10) return;
    selectEvery(window, trains / 1000 > 0 ? trains / 1000 : 1, 1000);
    settle(window);
    prompter.driver = [](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(10);
        dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    };
    trigger(window, "copyTrains");
    report("copy 1000 trains x10",
           QStringLiteral("\"trains\": %1").arg(session.content().trains.size()));
    session.undoStack().undo();

    selectEvery(window, 10, 10000);
    settle(window);
    trigger(window, "deleteTrain");
    report("delete 10000 selected",
           QStringLiteral("\"trains\": %1").arg(session.content().trains.size()));
    session.undoStack().undo();
    window.grab();
    report("undo delete 10000 selected");

    selectEvery(window, 10, 10000);
    trigger(window, "copy");
    settle(window);
    trigger(window, "paste");
    report("paste 10000 trains",
           QStringLiteral("\"trains\": %1").arg(session.content().trains.size()));
    session.undoStack().undo();

    // A block of consecutive rows selected must not slow any change of the list.
    const auto selectBlock = [&](int first, int count) {
        QAbstractItemModel* rows = window.trainList()->model();
        const QItemSelection block(rows->index(first, 0),
                                   rows->index(first + count - 1, rows->columnCount() - 1));
        window.trainList()->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
    };
    if (trains >= 1000) {
        selectBlock(100, 800);
        settle(window);
        rylmo::Train added;
        session.insertEntry(&rylmo::TimetableContent::trains,
                            static_cast<int>(session.content().trains.size()), added,
                            QStringLiteral("x"));
        window.grab();
        report("add train with 800 selected");
        session.undoStack().undo();
        selectBlock(100, 800);
        settle(window);
        window.trainList()->sortByColumn(10, Qt::DescendingOrder);
        window.grab();
        report("sort with 800 selected");
        window.trainList()->sortByColumn(0, Qt::AscendingOrder);
        selectBlock(100, 300);
        settle(window);
        trigger(window, "copy");
        trigger(window, "paste");
        report("copy and paste 300 selected");
        session.undoStack().undo();

        selectEvery(window, 10, 10000);
        trigger(window, "copy");
        trigger(window, "paste");
        settle(window);
        session.undoStack().undo();
        window.grab();
        report("undo paste 10000 trains");
    }

    // The largest copy accepted.
    settle(window);
    window.trainList()->selectAll();
    const int copies =
        static_cast<int>(rylmo::limits::maxTrainsAfterCopies / session.content().trains.size()) - 1;
    prompter.driver = [copies](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("numberChange"))->setValue(0);
        dialog.findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(copies);
        dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    };
    trigger(window, "copyTrains");
    report("copy all trains to the limit",
           QStringLiteral("\"trains\": %1").arg(session.content().trains.size()));
    session.undoStack().undo();
    window.grab();
    report("undo copy to the limit");

    settle(window);
    window.trainList()->selectAll();
    trigger(window, "deleteTrain");
    report("select all and delete");
    session.undoStack().undo();
    window.grab();
    report("undo delete all");
    prompter.driver = nullptr;
}

// What keeping a recovery copy costs the GUI thread after an edit of the open timetable (the
// copy of the content), and the writer thread's whole write beside it.
void timeRecoveryWrite(rylmo::app::MainWindow& window) {
    rylmo::editing::EditingSession& session = window.session();
    if (session.content().trains.empty()) return;
    session.replaceEntry(&rylmo::TimetableContent::trains, 0, session.content().trains[0],
                         QStringLiteral("zmiana"));
    settle(window);
    window.recovery().writeNow();
    const qint64 gui = timer.nsecsElapsed();
    window.recovery().waitForWriter();
    const qint64 whole = timer.elapsed();
    timing::reportMilliseconds("recovery write (100k)", static_cast<double>(gui) / 1e6);
    std::printf("{\"step\": \"recovery write in the background (100k)\", \"ms\": %lld}\n",
                static_cast<long long>(whole));
    session.undoStack().undo();
    window.recovery().waitForWriter();
    settle(window);
}
