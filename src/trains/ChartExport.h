#pragma once

#include <QByteArray>
#include <QString>

#include "trains/ChartPainting.h"

class QPalette;

namespace rylmo::trains {

// The whole day of the chart on an A4 page across, under title: a PDF document, else a PNG
// picture.
QByteArray chartPicture(const TimetableContent& content, const PlatformLayout& layout,
                        const ChartMarks& marks, const QPalette& colours, bool pdf,
                        const QString& title);

}  // namespace rylmo::trains
