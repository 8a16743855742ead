#include "editing/TrainFilterModel.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <algorithm>
#include <numeric>

#include "editing/RowRuns.h"
#include "editing/TrainListModel.h"
#include "editing/TrainTexts.h"

namespace rylmo::editing {

namespace {

// A change of this many trains or fewer names each row it touched; more repaint every row.
constexpr int rowsNamedOneByOne = 64;

// Trains added or removed in this many runs of rows or fewer reach the views run by run; more
// are one layout change (each run costs a pass over the rows).
constexpr std::size_t runsOneByOne = 32;

// Whether text holds part. Qt's search rolls a hash over every character for a short part;
// looking for its first character (a vector search) and comparing there is several times
// faster on the list's texts, where that character is rare.
bool holds(QStringView text, QStringView part) {
    if (part.isEmpty()) return true;
    const QChar first = part.front();
    const qsizetype lastStart = text.size() - part.size();
    for (qsizetype at = text.indexOf(first); at >= 0 && at <= lastStart;
         at = text.indexOf(first, at + 1)) {
        if (text.sliced(at, part.size()) == part) return true;
    }
    return false;
}

}  // namespace

TrainFilterModel::TrainFilterModel(TrainListModel* trains, QObject* parent)
    : QAbstractProxyModel(parent), m_trains(trains) {
    QAbstractProxyModel::setSourceModel(trains);
    connect(trains, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(trains, &QAbstractItemModel::modelReset, this, [this] {
        rebuild();
        endResetModel();
    });
    // Rows are placed once the source holds them: their place depends on their texts.
    connect(trains, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { sourceInserted(first, last); });
    connect(trains, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { sourceRemoved(first, last); });
    connect(trains, &QAbstractItemModel::dataChanged, this, &TrainFilterModel::sourceChanged);
    // A window may outlive the session's list while it closes: it then shows nothing.
    connect(trains, &QObject::destroyed, this, [this] {
        m_trains = nullptr;
        m_trainOfRow.clear();
        m_rowOfTrain.clear();
    });
    rebuild();
}

void TrainFilterModel::followSelection(QItemSelectionModel* selection) {
    m_selection = selection;
}

void TrainFilterModel::setSearch(const QString& text) {
    const QString folded = foldForSearch(text.trimmed());
    if (folded == m_search) return;
    // A longer search finds a part of what the shorter one found: only the rows shown are
    // looked at, in the order they have.
    const bool narrower = !m_search.isEmpty() && folded.contains(m_search);
    beginRelayout();
    m_search = folded;
    m_searchIsNumber = !folded.isEmpty() && std::all_of(folded.begin(), folded.end(),
                                                        [](QChar c) { return c.isDigit(); });
    if (narrower) {
        std::erase_if(m_trainOfRow, [this](int train) { return !accepts(train); });
        renumberRows();
    } else {
        rebuild();
    }
    endRelayout();
}

void TrainFilterModel::sort(int column, Qt::SortOrder order) {
    if (column == 0 && order == Qt::AscendingOrder) column = -1;
    if (column >= columnCount()) return;
    beginRelayout();
    m_sortColumn = column;
    m_order = order;
    sortTrains(m_trainOfRow);
    renumberRows();
    endRelayout();
}

int TrainFilterModel::trainAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < m_trainOfRow.size()
               ? m_trainOfRow[static_cast<std::size_t>(row)]
               : -1;
}

int TrainFilterModel::rowOf(int train) const {
    return train >= 0 && static_cast<std::size_t>(train) < m_rowOfTrain.size()
               ? m_rowOfTrain[static_cast<std::size_t>(train)]
               : -1;
}

QModelIndex TrainFilterModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex TrainFilterModel::parent(const QModelIndex&) const {
    return {};
}

int TrainFilterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_trainOfRow.size());
}

int TrainFilterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_trains ? 0 : m_trains->columnCount();
}

QModelIndex TrainFilterModel::mapToSource(const QModelIndex& proxyIndex) const {
    const int train = proxyIndex.isValid() ? trainAt(proxyIndex.row()) : -1;
    return train < 0 ? QModelIndex() : m_trains->index(train, proxyIndex.column());
}

QModelIndex TrainFilterModel::mapFromSource(const QModelIndex& sourceIndex) const {
    const int row = sourceIndex.isValid() ? rowOf(sourceIndex.row()) : -1;
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

QVariant TrainFilterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The columns are the source's whatever rows show; rows have no header.
    if (orientation != Qt::Horizontal || !m_trains) return {};
    return m_trains->headerData(section, orientation, role);
}

