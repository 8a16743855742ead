#pragma once

#include <cstddef>
#include <cstdint>

class QLabel;
class QString;
class QStatusBar;

namespace rylmo::app {

// The main window's status bar: four sunken panels, the first showing the file version of the
// timetable, and at the right a warning when unsaved changes cannot be kept and how many
// trains are selected.
class StatusPanels {
public:
    explicit StatusPanels(QStatusBar* bar);

    // version as the file gives it (1 or 2; anything else shows nothing).
    void show(int32_t version, std::size_t selectedTrains);
    // A short warning that unsaved changes are not being kept, with message in full as its
    // tooltip; an empty message hides it.
    void showRecoveryProblem(const QString& message);

private:
    QLabel* m_version = nullptr;
    QLabel* m_selection = nullptr;
    QLabel* m_recoveryProblem = nullptr;
};

}  // namespace rylmo::app
