#pragma once

#include <QAbstractTableModel>

#include "document/Timetable.h"
#include "editing/EntryList.h"

namespace rylmo::editing {

class EditingSession;

// The trains as rows of raw numbers: "Indeks", then the 26 fields. Follows the session's
// changes row by row.
class TrainListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TrainListModel(EditingSession& session, QObject* parent = nullptr);

    static constexpr int columns = 1 + RecordLayout<Train>::fieldCount;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The "Indeks" texts from row on have moved.
    void renumberFrom(int row);

    const EditingSession& m_session;
};

}  // namespace rylmo::editing
