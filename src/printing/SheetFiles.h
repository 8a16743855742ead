#pragma once

#include "document/TimetableSheets.h"

class QPrinter;

namespace rylmo::printing {

// The printer set up for sheet: its pages, its document name; a machine without a printer
// prints to a PDF file, so that the preview still shows the pages.
void setUpPrinter(QPrinter& printer, const Sheet& sheet);

}  // namespace rylmo::printing
