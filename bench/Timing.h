#pragma once

#include <QElapsedTimer>
#include <QString>

namespace rylmo::app {
class MainWindow;
}

// What the timing tool's steps share: the clock, waiting for the check a change started, and
// printing a step as a line of JSON.
namespace timing {

extern QElapsedTimer timer;
// Lets the problems panel finish the check that the last change started, so that a step
// times its window alone; restarts the clock.
void settle(rylmo::app::MainWindow& window);
// {"step": "...", "ms": N, extra}; restarts the clock.
void report(const char* step, const QString& extra = {});
// The same with a time measured elsewhere, in milliseconds with fractions.
void reportMilliseconds(const char* step, double milliseconds);

}  // namespace timing

// Planning platforms: on a realistic day the tool makes itself, dragging a bar, dropping it,
// the free platforms' menu and the proposal of "Rozdziel perony..."; the proposal for the
// timetable that is open as well, which is open again afterwards.
void timePlanningSteps(rylmo::app::MainWindow& window);

// Printing: on the realistic day, the PDFs of the departure board and the dispatcher's sheet and
// the print preview's first page; the timetable that is open is open again afterwards.
void timePrintingSteps(rylmo::app::MainWindow& window);
// The dispatcher's sheet of the open timetable as a PDF.
void timeLargeExport(rylmo::app::MainWindow& window);