bool TrainFilterModel::accepts(int train) const {
    // Only digits can be found in the position, which the search texts leave out.
    return m_search.isEmpty() || (m_searchIsNumber && QString::number(train).contains(m_search)) ||
           holds(m_trains->searchText(train), m_search);
}

// Rows go by the sort key, then by position, so that the order is one and the same however
// it was reached.
bool TrainFilterModel::before(int a, int b) const {
    if (m_sortColumn < 0) return a < b;
    const qint64 keyA = m_trains->sortKey(a, m_sortColumn);
    const qint64 keyB = m_trains->sortKey(b, m_sortColumn);
    if (keyA != keyB) return m_order == Qt::AscendingOrder ? keyA < keyB : keyA > keyB;
    return a < b;
}

// Sorting compares each train many times: its key is read once, beside it.
void TrainFilterModel::sortTrains(std::vector<int>& trains) const {
    if (m_sortColumn < 0) {
        std::sort(trains.begin(), trains.end());
        return;
    }
    struct Keyed {
        qint64 key;
        int train;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(trains.size());
    for (int train : trains) keyed.push_back({m_trains->sortKey(train, m_sortColumn), train});
    const auto sortBy = [&keyed](auto keyOrder) {
        std::sort(keyed.begin(), keyed.end(), [keyOrder](const Keyed& a, const Keyed& b) {
            return a.key != b.key ? keyOrder(a.key, b.key) : a.train < b.train;
        });
    };
    if (m_order == Qt::AscendingOrder) {
        sortBy(std::less<qint64>());
    } else {
        sortBy(std::greater<qint64>());
    }
    for (std::size_t i = 0; i < trains.size(); ++i) trains[i] = keyed[i].train;
}

void TrainFilterModel::place(std::vector<int> trains) {
    std::erase_if(trains, [this](int train) { return !accepts(train); });
    sortTrains(trains);
    const auto order = [this](int a, int b) { return before(a, b); };
    std::vector<int> rows;
    rows.reserve(m_trainOfRow.size() + trains.size());
    std::merge(m_trainOfRow.begin(), m_trainOfRow.end(), trains.begin(), trains.end(),
               std::back_inserter(rows), order);
    m_trainOfRow = std::move(rows);
    renumberRows();
}

void TrainFilterModel::rebuild() {
    if (m_sortColumn >= columnCount()) m_sortColumn = -1;
    std::vector<int> all(static_cast<std::size_t>(m_trains->rowCount()));
    std::iota(all.begin(), all.end(), 0);
    m_trainOfRow.clear();
    place(std::move(all));
}

void TrainFilterModel::renumberRows() {
    m_rowOfTrain.assign(static_cast<std::size_t>(m_trains->rowCount()), -1);
    for (std::size_t row = 0; row < m_trainOfRow.size(); ++row) {
        const auto train = static_cast<std::size_t>(m_trainOfRow[row]);
        if (train < m_rowOfTrain.size()) m_rowOfTrain[train] = static_cast<int>(row);
    }
}

void TrainFilterModel::beginRelayout() {
    holdSelection();
    emit layoutAboutToBeChanged();
    m_heldIndexes = persistentIndexList();
    m_heldTrains.clear();
    m_heldTrains.reserve(static_cast<std::size_t>(m_heldIndexes.size()));
    for (const QModelIndex& held : std::as_const(m_heldIndexes))
        m_heldTrains.push_back(held.isValid() ? trainAt(held.row()) : -1);
}

void TrainFilterModel::endRelayout() {
    QModelIndexList moved;
    moved.reserve(m_heldIndexes.size());
    for (qsizetype i = 0; i < m_heldIndexes.size(); ++i) {
        const int train = m_heldTrains[static_cast<std::size_t>(i)];
        const int row = train < 0 ? -1 : rowOf(train);
        moved.push_back(row < 0 ? QModelIndex() : index(row, m_heldIndexes[i].column()));
    }
    changePersistentIndexList(m_heldIndexes, moved);
    m_heldIndexes.clear();
    m_heldTrains.clear();
    emit layoutChanged();
    restoreSelection();
}

void TrainFilterModel::holdSelection() {
    m_selectedTrains.clear();
    if (!m_selection || m_selection->model() != this || !m_selection->hasSelection()) return;
    for (const QItemSelectionRange& range : m_selection->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (const int train = trainAt(row); train >= 0) m_selectedTrains.push_back(train);
        }
    }
    // The views repaint after the layout change anyway: the clearing need not be announced.
    const QSignalBlocker quiet(m_selection.data());
    m_selection->clearSelection();
}

