#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <memory>

#include "ScriptedPrompter.h"
#include "TestTrains.h"
#include "WindowFixture.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "document/Codes.h"
#include "document/TrainCopies.h"
#include "trains/PlatformChart.h"
#include "trains/PlatformPlanDialog.h"

using namespace rylmo;

std::unique_ptr<QObject> makePlanningTest();

namespace {

constexpr int32_t passes = 2;

// 4512 and 8877 meet on platform 1 at 7:05; 700 holds platform 3 then; 5100 arrives on 2 and
// leaves from 3; 600 and 601 are one consist on platform 3.
TimetableContent planningContent() {
    TimetableContent c = test::workedExample();
    c.trains = {
        test::train(passes, 700, 710).platforms(1, 1).numbers(4512, 4512),
        test::train(passes, 705, 715).platforms(1, 1).numbers(8877, 8877),
        test::train(passes, 800, 840).platforms(2, 3).numbers(5100, 5100),
        test::train(passes, 900, 920).platforms(3, 3).numbers(600, 600).couplings(41, 0),
        test::train(passes, 905, 920).platforms(3, 3).numbers(601, 601).couplings(31, 0),
        test::train(passes, 700, 710).platforms(3, 3).numbers(700, 700),
    };
    return c;
}

void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(target, &event);
}

struct ChartFixture {
    test::WindowFixture f;
    trains::PlatformChart* chart;
    TimetableContent original = planningContent();

    ChartFixture() {
        f.window.session().open(original, "/tmp/", "plan.roz");
        f.window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
        chart = f.window.platformChart();
        chart->resize(1000, 400);
        chart->grab();
        chart->fitDay();
        chart->zoomBy(8.0, chart->barOf(0).left());  // a few hours across
        chart->grab();
    }
    const TimetableContent& content() { return f.window.session().content(); }
    QString undoText() { return f.window.session().undoStack().undoText(); }
    int steps() { return f.window.session().undoStack().index(); }
    // A point on train's bar that no later bar covers (bars of one platform overlap).
    QPoint on(int train) { return chart->barOf(train).topLeft() + QPoint(2, 2); }
    // The centre of platform's row at the height of a bar of train.
    QPoint onRow(int train, int32_t platform) {
        const QRect bar = chart->barOf(train);
        const int rowOfBar = chart->layout().rowOf(
            chart->layout().intervals()[chart->layout().firstStayOf(train)].platform);
        return {bar.center().x(), bar.center().y() + (chart->layout().rowOf(platform) - rowOfBar) *
                                                         render::chart::rowHeight};
    }
    // Presses on train's bar, moves through the points, and lets go at the last.
    void drag(int train, std::initializer_list<QPoint> through,
              Qt::KeyboardModifiers modifiers = {}) {
        mouse(chart->viewport(), QEvent::MouseButtonPress, on(train));
        for (QPoint at : through) mouse(chart->viewport(), QEvent::MouseMove, at, modifiers);
        mouse(chart->viewport(), QEvent::MouseButtonRelease, *(through.end() - 1), modifiers);
    }
    // The original with train's platforms as given: what a move must leave.
    TimetableContent withPlatforms(std::initializer_list<std::tuple<int, int32_t, int32_t>> moves) {
        TimetableContent c = original;
        for (const auto& [train, arrival, departure] : moves) {
            c.trains[static_cast<std::size_t>(train)].arrivalPlatform = arrival;
            c.trains[static_cast<std::size_t>(train)].departurePlatform = departure;
        }
        return c;
    }
};

}  // namespace

