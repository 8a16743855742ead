#include "models/NumberListModel.h"

namespace rylmo::models {

QVariant NumberListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_count) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return QString::number(index.row());
    return {};
}

void NumberListModel::setCount(int count) {
    if (count > m_count) {
        beginInsertRows({}, m_count, count - 1);
        m_count = count;
        endInsertRows();
    } else if (count < m_count) {
        beginRemoveRows({}, count, m_count - 1);
        m_count = count;
        endRemoveRows();
    }
}

}  // namespace rylmo::models
