#include "render/ChartPainting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "models/DocumentText.h"
#include "models/Marks.h"

namespace rylmo::render {

namespace {

constexpr int legendBaseline = 15;
constexpr int hoursBaseline = 36;
constexpr int lanes = PlatformLayout::lanes;

// The hour grid, labelled as often as the labels fit.
void paintHours(QPainter& painter, const QPalette& colours, const ChartView& view) {
    const double perHour = view.pixelsPerMinute * 60;
    const int labelEvery = perHour >= 44 ? 1 : perHour * 2 >= 44 ? 2 : 3;
    painter.setPen(colours.color(QPalette::Mid));
    for (int hour = 0; hour <= 24; ++hour) {
        const int x = view.xOf(hour * 60);
        if (x < chart::labelWidth || x > view.width) continue;
        painter.drawLine(x, hoursBaseline - 12, x, view.height);
        if (hour % labelEvery == 0 && hour < 24) {
            painter.setPen(colours.color(QPalette::Text));
            painter.drawText(x + 3, hoursBaseline, QStringLiteral("%1:00").arg(hour));
            painter.setPen(colours.color(QPalette::Mid));
        }
    }
}

// Platform names and the legend, which stay in place while the bars scroll under them.
void paintFrame(QPainter& painter, const QPalette& colours, const PlatformLayout& layout,
                const ChartView& view) {
    const QFontMetrics metrics(painter.font());
    painter.fillRect(0, 0, chart::labelWidth, view.height, colours.color(QPalette::Window));
    painter.setPen(colours.color(QPalette::Text));
    const std::vector<int32_t>& rows = layout.rows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const int top = chart::headerHeight + row * view.rowHeight - view.top;
        painter.drawText(QRect(6, top, chart::labelWidth - 8, view.rowHeight), Qt::AlignVCenter,
                         QStringLiteral("Peron %1").arg(rows[static_cast<std::size_t>(row)]));
    }
    if (rows.empty()) {
        painter.drawText(QRect(0, 0, view.width, view.height), Qt::AlignCenter,
                         QStringLiteral("Żaden pociąg nie zajmuje peronu."));
    }
    const std::pair<QColor, QString> legend[] = {
        {groupColour(CategoryGroup::passengers), QStringLiteral("pasażerski")},
        {groupColour(CategoryGroup::goods), QStringLiteral("towarowy")},
        {groupColour(CategoryGroup::service), QStringLiteral("służbowy")},
        {conflictColour(), QStringLiteral("konflikt")}};
    int x = view.width - chart::rightMargin;
    for (auto it = std::rbegin(legend); it != std::rend(legend); ++it) {
        x -= metrics.horizontalAdvance(it->second);
        painter.drawText(x, legendBaseline, it->second);
        x -= 14;
        painter.fillRect(x, legendBaseline - 9, 10, 10, it->first);
        x -= 12;
    }
}

struct DrawnBar {
    QRect bar;
    QString label;
};

// The widest stretch of bar that none of the later bars of its row covers (they come in
// order of their left edge, from first on); empty when they cover all of it.
QRect uncoveredPart(const QRect& bar, const std::vector<DrawnBar>& drawn, std::size_t first,
                    std::size_t end) {
    QRect best;
    int from = bar.left();
    const auto consider = [&](int to) {
        if (to - from > best.width()) best = QRect(from, bar.top(), to - from, bar.height());
    };
    for (std::size_t j = first; j < end && drawn[j].bar.left() <= bar.right(); ++j) {
        const QRect& later = drawn[j].bar;
        if (!later.intersects(bar)) continue;
        consider(later.left());
        from = std::max(from, later.right() + 1);
    }
    consider(bar.right() + 1);
    return best;
}

// Writes each label in the part of its bar that no later bar of its row covers, when it fits
// there, so that labels of overlapping bars never print over each other, and a long bar that
// a short one crosses is still named.
std::vector<std::pair<QRect, QString>> paintLabels(QPainter& painter,
                                                   const std::vector<DrawnBar>& drawn,
                                                   const std::vector<std::size_t>& rowStarts) {
    std::vector<std::pair<QRect, QString>> shown;
    const QFontMetrics metrics(painter.font());
    painter.setPen(Qt::white);
    for (std::size_t r = 0; r + 1 < rowStarts.size(); ++r) {
        for (std::size_t i = rowStarts[r]; i < rowStarts[r + 1]; ++i) {
            if (drawn[i].label.isEmpty()) continue;
            const QRect free = uncoveredPart(drawn[i].bar, drawn, i + 1, rowStarts[r + 1]);
            if (free.width() <= metrics.horizontalAdvance(drawn[i].label) + 6) continue;
            const QRect text = free.adjusted(3, 0, -2, 0);
            painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, drawn[i].label);
            shown.emplace_back(text, drawn[i].label);
        }
    }
    return shown;
}

}  // namespace

QColor groupColour(CategoryGroup group) {
    switch (group) {
        case CategoryGroup::goods:
            return QColor(0x8d, 0x6e, 0x63);
        case CategoryGroup::service:
            return QColor(0x7c, 0xb3, 0x42);
        case CategoryGroup::passengers:
            break;
    }
    return QColor(0x42, 0x7f, 0xc8);
}

QColor conflictColour() {
    return QColor(0xe5, 0x39, 0x35);
}

