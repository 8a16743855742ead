#include <QAction>
#include <QColor>
#include <QSpinBox>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "WindowFixture.h"
#include "app/MainWindow.h"
#include "editing/ProblemChecker.h"
#include "trains/ChartPainting.h"
#include "trains/PlatformChart.h"

using namespace rylmo;
using namespace rylmo::app;
using test::child;
using test::listContent;
using test::qpath;

std::unique_ptr<QObject> makeChartTest();

class ChartTest : public QObject {
    Q_OBJECT
private slots:
    // The chart draws each stay where its time lies, conflicting ones red; a click on a bar
    // selects the train in the list, a double-click edits it, and an undo redraws it.
    void platformChartActsOnItsTrains() {
        test::WindowFixture f;
        TimetableContent c = listContent();  // platform 1 at 10:05, 7:05 and 9:30
        c.trains[2].arrivalTime = 707;       // now meets the 7:05 train
        c.trains[2].departureTime = 715;
        f.window.session().open(c, "/tmp/", "a.roz");
        f.window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
        trains::PlatformChart* chart = f.window.platformChart();
        QVERIFY(!chart->isHidden() && !f.window.trainList()->isVisibleTo(&f.window));
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
        QCOMPARE(picture.pixelColor(conflicting.center()), trains::conflictColour());
        QVERIFY(picture.pixelColor(alone.center()) != trains::conflictColour());

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
};

std::unique_ptr<QObject> makeChartTest() {
    return std::make_unique<ChartTest>();
}
#include "ChartTest.moc"
