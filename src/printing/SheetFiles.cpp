#include "printing/SheetFiles.h"

#include <QPrinter>

#include "render/SheetPdf.h"

namespace rylmo::printing {

void setUpPrinter(QPrinter& printer, const Sheet& sheet) {
    if (!printer.isValid()) printer.setOutputFormat(QPrinter::PdfFormat);
    render::setUpPage(printer, sheet);
    printer.setDocName(QString::fromStdString(sheet.station + " – " + sheet.kind));
}

}  // namespace rylmo::printing
