// Printing and exporting, timed as the user meets them.
#include <QApplication>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <utility>

#include "StationDay.h"
#include "Timing.h"
#include "app/MainWindow.h"
#include "document/ConsistencyCheck.h"
#include "editing/EditingSession.h"
#include "printing/PrintCommands.h"
#include "printing/SheetFiles.h"
#include "render/Exports.h"
#include "render/SheetPages.h"

using rylmo::render::Destination;
using rylmo::render::ExportChoice;
using rylmo::render::SheetChoice;
using timing::report;
using timing::settle;

namespace {

rylmo::render::ExportSources sourcesOf(const rylmo::TimetableContent& content) {
    rylmo::render::ExportSources sources;
    sources.findings = rylmo::checkTimetable(content, 0).trainFindings;
    return sources;
}

// The bytes of the chosen sheet's PDF, with the rows built from the timetable.
void timePdf(rylmo::app::MainWindow& window, SheetChoice what, bool passengersOnly,
             const char* step) {
    const rylmo::TimetableContent& content = window.session().content();
    const rylmo::render::ExportSources sources = sourcesOf(content);
    ExportChoice choice;
    choice.what = what;
    choice.where = Destination::pdf;
    choice.filter.goods = choice.filter.service = !passengersOnly;
    settle(window);
    int pages = 0;
    const QByteArray pdf =
        rylmo::render::exportBytes(content, choice, sources, false, [&](int done, int) {
            pages = done;
            return true;
        });
    report(step, QStringLiteral("\"pages\": %1, \"bytes\": %2").arg(pages).arg(pdf.size()));
}

// "Drukuj..." up to the preview showing the dispatcher's sheet's first page.
void timePreview(rylmo::app::MainWindow& window) {
    const rylmo::TimetableContent& content = window.session().content();
    settle(window);
    const rylmo::Sheet sheet =
        rylmo::render::sheetFor(content, SheetChoice::dispatcherSheet, {}, sourcesOf(content));
    QPrinter printer(QPrinter::HighResolution);
    rylmo::printing::setUpPrinter(printer, sheet);
    QPrintPreviewDialog dialog(&printer, &window);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* target) { rylmo::render::paintSheet(sheet, *target); });
    dialog.show();
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    QElapsedTimer waited;
    waited.start();
    while (preview->pageCount() == 0 && waited.elapsed() < 10000) QApplication::processEvents();
    report("print preview first page (day)",
           QStringLiteral("\"pages\": %1").arg(preview->pageCount()));
    dialog.hide();
}

}  // namespace

void timePrintingSteps(rylmo::app::MainWindow& window) {
    if (window.session().content().trains.empty()) return;
    // The realistic day in place of the timetable, as if opened; then the timetable again.
    rylmo::Timetable opened = window.session().document();
    window.session().open(rylmo::bench::stationDay(), {}, "dzien.roz");
    QApplication::processEvents();
    timePdf(window, SheetChoice::departures, true, "export departures pdf (day)");
    timePdf(window, SheetChoice::dispatcherSheet, false, "export sheet pdf (day)");
    timePreview(window);
    window.session().open(std::move(opened.content), opened.fileFolder, opened.fileName);
    QApplication::processEvents();
}

void timeLargeExport(rylmo::app::MainWindow& window) {
    if (window.session().content().trains.empty()) return;
    timePdf(window, SheetChoice::dispatcherSheet, false, "export sheet pdf (100k)");
}
