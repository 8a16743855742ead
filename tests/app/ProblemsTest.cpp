#include <QAction>
#include <QClipboard>
#include <QColor>
#include <QDockWidget>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "AppTests.h"
#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "app/MainWindow.h"
#include "document/Occupancy.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainFilterModel.h"
#include "editing/TrainListModel.h"
#include "trains/PlatformChart.h"

using namespace rylmo;
using namespace rylmo::app;
using test::child;

namespace {

// Three trains whose names, times and numbers sort differently by each column.
TimetableContent listContent() {
    TimetableContent c = test::workedExample();
    // Windows-1250, as in the file: Łódź, Lublin, Aleksandrów, Ąbrowa.
    c.stationNames = {"Wola",
                      "\xa3\xf3"
                      "d\x9f",
                      "Lublin", "Aleksandr\xf3w",
                      "\xa5"
                      "browa"};
    Train t = c.trains[0];
    c.trains.clear();
    for (const auto& [time, origin, number] :
         {std::tuple{1005, 1, 300}, std::tuple{705, 2, 100}, std::tuple{930, 4, 200}}) {
        t.arrivalTime = time;
        t.departureTime = time + 5;  // each on platform 1 at its own time
        t.originStation = origin;
        t.arrivalNumber = number;
        c.trains.push_back(t);
    }
    return c;
}

struct Fixture {
    test::TempFolder folder;
    test::ScriptedPrompter prompter;
    MainWindow window{qpath(folder / "Rylmo.ini")};

    Fixture() {
        window.session().open(listContent(), "/tmp/", "a.roz");
        window.newDocument();
        window.problems().checkNow();
    }
    QTableView* list() { return window.trainList(); }
    QStringList column(int column) {
        QStringList texts;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            texts << list()->model()->index(row, column).data().toString();
        return texts;
    }
    void sortBy(int column, Qt::SortOrder order = Qt::AscendingOrder) {
        list()->sortByColumn(column, order);
    }
};

}  // namespace

class ProblemsTest : public QObject {
    Q_OBJECT
private slots:
    void panelFollowsEditsAndUndo() {
        Fixture f;
        QVERIFY(f.window.problems().problems().empty());
        QCOMPARE(f.window.problemsDock()->windowTitle(), QStringLiteral("Problemy (0)"));
        f.window.session().replaceTextList(&TimetableContent::stationNames, {"Wola"},
                                           QStringLiteral("zmianę nazw"));
        QTRY_VERIFY(!f.window.problems().isChecking());
        QCOMPARE(f.window.problems().problems().size(), std::size_t(3));  // every train's origin
        QCOMPARE(f.window.problemsDock()->windowTitle(), QStringLiteral("Problemy (3)"));
        QVERIFY(!f.window.session()
                     .trainListModel()
                     ->index(1, 0)
                     .data(Qt::ToolTipRole)
                     .toString()
                     .isEmpty());
        f.window.session().undoStack().undo();
        QTRY_VERIFY(!f.window.problems().isChecking());
        QVERIFY(f.window.problems().problems().empty());

        // Opening a file starts a check by itself; the last train carries the red mark.
        TimetableContent broken = listContent();
        broken.trains.back().runType = 9;
        f.window.session().open(broken, "/tmp/", "b.roz");
        QTRY_VERIFY(!f.window.problems().isChecking());
        QCOMPARE(f.window.problems().problems().size(), std::size_t(1));
        const QModelIndex last = f.window.session().trainListModel()->index(2, 0);
        QCOMPARE(last.data(Qt::DecorationRole).value<QColor>(), QColor(Qt::red));
        QVERIFY(
            !f.window.session().trainListModel()->index(1, 0).data(Qt::DecorationRole).isValid());
    }

