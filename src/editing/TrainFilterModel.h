#pragma once

#include <QSortFilterProxyModel>

namespace rylmo::editing {

class TrainListModel;

// The train list as the user arranges it: sorted by any column (by value: times as times,
// names alphabetically) and filtered by a search text that ignores case and diacritics.
// Commands always act on trains, never on the rows shown: trainAt() and rowOf() translate.
class TrainFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TrainFilterModel(TrainListModel* trains, QObject* parent = nullptr);

    void setSearch(const QString& text);
    // The train (0-based position) shown in a row, or -1; the row of a train, or -1.
    int trainAt(int row) const;
    int rowOf(int train) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    TrainListModel* m_trains;
    QString m_search;  // folded
    bool m_searchIsNumber = false;
};

}  // namespace rylmo::editing
