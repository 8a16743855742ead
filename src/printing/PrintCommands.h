#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "printing/ExportDialog.h"

class QPainter;
class QPaintDevice;
class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::printing {

// Paints the platform chart of the whole day into area.
using ChartPainter = std::function<void(QPainter& painter, const QRectF& area)>;

// What an export needs besides the timetable: the findings by train (as the problems panel
// counts them), the chart, and what the chart's page says of its dwell times.
struct ExportSources {
    std::vector<uint32_t> findings;
    ChartPainter chart;
    std::string chartNote;  // UTF-8, after the page's kind and window
};

// The rows of the chosen sheet (not the chart).
Sheet sheetFor(const TimetableContent& content, SheetChoice what, const SheetFilter& filter,
               const std::vector<uint32_t>& findings);

// The chart on one page of device (a PDF writer, a printer or a picture), under the header
// every page has.
void paintChartPage(const TimetableContent& content, const ExportSources& sources,
                    QPaintDevice& device);

// The bytes of an export to a file: a PDF, an HTML page or a CSV file (the chart: a PDF, or
// a PNG picture for png). Empty when keepGoing stopped a long PDF.
QByteArray exportBytes(const TimetableContent& content, const ExportChoice& choice,
                       const ExportSources& sources, bool png = false,
                       const std::function<bool(int done, int pages)>& keepGoing = {});

// "Drukuj..." (printing) and "Eksportuj...": asks what, which trains and where, then shows
// the print preview or asks for a file and writes it; a long PDF shows its progress and can
// be stopped with "Anuluj". Failures are shown over window.
void printOrExport(editing::EditingSession& session, QWidget* window, bool printing,
                   std::vector<std::size_t> selected, const ExportSources& sources,
                   const QString& folder);

}  // namespace rylmo::printing
