#include "editing/TrainFilterModel.h"

#include <algorithm>

#include "editing/TrainListModel.h"
#include "editing/TrainTexts.h"

namespace rylmo::editing {

TrainFilterModel::TrainFilterModel(TrainListModel* trains, QObject* parent)
    : QSortFilterProxyModel(parent), m_trains(trains) {
    setSourceModel(trains);
    setSortRole(TrainListModel::sortKeyRole);
}

void TrainFilterModel::setSearch(const QString& text) {
    const QString folded = foldForSearch(text.trimmed());
    if (folded == m_search) return;
    m_search = folded;
    m_searchIsNumber = !folded.isEmpty() && std::all_of(folded.begin(), folded.end(),
                                                        [](QChar c) { return c.isDigit(); });
    invalidateRowsFilter();
}

int TrainFilterModel::trainAt(int row) const {
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() : -1;
}

int TrainFilterModel::rowOf(int train) const {
    const QModelIndex shown = mapFromSource(m_trains->index(train, 0));
    return shown.isValid() ? shown.row() : -1;
}

bool TrainFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    // Only digits can be found in the position, which the search texts leave out.
    return m_search.isEmpty() ||
           (m_searchIsNumber && QString::number(sourceRow).contains(m_search)) ||
           m_trains->searchText(sourceRow).contains(m_search);
}

bool TrainFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    return m_trains->sortKey(left.row(), left.column()) <
           m_trains->sortKey(right.row(), right.column());
}

}  // namespace rylmo::editing
