#include "trains/ChartExport.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>

namespace rylmo::trains {

QByteArray chartPicture(const TimetableContent& content, const PlatformLayout& layout,
                        const ChartMarks& marks, const QPalette& colours, bool pdf,
                        const QString& title) {
    // An A4 page across, at 96 dots an inch: the whole day and every platform.
    const QSize page(1123, 794);
    const int titleHeight = 40;
    const ChartView day{ChartView::fittingScale(page.width()), 0, 0, page.width(),
                        page.height() - titleHeight};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const auto paint = [&](QPainter& painter) {
        painter.drawText(QRect(0, 0, page.width(), titleHeight - 8),
                         Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.translate(0, titleHeight);
        paintChart(painter, colours, content, layout, day, marks);
    };
    if (pdf) {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        writer.setResolution(96);
        writer.setTitle(title);
        QPainter painter(&writer);
        const QRect area = painter.viewport();
        painter.scale(area.width() / double(page.width()), area.height() / double(page.height()));
        paint(painter);
    } else {
        QImage image(page * 2, QImage::Format_RGB32);
        image.fill(colours.color(QPalette::Base));
        QPainter painter(&image);
        painter.scale(2, 2);
        paint(painter);
        painter.end();
        image.save(&buffer, "PNG");
    }
    return bytes;
}

}  // namespace rylmo::trains
