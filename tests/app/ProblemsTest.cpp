#include <QAction>
#include <QDockWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QSlider>
#include <QTableView>
#include <QTest>

#include "AppTests.h"
#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "app/MainWindow.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainListModel.h"

using namespace rylmo;
using namespace rylmo::app;
using test::child;

namespace {

// Three trains whose names, times and numbers sort differently by each column.
TimetableContent listContent() {
    TimetableContent c = test::workedExample();
    // Windows-1250, as in the file: Łódź, Lublin, Aleksandrów, Ąbrowa.
    c.stationNames = {"Wola", "\xa3\xf3" "d\x9f", "Lublin", "Aleksandr\xf3w", "\xa5" "browa"};
    Train t = c.trains[0];
    c.trains.clear();
    for (const auto& [time, origin, number] : {std::tuple{1005, 1, 300}, std::tuple{705, 2, 100}, std::tuple{930, 4, 200}}) {
        t.arrivalTime = time;
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
        for (int row = 0; row < list()->model()->rowCount(); ++row) texts << list()->model()->index(row, column).data().toString();
        return texts;
    }
    void sortBy(int column, Qt::SortOrder order = Qt::AscendingOrder) { list()->sortByColumn(column, order); }
};

}  // namespace

class ProblemsTest : public QObject {
    Q_OBJECT
private slots:
    void panelFollowsEditsAndUndo() {
        Fixture f;
        QVERIFY(f.window.problems().problems().empty());
        QCOMPARE(f.window.problemsDock()->windowTitle(), QStringLiteral("Problemy (0)"));
        f.window.session().replaceTextList(&TimetableContent::stationNames, {"Wola"}, QStringLiteral("zmianę nazw"));
        QTRY_VERIFY(!f.window.problems().isChecking());
        QCOMPARE(f.window.problems().problems().size(), std::size_t(3));  // every train's origin
        QCOMPARE(f.window.problemsDock()->windowTitle(), QStringLiteral("Problemy (3)"));
        QVERIFY(!f.window.session().trainListModel()->index(1, 0).data(Qt::ToolTipRole).toString().isEmpty());
        f.window.session().undoStack().undo();
        QTRY_VERIFY(!f.window.problems().isChecking());
        QVERIFY(f.window.problems().problems().empty());
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
        const auto rowOf = [&](const char* section) {
            for (std::size_t i = 0; i < problems.size(); ++i) {
                if (problems[i].section == section) return static_cast<int>(i);
            }
            return -1;
        };
        f.prompter.dialogs.push_back([](QDialog& dialog) { QCOMPARE(dialog.windowTitle(), QStringLiteral("Edytuj pociąg")); });
        f.window.goToProblem(rowOf("Pociągi"));
        QCOMPARE(f.window.selectedTrain(), 2);
        QCOMPARE(f.prompter.dialogTitles.size(), std::size_t(1));

        f.prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(child<QSlider>(dialog, "passages")->value(), 2);
        });
        f.window.goToProblem(rowOf("Przejścia lokomotyw"));
        f.prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(child<QListView>(dialog, "compositions")->currentIndex().row(), 1);
        });
        f.window.goToProblem(rowOf("Skład pociągów"));
        QCOMPARE(f.prompter.dialogTitles,
                 (std::vector<QString>{"Edytuj pociąg", "Przejścia lokomotyw", "Skład pociągów"}));
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

        // Indeks gives the file order back; the choice of list survives a restart.
        child<QLineEdit>(f.window, "search")->clear();
        f.sortBy(0);
        QCOMPARE(f.column(0), (QStringList{"0", "1"}));
        MainWindow again(qpath(f.folder / "Rylmo.ini"));
        QVERIFY(again.findChild<QAction*>(QStringLiteral("readableList"))->isChecked());
        QCOMPARE(test::readBytes(f.folder / "Rylmo.ini"), std::string("[Widok]\r\nListaCzytelna=1\r\n"));
    }
};

std::unique_ptr<QObject> makeProblemsTest() { return std::make_unique<ProblemsTest>(); }

#include "ProblemsTest.moc"
