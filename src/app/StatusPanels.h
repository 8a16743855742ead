#pragma once

#include <cstddef>
#include <cstdint>

class QLabel;
class QStatusBar;

namespace rylmo::app {

// The main window's status bar: four sunken panels, the first showing the file version of the
// timetable, and at the right how many trains are selected.
class StatusPanels {
public:
    explicit StatusPanels(QStatusBar* bar);

    // version as the file gives it (1 or 2; anything else shows nothing).
    void show(int32_t version, std::size_t selectedTrains);

private:
    QLabel* m_version = nullptr;
    QLabel* m_selection = nullptr;
};

}  // namespace rylmo::app
