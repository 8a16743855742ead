#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "printing/ExportDialog.h"

class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::printing {

using render::ExportSources;

// "Drukuj..." (printing) and "Eksportuj...": asks what, which trains and where, then shows
// the print preview or asks for a file and writes it; a long PDF shows its progress and can
// be stopped with "Anuluj". Failures are shown over window.
void printOrExport(editing::EditingSession& session, QWidget* window, bool printing,
                   std::vector<std::size_t> selected, const ExportSources& sources,
                   const QString& folder);

}  // namespace rylmo::printing
