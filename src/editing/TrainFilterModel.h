#pragma once

#include <QAbstractProxyModel>
#include <QPointer>
#include <vector>

class QItemSelectionModel;

namespace rylmo::editing {

class TrainListModel;

// The train list as the user arranges it: sorted by any column (by value: times as times,
// names alphabetically) and filtered by a search text that ignores case and diacritics.
// Commands always act on trains, never on the rows shown: trainAt() and rowOf() translate.
//
// The rows shown are one permutation of train positions, kept in order by (sort key, train).
// A change of some trains re-places only them (a merge, linear in the rows). Trains added or
// removed in a few runs of rows reach the views as rows inserted or removed; every other change
// of the rows is a layout change, through which the selection stays on the same trains.
class TrainFilterModel : public QAbstractProxyModel {
    Q_OBJECT
public:
    explicit TrainFilterModel(TrainListModel* trains, QObject* parent = nullptr);

    void setSearch(const QString& text);
    // The train (0-based position) shown in a row, or -1; the row of a train, or -1.
    int trainAt(int row) const;
    int rowOf(int train) const;

    // The selection of the view that shows this model: a layout change keeps it on the same
    // trains. Qt would keep it by a persistent index per selected cell, which costs seconds
    // for a few hundred selected rows.
    void followSelection(QItemSelectionModel* selection);

    // column -1 (or "Indeks" rising) is the file order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool accepts(int train) const;
    bool before(int a, int b) const;
    void sortTrains(std::vector<int>& trains) const;
    // Puts the given trains (none of them shown) among the rows where they belong.
    void place(std::vector<int> trains);
    void rebuild();
    void renumberRows();

    // Every change of the rows runs between these two: the persistent indexes (the views'
    // selection and current row) follow their trains; shift tells where those trains moved
    // (-1: gone).
    void beginRelayout();
    void endRelayout();
    // The selected trains are held through a layout change, the selection cleared.
    void holdSelection();
    void restoreSelection();

    void sourceInserted(int first, int last);
    void sourceRemoved(int first, int last);
    void sourceChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                       const QList<int>& roles);

    TrainListModel* m_trains;
    QString m_search;  // folded
    bool m_searchIsNumber = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    std::vector<int> m_trainOfRow;
    std::vector<int> m_rowOfTrain;  // -1 when hidden
    QModelIndexList m_heldIndexes;
    std::vector<int> m_heldTrains;
    QPointer<QItemSelectionModel> m_selection;
    std::vector<int> m_selectedTrains;
};

}  // namespace rylmo::editing