void TrainFilterModel::restoreSelection() {
    if (!m_selection || m_selectedTrains.empty()) return;
    std::vector<int> rows;
    rows.reserve(m_selectedTrains.size());
    for (int train : m_selectedTrains)
        if (const int row = rowOf(train); row >= 0) rows.push_back(row);
    m_selectedTrains.clear();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QItemSelection selection;
    const int lastColumn = columnCount() - 1;
    for (const auto& [row, count] : runsOf(rows))
        selection.select(index(row, 0), index(row + count - 1, lastColumn));
    m_selection->select(selection, QItemSelectionModel::Select);
}

void TrainFilterModel::sourceInserted(int first, int last) {
    const int count = last - first + 1;
    for (int& train : m_trainOfRow)
        if (train >= first) train += count;
    renumberRows();
    std::vector<int> added(static_cast<std::size_t>(count));
    std::iota(added.begin(), added.end(), first);
    std::erase_if(added, [this](int train) { return !accepts(train); });
    sortTrains(added);
    // The rows the added trains take, among the rows there are.
    std::vector<int> rows;
    rows.reserve(added.size());
    std::size_t kept = 0;
    for (std::size_t k = 0; k < added.size(); ++k) {
        while (kept < m_trainOfRow.size() && before(m_trainOfRow[kept], added[k])) ++kept;
        rows.push_back(static_cast<int>(kept + k));
    }
    const auto runs = runsOf(rows);
    if (runs.size() > runsOneByOne) {
        beginRelayout();
        place(std::move(added));
        endRelayout();
        return;
    }
    std::size_t next = 0;
    for (const auto& [row, rowCount] : runs) {
        beginInsertRows({}, row, row + rowCount - 1);
        const auto from = added.begin() + static_cast<std::ptrdiff_t>(next);
        m_trainOfRow.insert(m_trainOfRow.begin() + row, from, from + rowCount);
        next += static_cast<std::size_t>(rowCount);
        renumberRows();
        endInsertRows();
    }
}

void TrainFilterModel::sourceRemoved(int first, int last) {
    const int count = last - first + 1;
    std::vector<int> rows;
    for (int train = first; train <= last; ++train)
        if (const int row = rowOf(train); row >= 0) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    // The removed trains' rows show nothing until they go.
    for (int& train : m_trainOfRow) {
        if (train > last) {
            train -= count;
        } else if (train >= first) {
            train = -1;
        }
    }
    const auto runs = runsOf(rows);
    if (runs.size() > runsOneByOne) {
        beginRelayout();
        std::erase(m_trainOfRow, -1);
        renumberRows();
        endRelayout();
        return;
    }
    renumberRows();
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows({}, run->first, run->first + run->second - 1);
        m_trainOfRow.erase(m_trainOfRow.begin() + run->first,
                           m_trainOfRow.begin() + run->first + run->second);
        renumberRows();
        endRemoveRows();
    }
}

// A changed train may now sort elsewhere, or match the search or no longer: it is placed
// again. Marks and the "Indeks" column change no row's place.
void TrainFilterModel::sourceChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                     const QList<int>& roles) {
    if (rowCount() == 0 && m_trains->rowCount() == 0) return;
    const int first = topLeft.row();
    const int last = bottomRight.row();
    const bool texts = roles.isEmpty() || roles.contains(Qt::DisplayRole);
    const bool movesRows =
        texts && bottomRight.column() > 0 && (m_sortColumn > 0 || !m_search.isEmpty());
    if (movesRows) {
        beginRelayout();
        std::erase_if(m_trainOfRow, [&](int train) { return train >= first && train <= last; });
        std::vector<int> changed(static_cast<std::size_t>(last - first + 1));
        std::iota(changed.begin(), changed.end(), first);
        place(std::move(changed));
        endRelayout();
    }
    if (rowCount() == 0) return;
    const int lastColumn = columnCount() - 1;
    if (last - first < rowsNamedOneByOne) {
        for (int train = first; train <= last; ++train) {
            const int row = rowOf(train);
            if (row >= 0)
                emit dataChanged(index(row, topLeft.column()), index(row, bottomRight.column()),
                                 roles);
        }
    } else {
        emit dataChanged(index(0, topLeft.column()),
                         index(rowCount() - 1, std::min(bottomRight.column(), lastColumn)), roles);
    }
}

}  // namespace rylmo::editing
