#pragma once

#include <QWidget>

#include "document/Occupancy.h"

class QAction;
class QSpinBox;

namespace rylmo::trains {

// Above the platform chart: the times a train that ends or starts its run here holds its
// platform ("Postój po przyjeździe", "przed odjazdem"), which the chart and the platform check
// use; the station's platforms ("Perony stacji:"), the chart's rows; buttons for resolving
// conflicts and for fit.
class ChartBar : public QWidget {
    Q_OBJECT
public:
    ChartBar(DwellTimes dwell, int maxMinutes, QAction* resolve, QAction* fit,
             QWidget* parent = nullptr);

    DwellTimes dwellTimes() const;
    // Shows the count without telling anyone.
    void showPlatformCount(int count);

signals:
    void dwellTimesChanged(DwellTimes dwell);
    void platformCountChanged(int count);

private:
    QSpinBox* m_afterArrival;
    QSpinBox* m_beforeDeparture;
    QSpinBox* m_platforms;
};

}  // namespace rylmo::trains