class PlanningTest : public QObject {
    Q_OBJECT
private slots:
    // A bar dragged to another row: the ghost and its tooltip follow, red over a conflict;
    // the drop changes exactly the platform fields of that stay, as one step that undo takes
    // back whole.
    void draggingMovesTheStayToAnotherPlatform() {
        ChartFixture x;
        mouse(x.chart->viewport(), QEvent::MouseButtonPress, x.chart->barOf(1).center());
        mouse(x.chart->viewport(), QEvent::MouseMove, x.onRow(1, 2));
        QCOMPARE(x.chart->dragText(), QStringLiteral("Peron 2, 7:05–7:15: wolny"));
        QVERIFY(x.chart->dragOutcome()->conflict == x.chart->layout().intervals().size());
        mouse(x.chart->viewport(), QEvent::MouseMove, x.onRow(1, 3));
        QCOMPARE(x.chart->dragText(),
                 QStringLiteral("Peron 3, 7:05–7:15: koliduje z pociągiem 700 (7:00–7:10)"));
        // Far below the last row: the last row.
        mouse(x.chart->viewport(), QEvent::MouseMove, x.onRow(1, 3) + QPoint(0, 500));
        QVERIFY(x.chart->dragText().startsWith(QStringLiteral("Peron 3, ")));
        mouse(x.chart->viewport(), QEvent::MouseMove, x.onRow(1, 2));
        mouse(x.chart->viewport(), QEvent::MouseButtonRelease, x.onRow(1, 2));
        QVERIFY(!x.chart->dragOutcome());
        QCOMPARE(x.content(), x.withPlatforms({{1, 2, 2}}));
        QCOMPARE(x.undoText(), QStringLiteral("przeniesienie pociągu 8877 na peron 2"));
        x.f.window.session().undoStack().undo();
        QCOMPARE(x.content(), x.original);

        // A drop on the row it came from, and Esc, change nothing and make no step.
        const int before = x.steps();
        x.drag(1, {x.onRow(1, 1) + QPoint(30, 0), x.onRow(1, 1) + QPoint(40, 0)});
        mouse(x.chart->viewport(), QEvent::MouseButtonPress, x.chart->barOf(1).center());
        mouse(x.chart->viewport(), QEvent::MouseMove, x.onRow(1, 2));
        QTest::keyClick(x.chart, Qt::Key_Escape);
        QVERIFY(!x.chart->dragOutcome());
        mouse(x.chart->viewport(), QEvent::MouseButtonRelease, x.onRow(1, 2));
        // A press and release without moving is a click, not a drag.
        x.drag(1, {x.chart->barOf(1).center()});
        QCOMPARE(x.steps(), before);
        QCOMPARE(x.content(), x.original);
    }

    // Shift moves in time, every time of the train as "Przesuń czas" does; one piece of a
    // train that changes platforms moves alone; a consist moves whole.
    void draggingInTimeByPiecesAndByConsists() {
        ChartFixture x;
        const double perMinute = x.chart->barOf(1).width() / 10.0;
        const QPoint start = x.on(1);
        x.drag(1, {start + QPoint(static_cast<int>(perMinute * 25), 0)}, Qt::ShiftModifier);
        // About 25 minutes, as the pixels round; every time by the same, nothing else.
        const int32_t moved = minuteOfDay(x.content().trains[1].arrivalTime) - 7 * 60 - 5;
        QVERIFY(moved >= 24 && moved <= 26);
        TimetableContent expected = x.original;
        expected.trains[1] = shiftedTrain(expected.trains[1], moved);
        QCOMPARE(x.content(), expected);
        QCOMPARE(x.undoText(),
                 QStringLiteral("przesunięcie pociągu 8877 o %1 min później").arg(moved));
        x.f.window.session().undoStack().undo();

        x.chart->setPlatformCount(4);  // an empty platform to drop on
        x.drag(2, {x.onRow(2, 4)});
        QCOMPARE(x.content(), x.withPlatforms({{2, 4, 3}}));
        x.f.window.session().undoStack().undo();

        x.drag(3, {x.onRow(3, 1)});
        QCOMPARE(x.content(), x.withPlatforms({{3, 1, 1}, {4, 1, 1}}));
        QCOMPARE(x.undoText(), QStringLiteral("przeniesienie pociągu 600 na peron 1"));
        x.f.window.session().undoStack().undo();
        QCOMPARE(x.content(), x.original);
    }

