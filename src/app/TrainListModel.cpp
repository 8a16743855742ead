#include "app/TrainListModel.h"

namespace rylmo::app {

TrainListModel::TrainListModel(std::vector<Train>& trains, QObject* parent)
    : QAbstractTableModel(parent), m_trains(trains) {}

int TrainListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_trains.size());
}

int TrainListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

QVariant TrainListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= m_trains.size()) {
        return {};
    }
    if (index.column() == 0) return QString::number(index.row());
    return QString::number(field(m_trains[static_cast<std::size_t>(index.row())], index.column()));
}

QVariant TrainListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section == 0 ? QStringLiteral("Indeks") : QString::number(section);
}

void TrainListModel::replaceTrains(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

void TrainListModel::appendTrain(const Train& train) {
    const int row = static_cast<int>(m_trains.size());
    beginInsertRows({}, row, row);
    m_trains.push_back(train);
    endInsertRows();
}

void TrainListModel::setTrain(int row, const Train& train) {
    m_trains.at(static_cast<std::size_t>(row)) = train;
    emit dataChanged(index(row, 1), index(row, columns - 1));
}

void TrainListModel::removeTrain(int row) {
    beginRemoveRows({}, row, row);
    m_trains.erase(m_trains.begin() + row);
    endRemoveRows();
    // The "Indeks" texts of the rows below have moved up by one.
    if (row < rowCount()) emit dataChanged(index(row, 0), index(rowCount() - 1, 0));
}

}  // namespace rylmo::app
