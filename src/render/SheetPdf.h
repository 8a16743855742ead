#pragma once

#include <QByteArray>
#include <functional>

#include "document/TimetableSheets.h"

class QPagedPaintDevice;

namespace rylmo::render {

// A4, a board upright and any other sheet across, with margins a printer can keep.
void setUpPage(QPagedPaintDevice& device, const Sheet& sheet);

// A PDF document of A4 pages set up for sheet (its title the station and the sheet), painted
// by paint; empty when paint says false.
QByteArray pdfDocument(const Sheet& sheet, const std::function<bool(QPagedPaintDevice&)>& paint);

// The sheet as a PDF document; empty when keepGoing (told the pages done and in all) stopped it.
QByteArray sheetPdf(const Sheet& sheet,
                    const std::function<bool(int done, int pages)>& keepGoing = {});

}  // namespace rylmo::render
