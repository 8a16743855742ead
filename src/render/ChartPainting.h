#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "document/PlatformLayout.h"
#include "document/StayMoves.h"
#include "document/TrainCategories.h"

class QPainter;
class QPalette;

namespace rylmo::render {

// The geometry of the platform chart: a column of platform names at the left, a header with
// the hours and the legend, a row per platform.
namespace chart {
inline constexpr int labelWidth = 72;
inline constexpr int headerHeight = 42;
inline constexpr int rowHeight = 34;
inline constexpr int laneStep = 5;  // bars that overlap on a platform are drawn this far apart
inline constexpr int rightMargin = 8;
}  // namespace chart

// The colour of a bar of a train of the group, and of a bar that conflicts.
QColor groupColour(CategoryGroup group);
QColor conflictColour();

// What part of the chart a painting shows, at what scale.
struct ChartView {
    double pixelsPerMinute = 1.0;
    int left = 0;  // scrolled by, in pixels
    int top = 0;
    int width = 0;
    int height = 0;
    int rowHeight = chart::rowHeight;  // taller on a page that has the room

    // The whole day across width.
    static double fittingScale(int width);
    int xOf(double minute) const;
    QRect pieceRect(int row, int lane, int32_t start, int32_t end) const;
    // The minutes the view shows.
    double firstMinute() const { return left / pixelsPerMinute; }
    double lastMinute() const { return firstMinute() + width / pixelsPerMinute; }
};

// What a painting marks beyond the layout.
struct ChartMarks {
    int chosen = -1;
    int chosenToo = -1;
    bool readable = false;                 // labels carry the trains' names too
    std::function<bool(int)> hasProblems;  // trains with findings get the list's red mark
    std::size_t focusStay = SIZE_MAX;      // the stay keys act on, framed while the chart has focus
};

// Calls visit(interval, rect) for each bar the view shows (both pieces of a stay over
// midnight), row by row, in order of start.
template <class Visit>
void forEachShownBar(const PlatformLayout& layout, const ChartView& view, Visit visit) {
    const std::vector<int32_t>& rows = layout.rows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        layout.forEachPiece(rows[static_cast<std::size_t>(row)], view.firstMinute(),
                            view.lastMinute(), [&](std::size_t k, int32_t start, int32_t end) {
                                visit(k, view.pieceRect(row, layout.laneOf(k), start, end));
                            });
    }
}

// The bar's label: the train's number; in the readable mode also its name, when it has one.
QString barLabel(const TimetableContent& content, const PlatformInterval& interval, bool readable);

// Paints the chart of layout as view shows it; returns the labels written, where they were
// written. A label stands in the part of its bar that no later bar covers, when it fits there.
std::vector<std::pair<QRect, QString>> paintChart(QPainter& painter, const QPalette& colours,
                                                  const TimetableContent& content,
                                                  const PlatformLayout& layout,
                                                  const ChartView& view, const ChartMarks& marks);

// The ghost of a move: the stays the moved trains would hold, red when one would conflict.
void paintGhost(QPainter& painter, const QPalette& colours, const PlatformLayout& layout,
                const ChartView& view, const MoveOutcome& outcome);

}  // namespace rylmo::render
