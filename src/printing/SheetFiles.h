#pragma once

#include <QByteArray>
#include <functional>

#include "document/TimetableSheets.h"

class QPagedPaintDevice;
class QPrinter;

namespace rylmo::printing {

// A4, a board upright and any other sheet across, with margins a printer can keep.
void setUpPage(QPagedPaintDevice& device, const Sheet& sheet);

// The printer set up for sheet: its pages, its document name; a machine without a printer
// prints to a PDF file, so that the preview still shows the pages.
void setUpPrinter(QPrinter& printer, const Sheet& sheet);

// A PDF document of A4 pages set up for sheet (its title the station and the sheet), painted
// by paint; empty when paint says false.
QByteArray pdfDocument(const Sheet& sheet, const std::function<bool(QPagedPaintDevice&)>& paint);

// The sheet as a PDF document; empty when keepGoing (told the pages done and in all) stopped it.
QByteArray sheetPdf(const Sheet& sheet,
                    const std::function<bool(int done, int pages)>& keepGoing = {});

}  // namespace rylmo::printing
