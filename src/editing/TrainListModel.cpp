#include "editing/TrainListModel.h"

#include <QColor>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>
#include <numeric>

#include "editing/EditingSession.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainTexts.h"

namespace rylmo::editing {

namespace {

// Whether the search texts of count changed trains of rows follow the change at once. A change
// of most of the list has them gathered anew in the background instead (an undo of deleting
// every train puts back a hundred thousand); a part of it does not, so that the gathering
// does not contend with the editing that follows.
bool textsFollowAtOnce(int count, int rows) {
    return count <= 256 || count * 4 <= rows;
}

QString searchTextOf(const Train& train, const TrainTexts* readable) {
    if (readable) return readable->searchText(train);
    QString text;
    for (int f = 1; f <= RecordLayout<Train>::fieldCount; ++f)
        text += QLatin1Char('\t') + QString::number(field(train, f));
    return text;
}

}  // namespace

TrainListModel::TrainListModel(EditingSession& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session) {
    connect(&session, &EditingSession::documentAboutToBeReplaced, this,
            [this] { beginResetModel(); });
    connect(&session, &EditingSession::documentReplaced, this, [this] {
        m_texts.reset();
        m_sortKeysColumn = -1;
        invalidateSearch();
        endResetModel();
    });
    // The search texts follow every change before the views hear of it, so that a search
    // filters the changed rows by their new texts.
    connect(&session, &EditingSession::entriesAboutToBeInserted, this,
            [this](EntryList list, int row, int count) {
                if (list == EntryList::trains) beginInsertRows({}, row, row + count - 1);
            });
    connect(&session, &EditingSession::entriesInserted, this,
            [this](EntryList list, int row, int count) {
                if (list == EntryList::trains) trainsInserted(row, count);
            });
    connect(&session, &EditingSession::entriesAboutToBeRemoved, this,
            [this](EntryList list, int row, int count) {
                if (list == EntryList::trains) beginRemoveRows({}, row, row + count - 1);
            });
    connect(&session, &EditingSession::entriesRemoved, this,
            [this](EntryList list, int row, int count) {
                if (list == EntryList::trains) trainsRemoved(row, count);
            });
    connect(&session, &EditingSession::entriesChanged, this,
            [this](EntryList list, int first, int last) {
                if (list == EntryList::trains) trainsChanged(first, last);
            });
    // Thousands of trains removed or put back at scattered places come as the list anew.
    connect(&session, &EditingSession::listAboutToBeReset, this, [this](EntryList list) {
        if (list == EntryList::trains) beginResetModel();
    });
    connect(&session, &EditingSession::listReset, this, [this](EntryList list) {
        if (list != EntryList::trains) return;
        m_sortKeysColumn = -1;
        gatherNamesOf(0, rowCount() - 1);
        invalidateSearch();
        endResetModel();
    });
    connect(&session, &EditingSession::listChanged, this, [this](EntryList list) {
        if (list == EntryList::stationNames || list == EntryList::locomotiveTypes ||
            list == EntryList::coaches || list == EntryList::compositions) {
            namesChanged();
        }
    });
    connect(&m_gatheringWatcher, &QFutureWatcher<std::vector<QString>>::finished, this,
            &TrainListModel::gathered);
}

void TrainListModel::trainsInserted(int row, int count) {
    m_sortKeysColumn = -1;
    gatherNamesOf(row, row + count - 1);
    if (m_searchReady && textsFollowAtOnce(count, rowCount())) {
        m_search.insert(m_search.begin() + row, static_cast<std::size_t>(count), QString());
        for (int i = row; i < row + count; ++i)
            m_search[static_cast<std::size_t>(i)] = rowSearchText(i);
    } else {
        invalidateSearch();
    }
    endInsertRows();
    renumberFrom(row + count);
}

void TrainListModel::trainsRemoved(int row, int count) {
    m_sortKeysColumn = -1;
    if (m_searchReady) {
        m_search.erase(m_search.begin() + row, m_search.begin() + row + count);
    } else {
        invalidateSearch();
    }
    endRemoveRows();
    renumberFrom(row);
}

void TrainListModel::trainsChanged(int first, int last) {
    gatherNamesOf(first, last);
    if (m_sortKeysColumn > 0) {
        for (int i = first; i <= last; ++i)
            m_sortKeys[static_cast<std::size_t>(i)] = computeSortKey(i, m_sortKeysColumn);
    }
    if (m_searchReady && textsFollowAtOnce(last - first + 1, rowCount())) {
        for (int i = first; i <= last; ++i)
            m_search[static_cast<std::size_t>(i)] = rowSearchText(i);
    } else {
        invalidateSearch();
    }
    emit dataChanged(index(first, 1), index(last, columnCount() - 1));
}

TrainListModel::~TrainListModel() {
    m_gathering.waitForFinished();
}

void TrainListModel::namesChanged() {
    m_texts.reset();
    m_sortKeysColumn = -1;
    if (!m_readable) return;
    invalidateSearch();
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// The readable texts hold the names the trains used when they were built; a changed train
// that uses another one has them built again, and every sort key with them.
void TrainListModel::gatherNamesOf(int first, int last) {
    if (!m_texts) return;
    const std::vector<Train>& trains = m_session.content().trains;
    for (int i = first; i <= last; ++i) {
        if (!m_texts->covers(trains.at(static_cast<std::size_t>(i)))) {
            m_texts.reset();
            m_sortKeysColumn = -1;
            return;
        }
    }
}

std::shared_ptr<const TrainTexts> TrainListModel::sharedTexts() const {
    if (!m_texts) m_texts = std::make_shared<const TrainTexts>(m_session.content());
    return m_texts;
}

const TrainTexts& TrainListModel::texts() const {
    return m_texts ? *m_texts : *sharedTexts();
}

void TrainListModel::setReadable(bool readable) {
    if (readable == m_readable) return;
    beginResetModel();
    m_readable = readable;
    m_sortKeysColumn = -1;
    invalidateSearch();
    endResetModel();
}

void TrainListModel::setProblems(const ProblemChecker* checker) {
    m_problems = checker;
    connect(checker, &ProblemChecker::problemsChanged, this, [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, 0),
                             {Qt::DecorationRole, Qt::ToolTipRole});
    });
}

