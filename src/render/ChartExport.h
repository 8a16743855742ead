#pragma once

#include <QRectF>
#include <QStringList>

#include "render/ChartPainting.h"

class QPainter;
class QPalette;

namespace rylmo::render {

// The lines under an exported chart that name its conflicts ("Peron 4, 10:00–10:10: 8877 i
// 901") after a heading, at most room of them; the last says when there are more.
QStringList conflictLines(const TimetableContent& content, const PlatformLayout& layout, int room);

// How the whole day fills a page pageHeight tall (in the page's pixels, lines lineHeight
// apart): rows as tall as the room left by the list of conflicts allows, never lower than on
// screen nor higher than six times that.
struct WholeDayPage {
    int rowHeight = 0;
    int chartHeight = 0;
    QStringList conflicts;
};
WholeDayPage wholeDayPage(const TimetableContent& content, const PlatformLayout& layout,
                          int pageHeight, int lineHeight);

// The whole day of the chart and every platform, scaled into area: laid out as on a page of
// A4 across at 96 dots an inch, so that bars and labels keep their proportions on any device;
// the conflicts are listed under it.
void paintWholeDay(QPainter& painter, const QRectF& area, const TimetableContent& content,
                   const PlatformLayout& layout, const ChartMarks& marks, const QPalette& colours);

}  // namespace rylmo::render
