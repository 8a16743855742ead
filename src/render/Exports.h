#pragma once

#include <QByteArray>
#include <QRectF>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/TimetableSheets.h"

class QPainter;
class QPaintDevice;

namespace rylmo::render {

// What can be printed or exported, in the order the export dialog offers it.
enum class SheetChoice { departures, arrivals, dispatcherSheet, platformChart, trainList };
// Where it goes.
enum class Destination { printer, pdf, html, csv };

// The trains a sheet starts with: a board is for travellers, so it lists the passenger
// trains; the other sheets are for the station's staff and list them all.
SheetFilter defaultFilter(SheetChoice what);

struct ExportChoice {
    SheetChoice what = SheetChoice::departures;
    SheetFilter filter;
    Destination where = Destination::pdf;
};

// Paints the platform chart of the whole day into area.
using ChartPainter = std::function<void(QPainter& painter, const QRectF& area)>;

// What an export needs besides the timetable: the findings by train (as the problems panel
// counts them), the chart, what the chart's page says of its dwell times, and the train list
// as the list window shows it.
struct ExportSources {
    std::vector<uint32_t> findings;
    ChartPainter chart;
    std::string chartNote;  // UTF-8, after the page's kind and window
    std::function<Sheet(const TimetableContent& content, const SheetFilter& filter)> trainList;
};

// The rows of the chosen sheet (not the chart).
Sheet sheetFor(const TimetableContent& content, SheetChoice what, const SheetFilter& filter,
               const ExportSources& sources);

// The header of the chart's page.
Sheet chartHeader(const TimetableContent& content, const ExportSources& sources);

// The chart on one page of device (a PDF writer, a printer or a picture), under the header
// every page has.
void paintChartPage(const TimetableContent& content, const ExportSources& sources,
                    QPaintDevice& device);

// The bytes of an export to a file: a PDF, an HTML page or a CSV file (the chart: a PDF, or
// a PNG picture for png). Empty when keepGoing stopped a long PDF.
QByteArray exportBytes(const TimetableContent& content, const ExportChoice& choice,
                       const ExportSources& sources, bool png = false,
                       const std::function<bool(int done, int pages)>& keepGoing = {});

}  // namespace rylmo::render
