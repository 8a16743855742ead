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
#include "WindowFixture.h"
#include "app/MainWindow.h"
#include "document/Occupancy.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainFilterModel.h"
#include "editing/TrainListModel.h"
#include "trains/PlatformChart.h"

using namespace rylmo;
using namespace rylmo::app;
using test::child;
using test::listContent;

class ProblemsTest : public QObject {
    Q_OBJECT
private slots:
    void panelFollowsEditsAndUndo() {
        test::WindowFixture f;
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
        QCOMPARE(last.data(Qt::DecorationRole).value<QColor>(),
                 editing::TrainListModel::problemColour());
        QVERIFY(
            !f.window.session().trainListModel()->index(1, 0).data(Qt::DecorationRole).isValid());
    }

    void findingsAreBoundedButCounted() {
        test::WindowFixture f;
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

    // The check reads the live content: each change stops it first, a stopped check's partial
    // findings are never shown, and the last change is checked after it.
    void changesDuringACheckAreCheckedAfterIt() {
        test::WindowFixture f;
        TimetableContent c = listContent();
        c.trains[0].arrivalPlatform = c.trains[0].departurePlatform = 0;
        c.trains[0].runType = 9;  // every train has one finding
        c.trains.assign(100000, c.trains[0]);
        editing::ProblemChecker& problems = f.window.problems();
        problems.setDelay(0);
        std::vector<std::size_t> shown;
        connect(&problems, &editing::ProblemChecker::problemsChanged, this,
                [&] { shown.push_back(problems.total()); });
        f.window.session().open(c, "/tmp/", "a.roz");
        Train sound = c.trains[0];
        sound.runType = 2;
        for (int i = 0; i < 6; ++i) {
            QCoreApplication::processEvents();  // a check of the 100,000 trains starts
            f.window.session().replaceEntry(&TimetableContent::trains, 99999,
                                            i % 2 ? sound : c.trains[0], QStringLiteral("x"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!problems.isChecking(), 20000);
        QCOMPARE(problems.total(), std::size_t(99999));
        for (std::size_t total : shown) QVERIFY(total == 99999 || total == 100000);
    }

    void findingsOpenTheirWindow() {
        test::WindowFixture f;
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
};

std::unique_ptr<QObject> makeProblemsTest() {
    return std::make_unique<ProblemsTest>();
}

#include "ProblemsTest.moc"
