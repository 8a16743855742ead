#include "render/SheetPdf.h"

#include <QBuffer>
#include <QPdfWriter>

#include "render/SheetPages.h"

namespace rylmo::render {

void setUpPage(QPagedPaintDevice& device, const Sheet& sheet) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(sheet.hourBands ? QPageLayout::Portrait : QPageLayout::Landscape);
    device.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

QByteArray pdfDocument(const Sheet& sheet, const std::function<bool(QPagedPaintDevice&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Rylmo"));
        writer.setTitle(QString::fromStdString(sheet.station + " – " + sheet.kind));
        setUpPage(writer, sheet);
        if (!paint(writer)) return {};
    }
    return bytes;
}

QByteArray sheetPdf(const Sheet& sheet, const std::function<bool(int done, int pages)>& keepGoing) {
    return pdfDocument(
        sheet, [&](QPagedPaintDevice& device) { return paintSheet(sheet, device, keepGoing); });
}

}  // namespace rylmo::render
