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

#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "WindowFixture.h"
#include "app/MainWindow.h"
#include "document/Occupancy.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainFilterModel.h"
#include "editing/TrainListModel.h"
#include "trains/PlatformChart.h"

#include "AppTests.h"
using namespace rylmo;
using namespace rylmo::app;
using test::child;
using test::listContent;
using test::qpath;

namespace {

// The list sorted by number downwards (300, 200, 100: trains 0, 2, 1) and searched for "0",
// with the first and the last row chosen as a click and a Ctrl+click choose them.
struct ListOfTwoChosen {
    test::WindowFixture f;

    ListOfTwoChosen() {
        f.sortBy(10, Qt::DescendingOrder);
        child<QLineEdit>(f.window, "search")->setText(QStringLiteral("0"));
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {},
                          f.list()->visualRect(f.list()->model()->index(0, 1)).center());
        f.list()->selectionModel()->select(f.list()->model()->index(2, 1),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    app::MainWindow& window() { return f.window; }
    QAction* action(const char* name) {
        return f.window.findChild<QAction*>(QString::fromLatin1(name));
    }
    const std::vector<Train>& trains() { return f.window.session().content().trains; }
    const editing::TrainFilterModel* rows() {
        return static_cast<const editing::TrainFilterModel*>(f.list()->model());
    }
};

}  // namespace

class TrainListTest : public QObject {
    Q_OBJECT
private slots:
    // Two trains chosen in a list a user has sorted and searched: the status bar counts them,
    // editing waits for one, deleting takes both; the choice survives a look at the chart
    // while the list has the focus (a window can be shown only where there is a screen: not
    // under wine's test runs).
    void aSelectionInASortedSearchedList() {
        ListOfTwoChosen f;
        QCOMPARE(f.window().selectedTrains(), (std::vector<int>{0, 1}));
        QCOMPARE(child<QLabel>(f.window(), "selectionPanel")->text(),
                 QStringLiteral("Zaznaczone: 2 pociągi"));
        QVERIFY(!f.action("editTrain")->isEnabled());
        QVERIFY(f.action("deleteTrain")->isEnabled());
        if (QGuiApplication::platformName() != QLatin1String("windows")) {
            f.window().show();
            f.f.list()->setFocus();
            f.action("showChart")->trigger();
            f.action("showList")->trigger();
            QCOMPARE(f.window().selectedTrains(), (std::vector<int>{0, 1}));
            f.window().hide();
        }
    }

    // Two copies an hour apart, numbers up by 2: appended in the order of the rows, selected,
    // the first copy current.
    void copiesOfTheChosenTrains() {
        ListOfTwoChosen f;
        f.f.prompter.dialogs.push_back([](QDialog& dialog) {
            child<QSpinBox>(dialog, "numberChange")->setValue(2);
            child<QSpinBox>(dialog, "copies")->setValue(2);
            QCOMPARE(child<QLabel>(dialog, "preview")->text(),
                     QStringLiteral("Pociąg 300 i 1 inny — 2 kopie: 10:05 → 11:05, 12:05; "
                                    "numery 300 → 302, 304"));
            child<QPushButton>(dialog, "ok")->click();
        });
        f.action("copyTrains")->trigger();
        const auto& trains = f.trains();
        QCOMPARE(trains.size(), std::size_t(7));
        QCOMPARE(trains[3].arrivalNumber, 302);
        QCOMPARE(trains[4].arrivalNumber, 102);
        QCOMPARE(trains[6].arrivalTime, 905);
        QCOMPARE(f.action("undo")->text(), QStringLiteral("Cofnij skopiowanie 4 pociągów"));
        std::vector<int> copies = f.window().selectedTrains();
        std::sort(copies.begin(), copies.end());
        QCOMPARE(copies, (std::vector<int>{3, 4, 5, 6}));
        QCOMPARE(f.rows()->trainAt(f.f.list()->currentIndex().row()), 3);
    }

