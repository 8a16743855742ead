#include "render/ChartExport.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "document/Occupancy.h"

namespace rylmo::render {

namespace {

constexpr int pageWidth = 1123;  // A4 across at 96 dots an inch
constexpr int tallestRow = 6 * chart::rowHeight;

}  // namespace

QStringList conflictLines(const TimetableContent& content, const PlatformLayout& layout, int room) {
    if (room < 2) return {};
    const std::size_t listed = static_cast<std::size_t>(room - 1);
    const PlatformConflicts conflicts = platformConflicts(content, layout.intervals(), listed + 1);
    if (conflicts.pairs.empty()) return {};
    QStringList lines{QStringLiteral("Konflikty:")};
    for (std::size_t i = 0; i < conflicts.pairs.size() && i < listed; ++i)
        lines << QString::fromStdString(
            conflictText(content, layout.intervals(), conflicts.pairs[i]));
    if (conflicts.pairs.size() > listed || !conflicts.complete) {
        lines.back() = QStringLiteral("… i dalsze konflikty (pełna lista w oknie Problemy)");
    }
    return lines;
}

WholeDayPage wholeDayPage(const TimetableContent& content, const PlatformLayout& layout,
                          int pageHeight, int lineHeight) {
    // The rows take the page's height, less what the conflicts under them need (at most
    // half of it), and never less than on screen.
    WholeDayPage page;
    const int rows = std::max<int>(1, static_cast<int>(layout.rows().size()));
    const int chartAtLeast = chart::headerHeight + rows * chart::rowHeight;
    const int listRoom = std::max(0, std::min(pageHeight / 2, pageHeight - chartAtLeast) - 8);
    page.conflicts = conflictLines(content, layout, listRoom / std::max(1, lineHeight));
    const int listHeight =
        page.conflicts.isEmpty() ? 0 : static_cast<int>(page.conflicts.size()) * lineHeight + 8;
    page.rowHeight = std::clamp((pageHeight - listHeight - chart::headerHeight) / rows,
                                chart::rowHeight, tallestRow);
    page.chartHeight = chart::headerHeight + rows * page.rowHeight;
    return page;
}

void paintWholeDay(QPainter& painter, const QRectF& area, const TimetableContent& content,
                   const PlatformLayout& layout, const ChartMarks& marks, const QPalette& colours) {
    const double scale = area.width() / pageWidth;
    if (scale <= 0) return;
    const int pageHeight = static_cast<int>(area.height() / scale);
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    // Sized in the page's own pixels, so that the device's resolution does not size it again.
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    const int lineHeight = QFontMetrics(font).lineSpacing();
    const WholeDayPage page = wholeDayPage(content, layout, pageHeight, lineHeight);
    ChartView day{ChartView::fittingScale(pageWidth), 0, 0, pageWidth, page.chartHeight};
    day.rowHeight = page.rowHeight;
    painter.save();
    painter.setClipRect(0, 0, pageWidth, day.height);
    paintChart(painter, colours, content, layout, day, marks);
    painter.restore();

    painter.setPen(colours.color(QPalette::Text));
    int y = day.height + 8;
    for (const QString& line : page.conflicts) {
        painter.drawText(QRect(chart::labelWidth, y, pageWidth - chart::labelWidth, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight;
    }
    painter.restore();
}

}  // namespace rylmo::render
