#include "editing/TrainListModel.h"

#include <QColor>
#include <QtConcurrent/QtConcurrentMap>
#include <numeric>

#include "editing/EditingSession.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainTexts.h"

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
        if (list == EntryList::trains) emit dataChanged(index(first, 1), index(last, columnCount() - 1));
    });
    connect(&session, &EditingSession::listChanged, this, [this](EntryList list) {
        if (list == EntryList::trains) {
            m_search.clear();
        } else if (list == EntryList::stationNames || list == EntryList::locomotiveTypes || list == EntryList::coaches) {
            namesChanged();
        }
    });
    connect(&session, &EditingSession::documentReplaced, this, [this] {
        m_texts.reset();
        m_search.clear();
    });
}

TrainListModel::~TrainListModel() = default;

void TrainListModel::namesChanged() {
    m_texts.reset();
    m_search.clear();
    if (m_readable && rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

const TrainTexts& TrainListModel::texts() const {
    if (!m_texts) m_texts = std::make_unique<TrainTexts>(m_session.content());
    return *m_texts;
}

void TrainListModel::setReadable(bool readable) {
    if (readable == m_readable) return;
    beginResetModel();
    m_readable = readable;
    m_search.clear();
    endResetModel();
}

void TrainListModel::setProblems(const ProblemChecker* checker) {
    m_problems = checker;
    connect(checker, &ProblemChecker::problemsChanged, this, [this] {
        if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole, Qt::ToolTipRole});
    });
}

qint64 TrainListModel::sortKey(int row, int column) const {
    const Train& train = m_session.content().trains.at(static_cast<std::size_t>(row));
    if (m_readable) return texts().sortKey(train, row, column);
    return column == 0 ? row : field(train, column);
}

const QString& TrainListModel::searchText(int row) const {
    const std::vector<Train>& trains = m_session.content().trains;
    if (m_search.size() != trains.size()) {
        m_search.resize(trains.size());
        const TrainTexts* readable = m_readable ? &texts() : nullptr;
        // Every core gathers a share of the rows: the texts are read only meanwhile.
        std::vector<std::size_t> rows(trains.size());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
        QtConcurrent::blockingMap(rows, [&](std::size_t i) {
            if (readable) {
                m_search[i] = readable->searchText(trains[i], static_cast<int>(i));
                return;
            }
            QString text = QString::number(i);
            for (int f = 1; f <= RecordLayout<Train>::fieldCount; ++f) text += QLatin1Char('\t') + QString::number(field(trains[i], f));
            m_search[i] = text;
        });
    }
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
    if (index.column() == 0 && m_problems && (role == Qt::DecorationRole || role == Qt::ToolTipRole)) {
        const QString problems = m_problems->trainProblems(index.row());
        if (problems.isEmpty()) return {};
        return role == Qt::ToolTipRole ? QVariant(problems) : QVariant(QColor(Qt::red));
    }
    if (m_readable) {
        if (role == sortKeyRole) return texts().sortKey(train, index.row(), index.column());
        if (role != Qt::DisplayRole && role != Qt::ForegroundRole) return {};
        const TrainCell cell = texts().cell(train, index.row(), index.column());
        if (role == Qt::ForegroundRole) return cell.unknown ? QVariant(QColor(Qt::red)) : QVariant();
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
    if (role == Qt::DisplayRole) return section == 0 ? QStringLiteral("Indeks") : QString::number(section);
    if (role == Qt::ToolTipRole && section > 0) {
        return QString::fromLatin1(RecordLayout<Train>::names[static_cast<std::size_t>(section - 1)]);
    }
    return {};
}

void TrainListModel::renumberFrom(int row) {
    if (row < rowCount()) emit dataChanged(index(row, 0), index(rowCount() - 1, 0));
}

}  // namespace rylmo::editing
