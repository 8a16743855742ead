#pragma once

#include <QRectF>

#include "trains/ChartPainting.h"

class QPainter;
class QPalette;

namespace rylmo::trains {

// The whole day of the chart and every platform, scaled into area: laid out as on a page of
// A4 across at 96 dots an inch, so that bars and labels keep their proportions on any device.
void paintWholeDay(QPainter& painter, const QRectF& area, const TimetableContent& content,
                   const PlatformLayout& layout, const ChartMarks& marks, const QPalette& colours);

}  // namespace rylmo::trains