    void findingsAreBoundedButCounted() {
        Fixture f;
        TimetableContent c = listContent();
        c.trains.resize(3000, c.trains[0]);
        for (Train& t : c.trains)
            t.runType = t.status = t.arrivalPlatform = t.reserved = -1;  // 4 findings each
        f.window.session().open(c, "/tmp/", "a.roz");
        f.window.problems().checkNow();
        QCOMPARE(f.window.problems().problems().size(), editing::ProblemChecker::listLimit);
        QCOMPARE(f.window.problems().total(), std::size_t(12000));
        QCOMPARE(f.window.problemsDock()->windowTitle(),
                 QStringLiteral("Problemy (12000, pokazano pierwsze 10000)"));
        // A train past the listed findings still carries its mark and says how many it has.
        const QString tip =
            f.window.session().trainListModel()->index(2999, 0).data(Qt::ToolTipRole).toString();
        QCOMPARE(tip, QStringLiteral("i 4 inne problemy"));
    }

    // The check reads the live content: each change stops it first, and a stopped check's
    // partial findings are never shown.
    void changesDuringACheckAreCheckedAfterIt() {
        Fixture f;
        TimetableContent c = listContent();
        c.trains[0].arrivalPlatform = c.trains[0].departurePlatform = 0;
        c.trains.resize(100000, c.trains[0]);
        f.window.session().open(c, "/tmp/", "a.roz");
        Train broken = c.trains[0];
        broken.runType = 9;
        for (int i = 0; i < 40; ++i) {
            QTest::qWait(i % 5 == 0 ? 160 : 3);  // now and then the wait ends and a check runs
            f.window.session().replaceEntry(&TimetableContent::trains, 99999,
                                            i % 2 ? c.trains[0] : broken, QStringLiteral("x"));
        }
        f.window.session().replaceEntry(&TimetableContent::trains, 99999, broken,
                                        QStringLiteral("x"));
        QTRY_VERIFY_WITH_TIMEOUT(!f.window.problems().isChecking(), 20000);
        QCOMPARE(f.window.problems().total(), std::size_t(1));
    }

    // The chart draws each stay where its time lies, conflicting ones red; a click on a bar
    // selects the train in the list, a double-click edits it, and an undo redraws it.
    void platformChartActsOnItsTrains() {
        Fixture f;
        TimetableContent c = listContent();  // platform 1 at 10:05, 7:05 and 9:30
        c.trains[2].arrivalTime = 707;       // now meets the 7:05 train
        c.trains[2].departureTime = 715;
        f.window.session().open(c, "/tmp/", "a.roz");
        f.window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
        trains::PlatformChart* chart = f.window.platformChart();
        QVERIFY(!chart->isHidden() && f.window.trainList()->isHidden());
        chart->resize(900, 300);
        QTRY_VERIFY(!chart->barOf(2).isEmpty());  // built once the edits are through
        chart->grab();                            // lays the chart out
        const int anchor = chart->barOf(1).left();
        chart->zoomBy(6.0, anchor);  // from about 7:00 to 11:00, 7:05 where it was
        QVERIFY(std::abs(chart->barOf(1).left() - anchor) <= 1);
        QVERIFY(chart->barOf(1).width() > 12);  // five minutes, six times wider
        const QImage picture = chart->viewport()->grab().toImage();
        const QRect conflicting = chart->barOf(2);
        const QRect alone = chart->barOf(0);
        QVERIFY(alone.left() > conflicting.right());  // 10:05 lies right of 7:07
        QCOMPARE(picture.pixelColor(conflicting.center()), QColor(0xe5, 0x39, 0x35));
        QVERIFY(picture.pixelColor(alone.center()) != QColor(0xe5, 0x39, 0x35));

        // Both trains of the conflict carry it, each tooltip lists it whole (nothing left
        // for "i … innych"); "Pozycja" is the first train's; the finding selects both.
        f.window.problems().checkNow();
        const editing::ProblemChecker& problems = f.window.problems();
        QCOMPARE(problems.rowCount(), 1);
        QCOMPARE(problems.index(0, 1).data().toString(), QStringLiteral("1"));
        for (int train : {1, 2}) {
            QVERIFY(problems.hasProblems(train));
            QVERIFY(problems.trainProblems(train).startsWith(QStringLiteral("Perony: peron 1: ")) ||
                    problems.trainProblems(train).startsWith(QStringLiteral("peron 1: ")));
            QVERIFY(!problems.trainProblems(train).contains(QStringLiteral("innych")));
        }
        QVERIFY(!problems.hasProblems(0));

        QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, alone.center());
        QCOMPARE(f.window.selectedTrain(), 0);
        f.prompter.dialogs.push_back([](QDialog& dialog) { dialog.reject(); });
        QTest::mouseDClick(chart->viewport(), Qt::LeftButton, {}, conflicting.center());
        QCOMPARE(f.prompter.dialogTitles.back(), QStringLiteral("Edytuj pociąg"));
        QCOMPARE(f.window.selectedTrain(), 2);

