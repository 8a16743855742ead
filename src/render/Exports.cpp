#include "render/Exports.h"

#include <QBuffer>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

#include "document/SheetFormats.h"
#include "render/SheetPages.h"
#include "render/SheetPdf.h"

namespace rylmo::render {

namespace {

QByteArray utf8Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray chartPdf(const TimetableContent& content, const ExportSources& sources) {
    return pdfDocument(chartHeader(content, sources), [&](QPagedPaintDevice& device) {
        paintChartPage(content, sources, device);
        return true;
    });
}

QByteArray chartPng(const TimetableContent& content, const ExportSources& sources) {
    // An A4 page across at 150 dots an inch.
    QImage image(1754, 1240, QImage::Format_RGB32);
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    image.fill(Qt::white);
    paintChartPage(content, sources, image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool isBoard(SheetChoice what) {
    return what == SheetChoice::departures || what == SheetChoice::arrivals;
}

}  // namespace

SheetFilter defaultFilter(SheetChoice what) {
    SheetFilter filter;
    filter.goods = filter.service = !isBoard(what);
    return filter;
}

Sheet chartHeader(const TimetableContent& content, const ExportSources& sources) {
    Sheet sheet;
    sheet.kind = "Zajętość peronów";
    sheet.station = stationOf(content);
    sheet.window = "0:00–24:00" + (sources.chartNote.empty() ? "" : "; " + sources.chartNote);
    return sheet;
}

Sheet sheetFor(const TimetableContent& content, SheetChoice what, const SheetFilter& filter,
               const ExportSources& sources) {
    switch (what) {
        case SheetChoice::departures:
            return departureBoard(content, filter);
        case SheetChoice::arrivals:
            return arrivalBoard(content, filter);
        case SheetChoice::trainList:
            return sources.trainList ? sources.trainList(content, filter) : Sheet{};
        case SheetChoice::dispatcherSheet:
        case SheetChoice::platformChart:
            break;
    }
    return dispatcherSheet(content, filter, sources.findings);
}

void paintChartPage(const TimetableContent& content, const ExportSources& sources,
                    QPaintDevice& device) {
    const Sheet header = chartHeader(content, sources);
    const SheetPages page(header, device);
    QPainter painter(&device);
    page.paintPage(painter, 0);
    if (sources.chart) sources.chart(painter, page.bodyArea());
}

QByteArray exportBytes(const TimetableContent& content, const ExportChoice& choice,
                       const ExportSources& sources, bool png,
                       const std::function<bool(int done, int pages)>& keepGoing) {
    if (choice.what == SheetChoice::platformChart)
        return png ? chartPng(content, sources) : chartPdf(content, sources);
    const Sheet sheet = sheetFor(content, choice.what, choice.filter, sources);
    switch (choice.where) {
        case Destination::html:
            return utf8Bytes(sheetHtml(sheet));
        case Destination::csv:
            return utf8Bytes(sheetCsv(sheet));
        case Destination::printer:
        case Destination::pdf:
            break;
    }
    return sheetPdf(sheet, keepGoing);
}

}  // namespace rylmo::render
