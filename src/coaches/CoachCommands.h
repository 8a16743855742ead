#pragma once

#include <QString>

class QWidget;

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::coaches {

// "Wagony" and "Skład pociągów": each opens its list dialog over parent with the command's
// caption. The compositions dialog names the two commands that define vehicles when there
// are none.
void showCoaches(editing::EditingSession& session, QWidget* parent, const QString& caption,
                 int entry = -1);
void showCompositions(editing::EditingSession& session, QWidget* parent, const QString& caption,
                      const QString& coachesCaption, const QString& typesCaption, int entry = -1);

}  // namespace rylmo::coaches
