#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "document/Timetable.h"
#include "editing/EntryList.h"

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
    // The value a cell sorts by: numbers as numbers, times as times, names alphabetically.
    static constexpr int sortKeyRole = Qt::UserRole + 1;

    bool isReadable() const { return m_readable; }
    void setReadable(bool readable);
    // Trains with a finding of checker carry a red mark and their findings as a tooltip.
    void setProblems(const ProblemChecker* checker);
    // The value a cell sorts by, without building its text.
    qint64 sortKey(int row, int column) const;
    // The texts of a row, folded for searching ("lodz" finds "Łódź").
    const QString& searchText(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The "Indeks" texts from row on have moved.
    void renumberFrom(int row);

    const TrainTexts& texts() const;
    void namesChanged();

    const EditingSession& m_session;
    const ProblemChecker* m_problems = nullptr;
    bool m_readable = false;
    mutable std::unique_ptr<TrainTexts> m_texts;
    mutable std::vector<QString> m_search;  // empty until the first search after a change
};

}  // namespace rylmo::editing
