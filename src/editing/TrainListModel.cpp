#include "editing/TrainListModel.h"

#include "editing/EditingSession.h"

namespace rylmo::editing {

TrainListModel::TrainListModel(EditingSession& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session) {
    connect(&session, &EditingSession::documentAboutToBeReplaced, this, [this] { beginResetModel(); });
    connect(&session, &EditingSession::documentReplaced, this, [this] { endResetModel(); });
    connect(&session, &EditingSession::entriesAboutToBeInserted, this, [this](EntryList list, int row, int count) {
        if (list == EntryList::trains) beginInsertRows({}, row, row + count - 1);
    });
    connect(&session, &EditingSession::entriesInserted, this, [this](EntryList list, int row, int count) {
        if (list != EntryList::trains) return;
        endInsertRows();
        renumberFrom(row + count);
    });
    connect(&session, &EditingSession::entriesAboutToBeRemoved, this, [this](EntryList list, int row, int count) {
        if (list == EntryList::trains) beginRemoveRows({}, row, row + count - 1);
    });
    connect(&session, &EditingSession::entriesRemoved, this, [this](EntryList list, int row, int) {
        if (list != EntryList::trains) return;
        endRemoveRows();
        renumberFrom(row);
    });
    connect(&session, &EditingSession::entriesChanged, this, [this](EntryList list, int first, int last) {
        if (list == EntryList::trains) emit dataChanged(index(first, 1), index(last, columns - 1));
    });
}

int TrainListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_session.content().trains.size());
}

int TrainListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

QVariant TrainListModel::data(const QModelIndex& index, int role) const {
    const std::vector<Train>& trains = m_session.content().trains;
    if (role != Qt::DisplayRole || !index.isValid() || static_cast<std::size_t>(index.row()) >= trains.size()) {
        return {};
    }
    if (index.column() == 0) return QString::number(index.row());
    return QString::number(field(trains[static_cast<std::size_t>(index.row())], index.column()));
}

QVariant TrainListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return section == 0 ? QStringLiteral("Indeks") : QString::number(section);
}

void TrainListModel::renumberFrom(int row) {
    if (row < rowCount()) emit dataChanged(index(row, 0), index(rowCount() - 1, 0));
}

}  // namespace rylmo::editing
