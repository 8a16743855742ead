// Planning platforms, timed as the user meets it.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "StationDay.h"
#include "Timing.h"
#include "app/MainWindow.h"
#include "editing/EditingSession.h"
#include "trains/PlatformChart.h"
#include "trains/PlatformPlanDialog.h"

using timing::report;
using timing::settle;
using timing::timer;

namespace {

void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, target->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The proposal of "Rozdziel perony..." for every train of the open timetable.
void timeProposal(rylmo::app::MainWindow& window, const char* step) {
    settle(window);
    rylmo::trains::PlatformPlanDialog dialog(window.session().content(), {},
                                             window.platformChart()->dwellTimes(), &window);
    dialog.show();
    QApplication::processEvents();
    report(step, QStringLiteral("\"moved\": %1, \"unplaced\": %2")
                     .arg(dialog.plan().movedTrains)
                     .arg(dialog.plan().unplacedTrains));
}

// A bar in conflict pressed and dragged three rows down in 30 moves, each move's ghost, test
// and repaint timed alone; then the drop.
void timeDrag(rylmo::app::MainWindow& window) {
    rylmo::trains::PlatformChart* chart = window.platformChart();
    const rylmo::PlatformLayout& layout = chart->layout();
    const auto conflicting =
        std::find(layout.conflicting().begin(), layout.conflicting().end(), true);
    if (conflicting == layout.conflicting().end()) return;
    const std::size_t stay = static_cast<std::size_t>(conflicting - layout.conflicting().begin());
    const int train = static_cast<int>(layout.intervals()[stay].train);
    chart->showTrains(train, -1);
    chart->viewport()->repaint();
    QWidget* viewport = chart->viewport();
    const QPoint from = chart->barOf(train).center();
    settle(window);
    send(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton);
    double slowest = 0;
    for (int i = 1; i <= 30; ++i) {
        QElapsedTimer move;
        move.start();
        send(viewport, QEvent::MouseMove, from + QPoint(0, i * 3 * 34 / 30), Qt::LeftButton);
        viewport->repaint();
        slowest = std::max(slowest, static_cast<double>(move.nsecsElapsed()) / 1e6);
    }
    timing::reportMilliseconds("drag bar (slowest move)", slowest);
    const int steps = window.session().undoStack().count();
    send(viewport, QEvent::MouseButtonRelease, from + QPoint(0, 3 * 34), Qt::NoButton);
    QApplication::processEvents();
    viewport->repaint();
    const bool moved = window.session().undoStack().count() > steps;
    report("drop bar", QStringLiteral("\"moved\": %1").arg(moved ? "true" : "false"));
    if (moved) window.session().undoStack().undo();
    QApplication::processEvents();
}

void timeMoveMenu(rylmo::app::MainWindow& window) {
    settle(window);
    QMenu* menu = window.platformChart()->moveMenu();
    emit menu->aboutToShow();
    report("free platforms menu", QStringLiteral("\"items\": %1").arg(menu->actions().size()));
}

}  // namespace

void timePlanningSteps(rylmo::app::MainWindow& window) {
    if (window.session().content().trains.empty()) return;
    window.findChild<QAction*>(QStringLiteral("showChart"))->trigger();
    timeProposal(window, "resolve conflicts (100k)");
    // The realistic day in place of the timetable, as if opened (nothing is saved); then the
    // timetable again, for the steps that follow.
    rylmo::Timetable opened = window.session().document();
    window.session().open(rylmo::bench::stationDay(), {}, "dzien.roz");
    QApplication::processEvents();
    window.platformChart()->fitDay();
    window.platformChart()->viewport()->repaint();
    timeDrag(window);
    timeMoveMenu(window);
    timeProposal(window, "resolve conflicts (day)");
    window.session().open(std::move(opened.content), opened.fileFolder, opened.fileName);
    QApplication::processEvents();
}
