#include "ui/NumberListModel.h"

#include <QComboBox>
#include <QListView>

namespace rylmo::ui {

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

void makeLargeList(QComboBox* list, int visibleCharacters) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(visibleCharacters);
    auto* view = new QListView(list);
    view->setUniformItemSizes(true);
    list->setView(view);
}

}  // namespace rylmo::ui
