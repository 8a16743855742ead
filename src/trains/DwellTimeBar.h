#pragma once

#include <QWidget>

#include "document/Occupancy.h"

class QAction;
class QSpinBox;

namespace rylmo::trains {

// Above the platform chart: the times a train that ends or starts its run here holds its
// platform ("Postój po przyjeździe", "przed odjazdem"), which the chart and the platform check
// use, and a button for fit.
class DwellTimeBar : public QWidget {
    Q_OBJECT
public:
    DwellTimeBar(DwellTimes dwell, int maxMinutes, QAction* fit, QWidget* parent = nullptr);

    DwellTimes dwellTimes() const;

signals:
    void dwellTimesChanged(DwellTimes dwell);

private:
    QSpinBox* m_afterArrival;
    QSpinBox* m_beforeDeparture;
};

}  // namespace rylmo::trains