        // "Eksportuj wykres...": one A4 page of PDF, or a PNG picture.
        for (const char* name : {"dzien.pdf", "dzien.png"}) {
            const std::filesystem::path file = f.folder / name;
            f.prompter.fileNames.push_back(qpath(file));
            f.window.findChild<QAction*>(QStringLiteral("exportChart"))->trigger();
            const std::string bytes = test::readBytes(file.string());
            if (file.extension() == ".pdf") {
                QVERIFY(bytes.starts_with("%PDF"));
                std::size_t pages = 0;
                for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
                     at = bytes.find("/Type /Page", at + 1)) {
                    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
                }
                QCOMPARE(pages, std::size_t(1));
            } else {
                const QImage image = QImage::fromData(
                    QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), "PNG");
                QVERIFY(image.width() > image.height() && image.width() >= 2000);
            }
        }

        f.window.goToProblem(0);
        QCOMPARE(f.window.selectedTrains(), (std::vector<int>{1, 2}));

        // Zoomed in on the two: the later bar covers the earlier one's label, which is left
        // out (the tooltip has it); labels never meet.
        chart->zoomBy(8.0, chart->barOf(1).left());
        chart->viewport()->grab();
        QStringList labels;
        for (const auto& [where, text] : chart->shownLabels()) labels << text;
        QCOMPARE(labels, QStringList{QStringLiteral("200")});
        chart->fitDay();
        chart->viewport()->grab();
        for (const auto& [where, text] : chart->shownLabels()) {
            for (const auto& [other, otherText] : chart->shownLabels())
                QVERIFY(&where == &other || !where.intersects(other));
        }

        // A train edited onto another platform leaves its old row.
        const QRect before = chart->barOf(0);
        Train moved = f.window.session().content().trains[0];
        moved.arrivalPlatform = moved.departurePlatform = 3;
        f.window.session().replaceEntry(&TimetableContent::trains, 0, moved, QStringLiteral("x"));
        QTRY_VERIFY(chart->barOf(0).top() > before.top());
        chart->viewport()->grab();
        QVERIFY(chart->trainAt(before.center()) != 0);
        f.window.session().undoStack().undo();
        QTRY_COMPARE(chart->barOf(0).top(), before.top());

        f.window.session().removeEntry(&TimetableContent::trains, 2, QStringLiteral("x"));
        QTRY_VERIFY(chart->barOf(2).isEmpty());
        f.window.session().undoStack().undo();
        QTRY_VERIFY(!chart->barOf(2).isEmpty());

        // The dwell times are the chart's and the check's, kept in the settings.
        f.window.findChild<QSpinBox*>(QStringLiteral("dwellBeforeDeparture"))->setValue(150);
        QCOMPARE(chart->dwellTimes().beforeDeparture, 150);
        QCOMPARE(f.window.settings().readString("Wykres", "PostojPrzedOdjazdem", ""),
                 std::string("150"));
    }

    // Random edits of single trains patch the chart in place (or rebuild it when the consists
    // change): it always holds what the whole timetable gives anew.
    void chartFollowsEditsAsARebuildWould() {
        Fixture f;
        TimetableContent c = listContent();
        for (int i = 0; i < 60; ++i) c.trains.push_back(c.trains[std::size_t(i % 3)]);
        f.window.session().open(c, "/tmp/", "a.roz");
        f.window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
        trains::PlatformChart* chart = f.window.platformChart();
        std::mt19937 random(7);
        const auto below = [&](int n) { return static_cast<int>(random() % unsigned(n)); };
        for (int step = 0; step < 200; ++step) {
            const int row = below(63);
            Train t = f.window.session().content().trains[std::size_t(row)];
            t.arrivalTime = below(24) * 100 + below(60);
            t.departureTime = below(24) * 100 + below(60);
            t.arrivalPlatform = below(4);
            t.departurePlatform = below(4);
            t.runType = below(7);
            if (below(10) == 0) t.coupledWith = below(63) * 10 + 1;
            f.window.session().replaceEntry(&TimetableContent::trains, row, t, QStringLiteral("x"));
            if (below(4) == 0) f.window.session().undoStack().undo();
            chart->grab();  // a chart left stale is rebuilt before it paints
            const TimetableContent& now = f.window.session().content();
            const std::vector<PlatformInterval> expected =
                platformOccupancy(now, chart->dwellTimes());
            QCOMPARE(chart->layout().intervals(), expected);
            QCOMPARE(chart->layout().conflicting(),
                     platformConflicts(now, expected, 0).conflicting);
        }
    }

    // Zoomed in on the evening, the chart finds the bars there behind hundreds of short stays
    // and one that lasts all day, and the morning piece of a stay over midnight.
    void chartFindsBarsBehindLongStays() {
        Fixture f;
        TimetableContent c = listContent();
        Train stay = c.trains[0];
        c.trains.clear();
        for (int i = 0; i < 300; ++i) {  // 6:00 to 11:00, a minute each
            stay.arrivalTime = 600 + (i / 60) * 100 + i % 60;
            stay.departureTime = stay.arrivalTime + 1;
            c.trains.push_back(stay);
        }
        stay.arrivalTime = 30;  // all day: train 300
        stay.departureTime = 2300;
        c.trains.push_back(stay);
        stay.arrivalTime = 2130;  // train 301
        stay.departureTime = 2140;
        c.trains.push_back(stay);
        stay.arrivalTime = 2200;  // to 1:00 the next day: train 302
        stay.departureTime = 100;
        c.trains.push_back(stay);
        f.window.session().open(c, "/tmp/", "a.roz");
        f.window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
        trains::PlatformChart* chart = f.window.platformChart();
        chart->resize(900, 300);
        QTRY_VERIFY(!chart->barOf(301).isEmpty());
        chart->grab();
        chart->showTrains(301, 301);  // zoomed in on 21:00 on
        const QRect evening = chart->barOf(301);
        QVERIFY(evening.left() > 72 && evening.right() < chart->viewport()->width());
        QCOMPARE(chart->trainAt(evening.center()), 301);
        chart->fitDay();
        const QRect night = chart->barOf(302);  // its evening piece; the morning one ends at 1:00
        const QPoint quarterPastMidnight(72 + 15 * (night.right() - 72) / (24 * 60),
                                         night.center().y());
        QCOMPARE(chart->trainAt(quarterPastMidnight), 302);
    }

    // Several trains at once through the list as a user has it sorted and searched: the
    // status bar counts them, editing waits for one, and delete, copies, the time shift and
    // the clipboard each act on exactly the selected trains as one step.
    void severalTrainsThroughTheList() {
        Fixture f;
        const auto action = [&](const char* name) {
            return f.window.findChild<QAction*>(QString::fromLatin1(name));
        };
        f.sortBy(10, Qt::DescendingOrder);  // numbers 300, 200, 100: trains 0, 2, 1
        child<QLineEdit>(f.window, "search")->setText(QStringLiteral("0"));
        QCOMPARE(f.list()->model()->rowCount(), 3);
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {},
                          f.list()->visualRect(f.list()->model()->index(0, 1)).center());
        f.list()->selectionModel()->select(
            f.list()->model()->index(2, 1),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);  // as Ctrl+click
        QCOMPARE(f.window.selectedTrains(), (std::vector<int>{0, 1}));
        QCOMPARE(child<QLabel>(f.window, "selectionPanel")->text(),
                 QStringLiteral("Zaznaczone: 2 pociągi"));
        QVERIFY(!action("editTrain")->isEnabled());
        QVERIFY(action("deleteTrain")->isEnabled());
        // The selection survives a look at the chart while the list has the focus (a window
        // can be shown only where there is a screen: not under wine's test runs).
        if (QGuiApplication::platformName() != QLatin1String("windows")) {
            f.window.show();
            f.list()->setFocus();
            action("showChart")->trigger();
            action("showList")->trigger();
            QCOMPARE(f.window.selectedTrains(), (std::vector<int>{0, 1}));
            f.window.hide();
        }

        // Two copies an hour apart, numbers up by 2: appended in the order of the rows.
        f.prompter.dialogs.push_back([](QDialog& dialog) {
            child<QSpinBox>(dialog, "numberChange")->setValue(2);
            child<QSpinBox>(dialog, "copies")->setValue(2);
            QCOMPARE(child<QLabel>(dialog, "preview")->text(),
                     QStringLiteral("Pociąg 300 i 1 inny — 2 kopie: 10:05 → 11:05, 12:05; "
                                    "numery 300 → 302, 304"));
            child<QPushButton>(dialog, "ok")->click();
        });
        action("copyTrains")->trigger();
        const auto& trains = f.window.session().content().trains;
        QCOMPARE(trains.size(), std::size_t(7));
        QCOMPARE(trains[3].arrivalNumber, 302);
        QCOMPARE(trains[4].arrivalNumber, 102);
        QCOMPARE(trains[6].arrivalTime, 905);
        QCOMPARE(action("undo")->text(), QStringLiteral("Cofnij skopiowanie 4 pociągów"));
        // The copies are selected (in the order of the sorted rows), the first copy current.
        std::vector<int> copies = f.window.selectedTrains();
        std::sort(copies.begin(), copies.end());
        QCOMPARE(copies, (std::vector<int>{3, 4, 5, 6}));
        const auto* rows = static_cast<const editing::TrainFilterModel*>(f.list()->model());
        QCOMPARE(rows->trainAt(f.list()->currentIndex().row()), 3);
        f.window.session().undoStack().undo();
        f.window.selectTrains({0, 1});

        // The clipboard: the list's columns for a spreadsheet, the program's own format back.
        action("copy")->trigger();
        const QString table = QGuiApplication::clipboard()->text();
        QVERIFY(table.startsWith(QStringLiteral("Indeks\t1\t2")));
        QCOMPARE(table.count(QStringLiteral("\r\n")), 3);
        // Each line is its row's own texts, however the list is sorted and searched.
        const QStringList lines = table.split(QStringLiteral("\r\n"));
        const auto* shown = static_cast<const editing::TrainFilterModel*>(f.list()->model());
        for (int line = 1; line <= 2; ++line) {
            const int row = shown->rowOf(f.window.selectedTrains()[std::size_t(line - 1)]);
            QStringList cells;
            for (int column = 0; column < shown->columnCount(); ++column)
                cells << shown->index(row, column).data().toString();
            QCOMPARE(lines[line], cells.join(QLatin1Char('\t')));
        }
        action("paste")->trigger();
        QCOMPARE(trains.size(), std::size_t(5));
        QCOMPARE(trains[3], trains[0]);
        QCOMPARE(trains[4], trains[1]);
        QCOMPARE(f.window.selectedTrains(), (std::vector<int>{3, 4}));
        QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\tx"));
        action("paste")->trigger();
        QCOMPARE(f.prompter.messages.back().text,
                 QStringLiteral("Nie można wkleić pociągów. Wiersz 1: 3 pola zamiast 26 pól "
                                "pociągu oddzielonych tabulatorem."));
        QCOMPARE(trains.size(), std::size_t(5));

        // Deleting the pasted two, sorted and searched: exactly those go, in one step.
        f.prompter.answers = {QMessageBox::Yes};
        action("deleteTrain")->trigger();
        QCOMPARE(f.prompter.messages.back().text,
                 QStringLiteral("Czy na pewno chcesz usunąć z rozkładu 2 wybrane pociągi?"));
        QCOMPARE(trains.size(), std::size_t(3));
        QCOMPARE(action("undo")->text(), QStringLiteral("Cofnij usunięcie 2 pociągów"));

        // "Przesuń czas...": back half an hour, past midnight for none of them.
        f.list()->selectAll();
        f.prompter.dialogs.push_back([](QDialog& dialog) {
            child<QSpinBox>(dialog, "minutes")->setValue(-30);
            child<QPushButton>(dialog, "ok")->click();
        });
        action("shiftTrains")->trigger();
        QCOMPARE(trains[1].arrivalTime, 635);
        QCOMPARE(trains[1].departureTime, 640);
        // Every moved train is shown anew in the sorted list.
        for (int train = 0; train < 3; ++train) {
            const int row = rows->rowOf(train);
            QVERIFY(row >= 0);
            QCOMPARE(rows->index(row, 2).data().toString(),
                     QString::number(trains[std::size_t(train)].arrivalTime));
        }
        QCOMPARE(action("undo")->text(), QStringLiteral("Cofnij przesunięcie 3 pociągów"));
    }

    void findingsOpenTheirWindow() {
        Fixture f;
        TimetableContent c = listContent();
        c.trains[2].originStation = 9;
        c.passages = {{1, 0, 0, 0, 0}, {1, 0, 7, 0, 0}};
        c.compositions = {"1,2,0,", "1,9,0,"};
        f.window.session().open(c, "/tmp/", "a.roz");
        f.window.problems().checkNow();
        const auto& problems = f.window.problems().problems();
        const auto rowOf = [&](Section section) {
            for (std::size_t i = 0; i < problems.size(); ++i) {
                if (problems[i].section == section) return static_cast<int>(i);
            }
            return -1;
        };
        f.prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Edytuj pociąg"));
        });
        QCOMPARE(f.window.problems().index(rowOf(Section::trains), 1).data().toString(),
                 QStringLiteral("2"));
        f.window.goToProblem(rowOf(Section::trains));
        QCOMPARE(f.window.selectedTrain(), 2);
        QCOMPARE(f.prompter.dialogTitles.size(), std::size_t(1));

        f.prompter.dialogs.push_back(
            [](QDialog& dialog) { QCOMPARE(child<QSlider>(dialog, "passages")->value(), 2); });
        f.window.goToProblem(rowOf(Section::passages));
        f.prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(child<QListView>(dialog, "compositions")->currentIndex().row(), 1);
        });
        f.window.goToProblem(rowOf(Section::compositions));
        QCOMPARE(f.prompter.dialogTitles,
                 (std::vector<QString>{"Edytuj pociąg", "Przejścia lokomotyw", "Skład pociągów"}));
    }

    void readableListShowsWhatApplies() {
        Fixture f;
        TimetableContent c = listContent();
        c.coaches = {"Wos1"};
        c.compositions = {"1,1,0,", "2,2,0,"};  // composition 1: two of vehicle 2, the coach
        c.trains[0].runType = 1;                // starts here: no arrival side
        c.trains[0].composition = 1;
        c.trains[1].runType = 0;  // ends here: no departure side
        c.trains[2].departurePlatform = 0;
        c.trains[2].destinationStation = 3;
        f.window.session().open(c, "/tmp/", "a.roz");
        f.window.findChild<QAction*>(QStringLiteral("readableList"))->setChecked(true);
        QCOMPARE(f.column(2), (QStringList{"", "7:05", "9:30"}));  // arrival time
        QCOMPARE(f.column(7).mid(1, 1), QStringList{""});          // departure of the one that ends
        QCOMPARE(f.column(11).last(), QString());                  // platform 0
        QCOMPARE(f.column(13).first(), QStringLiteral("Wos1, Wos1"));  // composition by names
        // A change of the coaches reaches the readable list.
        f.window.session().replaceTextList(&TimetableContent::coaches, {"Wos2"},
                                           QStringLiteral("zmianę wagonów"));
        QCOMPARE(f.column(13).first(), QStringLiteral("Wos2, Wos2"));
        // Sorting by the destination sorts by it; "Indeks" descending through the header.
        f.list()->horizontalHeader()->setSortIndicator(10, Qt::AscendingOrder);
        QCOMPARE(f.column(10).first(), QStringLiteral("Aleksandrów"));
        f.list()->horizontalHeader()->setSortIndicator(10, Qt::DescendingOrder);
        QCOMPARE(f.column(10).last(), QStringLiteral("Aleksandrów"));
        f.list()->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
        QCOMPARE(f.column(0), (QStringList{"2", "1", "0"}));
    }

    void readableListSortsAndSearches() {
        Fixture f;
        f.window.findChild<QAction*>(QStringLiteral("readableList"))->setChecked(true);
        QCOMPARE(f.column(2), (QStringList{"10:05", "7:05", "9:30"}));
        QCOMPARE(f.column(5), (QStringList{"Łódź", "Lublin", "Ąbrowa"}));
        f.sortBy(2);  // times as times
        QCOMPARE(f.column(2), (QStringList{"7:05", "9:30", "10:05"}));
        f.sortBy(5);  // Polish order: ą after a, ł after l
        QCOMPARE(f.column(5), (QStringList{"Ąbrowa", "Lublin", "Łódź"}));
        f.sortBy(5, Qt::DescendingOrder);
        QCOMPARE(f.column(5), (QStringList{"Łódź", "Lublin", "Ąbrowa"}));
        // "Do stacji" sorts by the destination, not the origin: the orders differ here.
        for (const auto& [train, destination] : {std::pair{0, 2}, {1, 4}, {2, 1}}) {
            Train t = f.window.session().content().trains[std::size_t(train)];
            t.destinationStation = destination;
            f.window.session().replaceEntry(&TimetableContent::trains, train, t, {});
        }
        f.sortBy(10);
        QCOMPARE(f.column(10), (QStringList{"Ąbrowa", "Lublin", "Łódź"}));
        QCOMPARE(f.column(0), (QStringList{"1", "0", "2"}));
        f.sortBy(5);
        QCOMPARE(f.column(0), (QStringList{"2", "1", "0"}));
        for (int undo = 0; undo < 3; ++undo) f.window.session().undoStack().undo();
        f.sortBy(5, Qt::DescendingOrder);

        // Edit and delete act on the train, not on the row shown.
        f.list()->selectRow(0);  // Łódź: train 0
        QCOMPARE(f.window.selectedTrain(), 0);
        child<QLineEdit>(f.window, "search")->setText(QStringLiteral("lodz"));
        QCOMPARE(f.list()->model()->rowCount(), 1);
        f.list()->selectRow(0);
        QCOMPARE(f.window.selectedTrain(), 0);
        child<QLineEdit>(f.window, "search")->setText(QStringLiteral("LUBLIN"));
        f.list()->selectRow(0);
        f.prompter.answers = {QMessageBox::Yes};
        f.window.findChild<QAction*>(QStringLiteral("deleteTrain"))->trigger();
        QCOMPARE(f.window.session().content().trains.size(), std::size_t(2));
        QCOMPARE(f.window.session().content().trains[1].originStation, 4);  // Lublin's train 1 went

        // The search follows an edit: a train that now matches appears, one that no longer does
        // goes.
        Train moved = f.window.session().content().trains[0];
        moved.originStation = 4;  // Ąbrowa
        child<QLineEdit>(f.window, "search")->setText(QStringLiteral("abrowa"));
        QCOMPARE(f.list()->model()->rowCount(), 1);
        f.window.session().replaceEntry(&TimetableContent::trains, 0, moved,
                                        QStringLiteral("edycję pociągu 0"));
        QCOMPARE(f.list()->model()->rowCount(), 2);
        moved.originStation = 1;
        f.window.session().replaceEntry(&TimetableContent::trains, 0, moved,
                                        QStringLiteral("edycję pociągu 0"));
        QCOMPARE(f.list()->model()->rowCount(), 1);

        // Indeks gives the file order back; the choice of list survives a restart.
        child<QLineEdit>(f.window, "search")->clear();
        f.sortBy(0);
        QCOMPARE(f.column(0), (QStringList{"0", "1"}));
        MainWindow again(qpath(f.folder / "Rylmo.ini"));
        QVERIFY(again.findChild<QAction*>(QStringLiteral("readableList"))->isChecked());
        QCOMPARE(test::readBytes(f.folder / "Rylmo.ini"),
                 std::string("[Widok]\r\nListaCzytelna=1\r\n"));
    }
};

std::unique_ptr<QObject> makeProblemsTest() {
    return std::make_unique<ProblemsTest>();
}

#include "ProblemsTest.moc"
