#pragma once

#include <QString>

class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::passages {

// "Tablica prawdopodobieństwa" and "Przejścia lokomotyw": each opens its list dialog over
// parent with the command's caption.
void showProbabilityTable(editing::EditingSession& session, QWidget* parent, const QString& caption,
                          int entry = -1);
void showPassages(editing::EditingSession& session, QWidget* parent, const QString& caption,
                  int entry = -1);

}  // namespace rylmo::passages