double ChartView::fittingScale(int width) {
    return std::max(1.0, width - chart::labelWidth - double{chart::rightMargin}) / minutesPerDay;
}

int ChartView::xOf(double minute) const {
    return chart::labelWidth + static_cast<int>(std::lround(minute * pixelsPerMinute)) - left;
}

QRect ChartView::pieceRect(int row, int lane, int32_t start, int32_t end) const {
    const int rowTop = chart::headerHeight + row * rowHeight - top;
    const int x = xOf(start);
    const int barHeight = rowHeight - 8 - (lanes - 1) * chart::laneStep;
    return {x, rowTop + 4 + lane * chart::laneStep, std::max(2, xOf(end) - x), barHeight};
}

QString barLabel(const TimetableContent& content, const PlatformInterval& interval, bool readable) {
    const Train& t = content.trains[interval.train];
    QString text = QString::number(t.numberOn(interval.arrivalSide));
    const int32_t name = t.trainNameOn(interval.arrivalSide);
    if (readable && name >= 1 && static_cast<std::size_t>(name) <= content.trainNames.size()) {
        text += QLatin1Char(' ') +
                models::toShortQString(content.trainNames[static_cast<std::size_t>(name) - 1], 30);
    }
    return text;
}

// Bars come in order of their start: one that ends before the furthest right edge drawn in
// its lane lies wholly on drawn bars and is skipped (red only on red), so that a whole day of
// a hundred thousand stays draws a few hundred bars.
std::vector<std::pair<QRect, QString>> paintChart(QPainter& painter, const QPalette& colours,
                                                  const TimetableContent& content,
                                                  const PlatformLayout& layout,
                                                  const ChartView& view, const ChartMarks& marks) {
    paintHours(painter, colours, view);
    const QFontMetrics metrics(painter.font());
    std::array<int, lanes * 2> drawnTo{};
    int drawnRow = -1;
    std::vector<DrawnBar> drawn;
    std::vector<std::size_t> rowStarts;
    forEachShownBar(layout, view, [&](std::size_t k, const QRect& rect) {
        const PlatformInterval& interval = layout.intervals()[k];
        const Train& t = content.trains[interval.train];
        const bool conflict = layout.conflicting()[k];
        const int row = (rect.top() + view.top - chart::headerHeight) / view.rowHeight;
        if (row != drawnRow) {
            drawnTo.fill(INT_MIN);
            drawnRow = row;
            rowStarts.push_back(drawn.size());
        }
        const auto lane = static_cast<std::size_t>(layout.laneOf(k));
        int& anyTo = drawnTo[lane];
        int& redTo = drawnTo[lanes + lane];
        const int train = static_cast<int>(interval.train);
        const bool chosen = train == marks.chosen || train == marks.chosenToo;
        if (rect.right() <= (conflict ? redTo : anyTo) && !chosen) return;
        anyTo = std::max(anyTo, rect.right());
        if (conflict) redTo = std::max(redTo, rect.right());
        const QColor fill = conflict
                                ? conflictColour()
                                : groupColour(categoryGroup(t.categoryOn(interval.arrivalSide)));
        QRect bar = rect;
        if (!interval.stops) bar = QRect(rect.left(), rect.top(), 3, rect.height());
        painter.fillRect(bar, fill);
        painter.setPen(fill.darker(150));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
        if (chosen) {
            painter.setPen(QPen(colours.color(QPalette::Highlight), 2));
            painter.drawRect(bar.adjusted(1, 1, -1, -1));
        }
        if (k == marks.focusStay) {
            painter.setPen(QPen(colours.color(QPalette::Text), 1, Qt::DashLine));
            painter.drawRect(bar.adjusted(-2, -2, 1, 1));
        }
        if (marks.hasProblems && marks.hasProblems(train))
            painter.fillRect(bar.left(), bar.top() - 3, 6, 6, models::problemColour());
        QString number = barLabel(content, interval, marks.readable);
        if (!interval.stops || bar.width() <= metrics.horizontalAdvance(number) + 6) number.clear();
        drawn.push_back({bar, number});
    });
    rowStarts.push_back(drawn.size());
    auto shown = paintLabels(painter, drawn, rowStarts);
    paintFrame(painter, colours, layout, view);
    return shown;
}

void paintGhost(QPainter& painter, const QPalette& colours, const PlatformLayout& layout,
                const ChartView& view, const MoveOutcome& outcome) {
    const bool conflict = outcome.conflict < layout.intervals().size();
    QColor fill = conflict ? conflictColour() : colours.color(QPalette::Highlight);
    fill.setAlpha(110);
    painter.setPen(QPen(conflict ? conflictColour().darker(140) : colours.color(QPalette::Text), 1,
                        Qt::DashLine));
    for (const PlatformInterval& stay : outcome.stays) {
        const int row = layout.rowOf(stay.platform);
        if (row < 0) continue;
        const DayPieces day = dayPiecesOf(stay.start, stay.end);
        for (const DayPiece& part : {day.evening, day.morning}) {
            if (part.end <= part.start) continue;
            QRect piece = view.pieceRect(row, 0, part.start, part.end);
            piece.setHeight(view.rowHeight - 8);
            painter.fillRect(piece, fill);
            painter.drawRect(piece.adjusted(0, 0, -1, -1));
        }
    }
}

}  // namespace rylmo::render