    // The clipboard: the list's columns for a spreadsheet, each line its row's own texts
    // however the list is sorted and searched; the program's own format pastes back; a broken
    // paste is said and changes nothing.
    void theClipboardTakesTheChosenRows() {
        ListOfTwoChosen f;
        f.action("copy")->trigger();
        const QString table = QGuiApplication::clipboard()->text();
        QVERIFY(table.startsWith(QStringLiteral("Indeks\t1\t2")));
        QCOMPARE(table.count(QStringLiteral("\r\n")), 3);
        const QStringList lines = table.split(QStringLiteral("\r\n"));
        for (int line = 1; line <= 2; ++line) {
            const int row = f.rows()->rowOf(f.window().selectedTrains()[std::size_t(line - 1)]);
            QStringList cells;
            for (int column = 0; column < f.rows()->columnCount(); ++column)
                cells << f.rows()->index(row, column).data().toString();
            QCOMPARE(lines[line], cells.join(QLatin1Char('\t')));
        }
        f.action("paste")->trigger();
        const auto& trains = f.trains();
        QCOMPARE(trains.size(), std::size_t(5));
        QCOMPARE(trains[3], trains[0]);
        QCOMPARE(trains[4], trains[1]);
        QCOMPARE(f.window().selectedTrains(), (std::vector<int>{3, 4}));
        QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\tx"));
        f.action("paste")->trigger();
        QCOMPARE(f.f.prompter.messages.back().text,
                 QStringLiteral("Nie można wkleić pociągów. Wiersz 1: 3 pola zamiast 26 pól "
                                "pociągu oddzielonych tabulatorem."));
        QCOMPARE(trains.size(), std::size_t(5));
    }

    // Delete in the list takes exactly the chosen trains, in one step; Delete in the search
    // field is the field's own. "Przesuń czas..." moves every chosen train, shown anew in the
    // sorted list.
    void deletingAndShiftingTheChosenTrains() {
        ListOfTwoChosen f;
        const auto& trains = f.trains();
        QTest::keyClick(child<QLineEdit>(f.window(), "search"), Qt::Key_Delete);
        QCOMPARE(trains.size(), std::size_t(3));
        f.f.prompter.answers = {QMessageBox::Yes};
        QTest::keyClick(f.f.list(), Qt::Key_Delete);
        QCOMPARE(f.f.prompter.messages.back().text,
                 QStringLiteral("Czy na pewno chcesz usunąć z rozkładu 2 wybrane pociągi?"));
        QCOMPARE(trains.size(), std::size_t(1));
        QCOMPARE(trains[0].arrivalNumber, 200);
        QCOMPARE(f.action("undo")->text(), QStringLiteral("Cofnij usunięcie 2 pociągów"));
        f.window().session().undoStack().undo();

        f.f.list()->selectAll();
        f.f.prompter.dialogs.push_back([](QDialog& dialog) {
            child<QSpinBox>(dialog, "minutes")->setValue(-30);
            child<QPushButton>(dialog, "ok")->click();
        });
        f.action("shiftTrains")->trigger();
        QCOMPARE(trains[1].arrivalTime, 635);
        QCOMPARE(trains[1].departureTime, 640);
        for (int train = 0; train < 3; ++train) {
            const int row = f.rows()->rowOf(train);
            QVERIFY(row >= 0);
            QCOMPARE(f.rows()->index(row, 2).data().toString(),
                     QString::number(trains[std::size_t(train)].arrivalTime));
        }
        QCOMPARE(f.action("undo")->text(), QStringLiteral("Cofnij przesunięcie 3 pociągów"));
    }

    void readableListShowsWhatApplies() {
        test::WindowFixture f;
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
        test::WindowFixture f;
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

std::unique_ptr<QObject> makeTrainListTest() {
    return std::make_unique<TrainListTest>();
}
#include "TrainListTest.moc"