    // Keys on the chosen bar: Alt+arrows move it, never past platforms 1 and 9; Tab steps in
    // time order; Enter opens the train.
    void keysMoveAndStepThroughTheBars() {
        ChartFixture x;
        QTest::mouseClick(x.chart->viewport(), Qt::LeftButton, {}, x.chart->barOf(1).center());
        QCOMPARE(x.f.window.selectedTrain(), 1);
        // A click beside the bars chooses none.
        QTest::mouseClick(x.chart->viewport(), Qt::LeftButton, {},
                          QPoint(x.chart->width() - 30, 390));
        QCOMPARE(x.f.window.selectedTrain(), -1);
        QTest::mouseClick(x.chart->viewport(), Qt::LeftButton, {}, x.chart->barOf(1).center());
        QTest::keyClick(x.chart, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(x.content(), x.withPlatforms({{1, 2, 2}}));
        QTest::keyClick(x.chart, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(x.content(), x.original);
        const int steps = x.steps();
        QTest::keyClick(x.chart, Qt::Key_Up, Qt::AltModifier);  // no platform 0
        QCOMPARE(x.steps(), steps);
        QTest::keyClick(x.chart, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(x.content().trains[1].arrivalTime, 706);
        QCOMPARE(x.content().trains[1].departureTime, 716);
        QTest::keyClick(x.chart, Qt::Key_Left, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(x.content().trains[1].arrivalTime, 656);
        QCOMPARE(x.undoText(), QStringLiteral("przesunięcie pociągu 8877 o 10 min wcześniej"));
        x.f.window.session().undoStack().undo();
        x.f.window.session().undoStack().undo();
        QCOMPARE(x.content(), x.original);
        for (int step = 0; step < 8; ++step)
            QTest::keyClick(x.chart, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(x.content().trains[1].arrivalPlatform, 9);
        const int atNine = x.steps();
        QTest::keyClick(x.chart, Qt::Key_Down, Qt::AltModifier);  // no platform 10
        QCOMPARE(x.steps(), atNine);
        while (x.steps() > steps) x.f.window.session().undoStack().undo();

        // Tab: 4512 and 700 start at 7:00 (by position), 8877 at 7:05, 5100's pieces, the
        // consist; Shift+Tab back.
        QTest::mouseClick(x.chart->viewport(), Qt::LeftButton, {}, x.on(0));
        QCOMPARE(x.f.window.selectedTrain(), 0);
        std::vector<int> order;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(x.chart, Qt::Key_Tab);
            order.push_back(x.f.window.selectedTrain());
        }
        QCOMPARE(order, (std::vector<int>{5, 1, 2, 2, 3, 4}));
        QTest::keyClick(x.chart, Qt::Key_Tab);  // the last stays chosen
        QCOMPARE(x.f.window.selectedTrain(), 4);
        QTest::keyClick(x.chart, Qt::Key_Backtab);
        QCOMPARE(x.f.window.selectedTrain(), 3);
        x.f.prompter.dialogs.push_back([](QDialog& dialog) { dialog.reject(); });
        QTest::keyClick(x.chart, Qt::Key_Return);
        QCOMPARE(x.f.prompter.dialogTitles.back(), QStringLiteral("Edytuj pociąg"));
        QCOMPARE(x.content(), x.original);
    }

    // The bar's menu lists every platform, "(wolny)" where the stay fits; choosing one moves it.
    void theMenuOffersTheFreePlatforms() {
        ChartFixture x;
        QTest::mouseClick(x.chart->viewport(), Qt::LeftButton, {}, x.chart->barOf(1).center());
        QMenu* menu = x.chart->moveMenu();
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* item : menu->actions()) texts << item->text();
        QCOMPARE(texts, (QStringList{"Peron &1", "Peron &2 (wolny)", "Peron &3", "Peron &4 (wolny)",
                                     "Peron &5 (wolny)", "Peron &6 (wolny)", "Peron &7 (wolny)",
                                     "Peron &8 (wolny)", "Peron &9 (wolny)"}));
        QVERIFY(menu->actions()[0]->isChecked() && !menu->actions()[0]->isEnabled());
        menu->actions()[8]->trigger();
        QCOMPARE(x.content(), x.withPlatforms({{1, 9, 9}}));
        QCOMPARE(x.undoText(), QStringLiteral("przeniesienie pociągu 8877 na peron 9"));
        // The chart's rows grew to the highest platform used.
        QTRY_COMPARE(x.chart->rowCount(), 9);
    }

    // "Rozdziel perony...": the proposal first; "Anuluj" leaves all, "OK" one step.
    void resolvingShowsTheProposalFirst() {
        ChartFixture x;
        x.f.window.selectTrain(-1);
        QAction* resolve = x.f.window.findChild<QAction*>(QStringLiteral("resolvePlatforms"));
        QString summary;
        int rows = -1;
        x.f.prompter.dialogs.push_back([&](QDialog& dialog) {
            auto* table = dialog.findChild<QTableView*>(QStringLiteral("planMoves"));
            rows = table->model()->rowCount();
            summary = dialog.findChild<QLabel*>(QStringLiteral("planSummary"))->text();
            QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("platform3"))->isChecked());
            QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("platform4"))->isChecked());
            dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        });
        resolve->trigger();
        QCOMPARE(rows, 1);
        QCOMPARE(summary, QStringLiteral("Zmienią peron: 1 pociąg."));
        QCOMPARE(x.content(), x.original);

