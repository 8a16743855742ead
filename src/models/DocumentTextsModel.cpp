#include "models/DocumentTextsModel.h"

#include <climits>

#include "models/DocumentText.h"

namespace rylmo::models {

DocumentTextsModel::DocumentTextsModel(QStringList leading, std::size_t count, TextAt textAt,
                                       QObject* parent)
    : QAbstractListModel(parent),
      m_leading(std::move(leading)),
      m_count(static_cast<int>(std::min<std::size_t>(count, INT_MAX - 1000))),
      m_textAt(std::move(textAt)) {}

DocumentTextsModel::DocumentTextsModel(const std::vector<std::string>& texts, QObject* parent,
                                       QStringList leading)
    : DocumentTextsModel(
          std::move(leading), texts.size(),
          [&texts](std::size_t i) { return std::string_view(texts[i]); }, parent) {}

int DocumentTextsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(m_leading.size() + m_added.size()) + m_count;
}

QVariant DocumentTextsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    int row = index.row();
    if (row < m_leading.size()) return m_leading[row];
    row -= static_cast<int>(m_leading.size());
    if (row < m_count) return toShortQString(m_textAt(static_cast<std::size_t>(row)));
    row -= m_count;
    return row < m_added.size() ? QVariant(m_added[row]) : QVariant();
}

// Rows can be added after the document's, as QComboBox::addItem does.
bool DocumentTextsModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row != rowCount() || count < 1) return false;
    beginInsertRows({}, row, row + count - 1);
    for (int i = 0; i < count; ++i) m_added << QString();
    endInsertRows();
    return true;
}

bool DocumentTextsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int added = index.row() - static_cast<int>(m_leading.size()) - m_count;
    if (!index.isValid() || added < 0 || added >= m_added.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return false;
    }
    m_added[added] = value.toString();
    emit dataChanged(index, index);
    return true;
}

}  // namespace rylmo::models
