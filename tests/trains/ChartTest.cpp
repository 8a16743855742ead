#include <QAction>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QSpinBox>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "TestTrains.h"
#include "WindowFixture.h"
#include "app/MainWindow.h"
#include "document/RozWriter.h"
#include "editing/ProblemChecker.h"
#include "render/ChartExport.h"
#include "render/ChartPainting.h"
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
        chart->fitDay();
        const int anchor = chart->barOf(1).left();
        chart->zoomBy(6.0, anchor);  // from about 7:00 to 11:00, 7:05 where it was
        QVERIFY(std::abs(chart->barOf(1).left() - anchor) <= 1);
        QVERIFY(chart->barOf(1).width() > 12);  // five minutes, six times wider
        const QImage picture = chart->viewport()->grab().toImage();
        const QRect conflicting = chart->barOf(2);
        const QRect alone = chart->barOf(0);
        QVERIFY(alone.left() > conflicting.right());  // 10:05 lies right of 7:07
        QCOMPARE(picture.pixelColor(conflicting.center()), render::conflictColour());
        QVERIFY(picture.pixelColor(alone.center()) != render::conflictColour());

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

        // Zoomed in on the two: the later bar covers the end of the earlier one, whose label
        // stands in the part before it; labels never meet.
        chart->zoomBy(8.0, chart->barOf(1).left());
        chart->viewport()->grab();
        QStringList labels;
        for (const auto& [where, text] : chart->shownLabels()) {
            labels << text;
            if (text == QStringLiteral("100")) QVERIFY(where.right() < chart->barOf(2).left());
        }
        labels.sort();
        QCOMPARE(labels, (QStringList{QStringLiteral("100"), QStringLiteral("200")}));
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

    // The exported day: a long bar that a short one crosses is labelled in the part nothing
    // covers; the rows take the page's height; the conflicts are listed under the chart, as
    // many as fit, the last line saying there are more.
    void theExportedDayNamesEveryTrain() {
        TimetableContent c = listContent();
        c.trains[0] = test::train(2, 900, 1100).platforms(4, 4).numbers(901, 901);
        c.trains[1] = test::train(2, 1000, 1010).platforms(4, 4).numbers(8877, 8877);
        PlatformLayout layout;
        layout.build(c, DwellTimes{});
        QImage page(1123, 794, QImage::Format_ARGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);
        const render::ChartView day{render::ChartView::fittingScale(1123), 0, 0, 1123, 794};
        QStringList labels;
        for (const auto& [where, text] :
             render::paintChart(painter, QPalette(), c, layout, day, {}))
            labels << text;
        QVERIFY2(labels.contains(QStringLiteral("901")), qPrintable(labels.join('|')));

        render::WholeDayPage shown = render::wholeDayPage(c, layout, 794, 15);
        QCOMPARE(shown.conflicts,
                 (QStringList{QStringLiteral("Konflikty:"),
                              QStringLiteral("Peron 4, 10:00–10:10: 901 i 8877")}));
        QCOMPARE(layout.rows().size(), std::size_t(4));
        // The four rows share what the header and the two lines of the list leave.
        QCOMPARE(shown.rowHeight, (794 - render::chart::headerHeight - 2 * 15 - 8) / 4);
        QVERIFY(shown.chartHeight + 15 * shown.conflicts.size() <= 794);
        // Without conflicts the rows still fill the page.
        c.trains[1].arrivalPlatform = c.trains[1].departurePlatform = 3;
        layout.build(c, DwellTimes{});
        shown = render::wholeDayPage(c, layout, 794, 15);
        QVERIFY(shown.conflicts.isEmpty());
        QCOMPARE(shown.rowHeight, (794 - render::chart::headerHeight) / 4);
        QCOMPARE(render::wholeDayPage(c, layout, 5000, 15).rowHeight, 6 * render::chart::rowHeight);
        // Nine platforms in a low page: the rows as on screen, the list cut to what fits.
        std::vector<Train> many;
        for (int32_t p = 1; p <= 9; ++p) {
            for (int k = 0; k < 10; ++k)
                many.push_back(
                    test::train(2, 700 + k, 800).platforms(p, p).numbers(p * 100 + k, p * 100 + k));
        }
        c.trains = many;
        layout.build(c, DwellTimes{});
        shown = render::wholeDayPage(c, layout, 600, 15);
        QCOMPARE(shown.rowHeight, render::chart::rowHeight);
        QVERIFY(shown.chartHeight + 15 * shown.conflicts.size() + 8 <= 600);
        QVERIFY(shown.conflicts.size() > 2);
        QCOMPARE(shown.conflicts.back(),
                 QStringLiteral("… i dalsze konflikty (pełna lista w oknie Problemy)"));
    }

    // The chart opens on the hours after the day's start (or around the chosen train), not
    // on the whole day; the part of the day shown is kept for the file and shown again.
    void theChartOpensOnTheHoursThatMatter() {
        test::WindowFixture f;
        const std::filesystem::path file = f.folder / "a.roz";
        TimetableContent c = listContent();
        c.startTime = "600";
        saveTimetableFile(c, file.string());
        f.window.openFile(qpath(file));
        // Laid out as shown, but never on a screen (nor made the active window, which would look
        // at the file on disk).
        f.window.setAttribute(Qt::WA_DontShowOnScreen);
        f.window.resize(1000, 600);
        f.window.show();
        f.window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
        trains::PlatformChart* chart = f.window.platformChart();
        // Within two pixels' worth of minutes: the scroll bar counts whole pixels.
        const auto near = [&](double minutes, double expected) {
            const double across =
                std::max(1, chart->viewport()->width() - render::chart::labelWidth -
                                render::chart::rightMargin);
            return std::abs(minutes - expected) <= 2 * chart->shownSpan().minutes / across + 0.01;
        };
        trains::PlatformChart::Span span = chart->shownSpan();
        QVERIFY2(near(span.firstMinute, 330) && near(span.minutes, 240),
                 qPrintable(QStringLiteral("%1 %2").arg(span.firstMinute).arg(span.minutes)));
        chart->showSpan({600, 90});
        QTRY_COMPARE(f.window.settings().readString("WidokWykresu", "a.roz", ""),
                     std::string("600,90"));
        // Opened again: where it was left.
        f.window.findChild<QAction*>(QStringLiteral("showList"))->trigger();
        f.window.openFile(qpath(file));
        f.window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
        span = chart->shownSpan();
        QVERIFY(near(span.firstMinute, 600) && near(span.minutes, 90));
        // Another file with a train chosen: around that train's stay (9:30 on platform 1).
        const std::filesystem::path other = f.folder / "b.roz";
        saveTimetableFile(c, other.string());
        f.window.findChild<QAction*>(QStringLiteral("showList"))->trigger();
        f.window.openFile(qpath(other));
        f.window.selectTrain(2);
        f.window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
        span = chart->shownSpan();
        QVERIFY2(near(span.firstMinute, 9 * 60 + 30 - 60),
                 qPrintable(QString::number(span.firstMinute)));
    }
};

std::unique_ptr<QObject> makeChartTest() {
    return std::make_unique<ChartTest>();
}
#include "ChartTest.moc"