        x.f.prompter.dialogs.push_back([&](QDialog& dialog) {
            // Platform 1 alone: the 7:00 trains cannot all stand there.
            for (int p : {2, 3})
                dialog.findChild<QCheckBox*>(QStringLiteral("platform%1").arg(p))
                    ->setChecked(false);
            summary = dialog.findChild<QLabel*>(QStringLiteral("planSummary"))->text();
            dialog.findChild<QCheckBox*>(QStringLiteral("platform1"))->setChecked(false);
            QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("ok"))->isEnabled());
            for (int p : {1, 2, 3})
                dialog.findChild<QCheckBox*>(QStringLiteral("platform%1").arg(p))->setChecked(true);
            dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        resolve->trigger();
        QVERIFY(summary.contains(QStringLiteral("Bez wolnego peronu")));
        QVERIFY(summary.contains(QStringLiteral("8877 (7:05: 3 postoje na 1 peronie)")));
        QCOMPARE(x.undoText(), QStringLiteral("rozdzielenie peronów: 1 pociąg"));
        QCOMPARE(x.content().trains[1].arrivalPlatform, 2);
        x.f.window.problems().checkNow();
        QCOMPARE(x.f.window.problems().rowCount(), 0);
        x.f.window.session().undoStack().undo();
        QCOMPARE(x.content(), x.original);

