#include "trains/ChartExport.h"

#include <QPainter>
#include <QPalette>

namespace rylmo::trains {

void paintWholeDay(QPainter& painter, const QRectF& area, const TimetableContent& content,
                   const PlatformLayout& layout, const ChartMarks& marks, const QPalette& colours) {
    constexpr int pageWidth = 1123;
    const double scale = area.width() / pageWidth;
    if (scale <= 0) return;
    const ChartView day{ChartView::fittingScale(pageWidth), 0, 0, pageWidth,
                        static_cast<int>(area.height() / scale)};
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    // Sized in the page's own pixels, so that the device's resolution does not size it again.
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    paintChart(painter, colours, content, layout, day, marks);
    painter.restore();
}

}  // namespace rylmo::trains
