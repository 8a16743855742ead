#include "ui/NumberListModel.h"

#include <QComboBox>
#include <QListView>

namespace rylmo::ui {

QVariant NumberListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_count) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return QString::number(index.row());
    return {};
}

void makeLargeList(QComboBox* list, int visibleCharacters) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(visibleCharacters);
    auto* view = new QListView(list);
    view->setUniformItemSizes(true);
    list->setView(view);
}

}  // namespace rylmo::ui