        // With trains chosen, only they move: 4512 leaves platform 1 to 8877.
        x.f.window.selectTrain(0);
        x.f.prompter.dialogs.push_back([&](QDialog& dialog) {
            rows = dialog.findChild<QTableView*>(QStringLiteral("planMoves"))->model()->rowCount();
            dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        resolve->trigger();
        QCOMPARE(rows, 1);
        QCOMPARE(x.content().trains[1], x.original.trains[1]);
        QCOMPARE(x.content().trains[0].arrivalPlatform, 2);
    }

    // Scrolled down, a bar dropped lands on the row under the pointer, not on the row that
    // stands there unscrolled.
    void draggingInAScrolledChartLandsUnderThePointer() {
        ChartFixture x;
        x.chart->setPlatformCount(9);
        x.chart->resize(1000, 200);
        x.chart->grab();
        x.chart->verticalScrollBar()->setValue(2 * render::chart::rowHeight);  // rows 3 to 6
        x.chart->grab();
        QVERIFY(x.chart->barOf(5).top() >= render::chart::headerHeight);
        const QPoint target = x.onRow(5, 6);
        QVERIFY(target.y() < x.chart->viewport()->height());
        x.drag(5, {target + QPoint(0, -10), target});
        QCOMPARE(x.content(), x.withPlatforms({{5, 6, 6}}));
    }

    // The proposal's "Postój" sorts by time: 9:00 before 10:05, also when the text sorts
    // the other way.
    void theProposalSortsStaysByTime() {
        ChartFixture x;
        TimetableContent c = planningContent();
        c.trains.push_back(test::train(passes, 1005, 1015).platforms(1, 1).numbers(10, 10));
        c.trains.push_back(test::train(passes, 1005, 1015).platforms(1, 1).numbers(11, 11));
        c.trains.push_back(test::train(passes, 900, 915).platforms(2, 2).numbers(90, 90));
        c.trains.push_back(test::train(passes, 900, 915).platforms(2, 2).numbers(91, 91));
        x.f.window.session().open(c, "/tmp/", "plan.roz");
        x.f.window.selectTrain(-1);
        QStringList stays;
        x.f.prompter.dialogs.push_back([&](QDialog& dialog) {
            auto* table = dialog.findChild<QTableView*>(QStringLiteral("planMoves"));
            table->sortByColumn(2, Qt::AscendingOrder);
            for (int row = 0; row < table->model()->rowCount(); ++row)
                stays << table->model()->index(row, 2).data().toString();
            dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        });
        x.f.window.findChild<QAction*>(QStringLiteral("resolvePlatforms"))->trigger();
        QCOMPARE(stays.size(), 3);
        QVERIFY2(stays[0].startsWith(QStringLiteral("7:")), qPrintable(stays.join('|')));
        QVERIFY2(stays[1].startsWith(QStringLiteral("9:00")), qPrintable(stays.join('|')));
        QVERIFY2(stays[2].startsWith(QStringLiteral("10:05")), qPrintable(stays.join('|')));
    }

    // "Perony stacji:": the rows, at least those used; kept per station file in the settings.
    void theStationsPlatformCountIsKept() {
        ChartFixture x;
        auto* count = x.f.window.findChild<QSpinBox*>(QStringLiteral("stationPlatforms"));
        QTRY_COMPARE(count->value(), 3);
        count->setValue(2);  // fewer than used: the timetable's highest stays
        QCOMPARE(x.chart->rowCount(), 3);
        QCOMPARE(count->value(), 3);
        count->setValue(6);
        QCOMPARE(x.chart->rowCount(), 6);
        QCOMPARE(x.f.window.settings().readString("Perony", "plan.roz", ""), std::string("6"));
        count->setValue(2);  // fewer than used: the timetable's highest stays
        QCOMPARE(x.chart->rowCount(), 3);
        QCOMPARE(count->value(), 3);
        count->setValue(9);
        x.f.window.session().open(x.original, "/tmp/", "inna.roz");
        QTRY_COMPARE(x.chart->rowCount(), 3);
        x.f.window.session().open(x.original, "/tmp/", "plan.roz");
        QTRY_COMPARE(x.chart->rowCount(), 9);
        QCOMPARE(count->value(), 9);
        // Saved as another file: the count goes along, unless that name has its own.
        x.f.window.session().markSaved("/tmp/", "kopia.roz");
        QCOMPARE(x.f.window.settings().readString("Perony", "kopia.roz", ""), std::string("9"));
        x.f.window.session().markSaved("/tmp/", "inna.roz");
        QCOMPARE(x.f.window.settings().readString("Perony", "inna.roz", ""), std::string("9"));
        app::storeStationPlatforms(x.f.window.settings(), "trzecia.roz", 4);
        x.f.window.session().markSaved("/tmp/", "trzecia.roz");
        QCOMPARE(x.f.window.settings().readString("Perony", "trzecia.roz", ""), std::string("4"));
        QCOMPARE(x.chart->rowCount(), 9);
    }
};

std::unique_ptr<QObject> makePlanningTest() {
    return std::make_unique<PlanningTest>();
}
#include "PlanningTest.moc"
