#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "document/Timetable.h"

namespace rylmo::app {

// The trains as rows of raw numbers: "Indeks", then the 26 fields. Changes to the trains go
// through the model so that the view follows them row by row.
class TrainListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TrainListModel(std::vector<Train>& trains, QObject* parent = nullptr);

    static constexpr int columns = 1 + RecordLayout<Train>::fieldCount;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Runs change, which may replace the trains entirely, and lists them anew.
    void replaceTrains(const std::function<void()>& change);
    void appendTrain(const Train& train);
    void setTrain(int row, const Train& train);
    void removeTrain(int row);

private:
    std::vector<Train>& m_trains;
};

}  // namespace rylmo::app
