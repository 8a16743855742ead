#pragma once

#include <QByteArray>
#include <functional>

#include "document/TimetableSheets.h"

class QPagedPaintDevice;

namespace rylmo::printing {

// A4, a board upright and any other sheet across, with margins a printer can keep.
void setUpPage(QPagedPaintDevice& device, const Sheet& sheet);

// The sheet as a PDF document; empty when keepGoing (told the pages done and in all) stopped it.
QByteArray sheetPdf(const Sheet& sheet,
                    const std::function<bool(int done, int pages)>& keepGoing = {});

}  // namespace rylmo::printing
