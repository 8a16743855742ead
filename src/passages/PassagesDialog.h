#pragma once

#include "ui/ListWindow.h"

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::ui {
class PictureStrip;
}

namespace rylmo::passages {

// "Przejścia lokomotyw": the passages one at a time, each as the strips of its arriving and
// departing train, with adding, editing and deleting. Each is one undoable step.
class PassagesDialog : public ui::TrackBarWindow {
    Q_OBJECT
public:
    explicit PassagesDialog(editing::EditingSession& session, QWidget* parent = nullptr);

    const ui::PictureStrip& arrivingStrip() const { return *m_arrivingStrip; }
    const ui::PictureStrip& departingStrip() const { return *m_departingStrip; }

    // Handlers, also called by tests.
    void addPassage();
    void editPassage();
    void deletePassage();
    void showPassage();
    void refreshStates();
    // Shows the passage at 0-based position passage.
    void showAt(int passage);

private:
    int current() const;  // 0-based; -1 with no passages

    editing::EditingSession& m_session;
    ui::PictureStrip* m_arrivingStrip;
    ui::PictureStrip* m_departingStrip;
};

}  // namespace rylmo::passages
