#pragma once

#include <QString>
#include <vector>

class QAbstractItemModel;
class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::trains {

// Trains on the system clipboard. The program's own format (the trains' fields, lines
// readPastedTrains reads) travels under trainsMimeType; beside it goes the text of the list as
// it shows them, which a spreadsheet takes.
inline constexpr const char* trainsMimeType = "application/x-rylmo-trains";

// Rows of a list for a spreadsheet: the header first, fields between tabs, each row ended by
// CR LF.
QString spreadsheetText(const QAbstractItemModel& list, const std::vector<int>& rows);

// "Kopiuj": trains (positions) that list shows at rows, in both forms.
void copyTrains(const editing::EditingSession& session, const QAbstractItemModel& list,
                const std::vector<int>& rows, const std::vector<int>& trains);

// "Wklej": appends the trains the clipboard holds (its own format first, else its text) as one
// step, or says which line and field it cannot read.
void pasteTrains(editing::EditingSession& session, QWidget* parent);
void pasteTrains(editing::EditingSession& session, QWidget* parent, const QString& clipboardText);

}  // namespace rylmo::trains
