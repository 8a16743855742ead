#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFuture>
#include <QFutureWatcher>
#include <memory>
#include <vector>

#include "document/Timetable.h"
#include "editing/EntryList.h"
#include "models/Marks.h"

namespace rylmo::editing {

class EditingSession;
class ProblemChecker;
class TrainTexts;

// The trains as rows of raw numbers: "Indeks", then the 26 fields. Follows the session's
// changes row by row.
class TrainListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TrainListModel(EditingSession& session, QObject* parent = nullptr);
    ~TrainListModel() override;

    static constexpr int columns = 1 + RecordLayout<Train>::fieldCount;
    // The mark of a train with findings (the list's decoration, the chart's corner) and of a
    // name the readable list cannot show.
    static QColor problemColour() { return models::problemColour(); }
    // The value a cell sorts by: numbers as numbers, times as times, names alphabetically.
    static constexpr int sortKeyRole = Qt::UserRole + 1;

    bool isReadable() const { return m_readable; }
    void setReadable(bool readable);
    // Trains with a finding of checker carry a red mark and their findings as a tooltip.
    void setProblems(const ProblemChecker* checker);
    // The value a cell sorts by, without building its text.
    qint64 sortKey(int row, int column) const {
        // Sorting asks a million times: the cached keys are read inline.
        if (column == 0) return row;
        if (column == m_sortKeysColumn && static_cast<std::size_t>(row) < m_sortKeys.size())
            return m_sortKeys[static_cast<std::size_t>(row)];
        return computeSortKeys(row, column);
    }
    // The texts of a row but its "Indeks", folded for searching ("lodz" finds "Łódź"). They
    // are gathered ahead in the background after every change of the whole list, and follow
    // changes of single trains at once.
    const QString& searchText(int row) const;
    // Whether the search texts are still being gathered in the background.
    bool isGatheringSearchTexts() const { return !m_searchReady && m_gatheringStarted; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The session changed trains: the rows, their names, sort keys and search texts follow.
    void trainsInserted(int row, int count);
    void trainsRemoved(int row, int count);
    void trainsChanged(int first, int last);
    // The "Indeks" texts from row on have moved.
    void renumberFrom(int row);

    const TrainTexts& texts() const;
    std::shared_ptr<const TrainTexts> sharedTexts() const;
    void namesChanged();
    void gatherNamesOf(int first, int last);
    void invalidateSearch();
    void gatherAhead();
    void gathered();
    void ensureSearchTexts() const;
    QString rowSearchText(int row) const;

    const EditingSession& m_session;
    const ProblemChecker* m_problems = nullptr;
    bool m_readable = false;
    mutable std::shared_ptr<const TrainTexts> m_texts;
    qint64 computeSortKey(int row, int column) const;
    qint64 computeSortKeys(int row, int column) const;
    mutable std::vector<qint64> m_sortKeys;  // of every row in m_sortKeysColumn, for sorting
    mutable int m_sortKeysColumn = -1;
    mutable std::vector<QString> m_search;  // complete only while m_searchReady
    mutable bool m_searchReady = false;
    quint64 m_generation = 0;  // counts changes that make the search texts stale
    mutable QFuture<std::vector<QString>> m_gathering;
    mutable quint64 m_gatheringGeneration = 0;
    bool m_gatheringStarted = false;
    QFutureWatcher<std::vector<QString>> m_gatheringWatcher;
};

}  // namespace rylmo::editing
