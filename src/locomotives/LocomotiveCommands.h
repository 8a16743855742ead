#pragma once

#include <QString>

class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::locomotives {

// "Lokomotywy" and "Lokomotywownia": each opens its list dialog over parent with the
// command's caption; the dialogs change the session as the user adds, edits and deletes.
void showLocomotiveTypes(editing::EditingSession& session, QWidget* parent, const QString& caption,
                         int entry = -1);
void showDepot(editing::EditingSession& session, QWidget* parent, const QString& caption,
               int entry = -1);

}  // namespace rylmo::locomotives
