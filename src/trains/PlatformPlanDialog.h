#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "document/PlatformAssignment.h"

class QCheckBox;
class QLabel;
class QTableView;
class QSortFilterProxyModel;

namespace rylmo::trains {

class PlanMovesModel;

// "Rozdziel perony...": places the chosen trains (every train when none is chosen) so that no
// two stays conflict, on the platforms ticked (at first those the timetable uses), and shows
// the proposal before anything changes: each moved stay with its times and platforms, the
// number of trains moved, and the trains that found no platform, with the minute the
// platforms run out. "OK" takes the proposal, "Anuluj" leaves everything as it was.
class PlatformPlanDialog : public QDialog {
    Q_OBJECT
public:
    PlatformPlanDialog(const TimetableContent& content, std::vector<bool> movable, DwellTimes dwell,
                       QWidget* parent = nullptr);
    ~PlatformPlanDialog() override;

    const PlatformPlan& plan() const { return m_plan; }
    std::vector<TrainChange> changes() const;
    QString summary() const;

private:
    void propose();

    const TimetableContent& m_content;
    PlacementRequest m_request;
    PlatformPlan m_plan;
    std::array<QCheckBox*, limits::maxPlatform + 1> m_platforms{};
    PlanMovesModel* m_moves;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_table;
    QLabel* m_summary;
    QPushButton* m_ok;
};

}  // namespace rylmo::trains