void TrainListModel::invalidateSearch() {
    ++m_generation;
    m_searchReady = false;
    m_search.clear();
    m_search.shrink_to_fit();
    gatherAhead();
}

// Gathers the search texts of a copy of the trains on another core; a change meanwhile makes
// the result stale, and gathered() then starts again.
void TrainListModel::gatherAhead() {
    if (m_gathering.isRunning()) return;
    m_gatheringGeneration = m_generation;
    std::shared_ptr<const TrainTexts> readable = m_readable ? sharedTexts() : nullptr;
    m_gathering = QtConcurrent::run([trains = m_session.content().trains, readable] {
        std::vector<QString> search;
        search.reserve(trains.size());
        for (const Train& train : trains) search.push_back(searchTextOf(train, readable.get()));
        return search;
    });
    m_gatheringStarted = true;
    m_gatheringWatcher.setFuture(m_gathering);
}

void TrainListModel::gathered() {
    if (m_searchReady) return;
    if (m_gatheringGeneration != m_generation) {
        gatherAhead();
        return;
    }
    m_search = m_gathering.result();
    m_searchReady = true;
}

void TrainListModel::ensureSearchTexts() const {
    if (m_searchReady) return;
    if (m_gatheringStarted && m_gatheringGeneration == m_generation) {
        m_search = m_gathering.result();  // waits for the gathering under way
    } else {
        const std::vector<Train>& trains = m_session.content().trains;
        std::shared_ptr<const TrainTexts> readable = m_readable ? sharedTexts() : nullptr;
        m_search.resize(trains.size());
        std::vector<std::size_t> rows(trains.size());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
        QtConcurrent::blockingMap(
            rows, [&](std::size_t i) { m_search[i] = searchTextOf(trains[i], readable.get()); });
    }
    m_searchReady = true;
}

QString TrainListModel::rowSearchText(int row) const {
    return searchTextOf(m_session.content().trains.at(static_cast<std::size_t>(row)),
                        m_readable ? &texts() : nullptr);
}

qint64 TrainListModel::computeSortKey(int row, int column) const {
    const Train& train = m_session.content().trains.at(static_cast<std::size_t>(row));
    if (m_readable) return texts().sortKey(train, row, column);
    return column == 0 ? row : field(train, column);
}

// Sorting compares each row many times: the keys of the sorted column are computed once.
qint64 TrainListModel::computeSortKeys(int row, int column) const {
    if (column == 0) return row;
    const std::size_t rows = m_session.content().trains.size();
    if (column != m_sortKeysColumn || m_sortKeys.size() != rows) {
        m_sortKeys.resize(rows);
        for (std::size_t i = 0; i < rows; ++i)
            m_sortKeys[i] = computeSortKey(static_cast<int>(i), column);
        m_sortKeysColumn = column;
    }
    return m_sortKeys.at(static_cast<std::size_t>(row));
}

const QString& TrainListModel::searchText(int row) const {
    ensureSearchTexts();
    return m_search.at(static_cast<std::size_t>(row));
}

int TrainListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_session.content().trains.size());
}

int TrainListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_readable ? TrainTexts::columns : columns;
}

QVariant TrainListModel::data(const QModelIndex& index, int role) const {
    const std::vector<Train>& trains = m_session.content().trains;
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= trains.size()) return {};
    const Train& train = trains[static_cast<std::size_t>(index.row())];
    if (index.column() == 0 && m_problems &&
        (role == Qt::DecorationRole || role == Qt::ToolTipRole)) {
        const QString problems = m_problems->trainProblems(index.row());
        if (problems.isEmpty()) return {};
        return role == Qt::ToolTipRole ? QVariant(problems) : QVariant(problemColour());
    }
    if (m_readable) {
        if (role == sortKeyRole) return texts().sortKey(train, index.row(), index.column());
        if (role != Qt::DisplayRole && role != Qt::ForegroundRole) return {};
        const TrainCell cell = texts().cell(train, index.row(), index.column());
        if (role == Qt::ForegroundRole)
            return cell.unknown ? QVariant(problemColour()) : QVariant();
        return cell.text;
    }
    const qint64 value = index.column() == 0 ? index.row() : field(train, index.column());
    if (role == sortKeyRole) return value;
    if (role == Qt::DisplayRole) return QString::number(value);
    return {};
}

QVariant TrainListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (m_readable) {
        if (role == Qt::DisplayRole) return TrainTexts::header(section);
        if (role == Qt::ToolTipRole) return TrainTexts::headerTip(section);
        return {};
    }
    if (role == Qt::DisplayRole)
        return section == 0 ? QStringLiteral("Indeks") : QString::number(section);
    if (role == Qt::ToolTipRole && section > 0) {
        return QString::fromLatin1(
            RecordLayout<Train>::names[static_cast<std::size_t>(section - 1)]);
    }
    return {};
}

void TrainListModel::renumberFrom(int row) {
    if (row < rowCount()) emit dataChanged(index(row, 0), index(rowCount() - 1, 0));
}

}  // namespace rylmo::editing
