#pragma once

#include <QAbstractListModel>

namespace rylmo::models {

// The items "0", "1", ... count - 1, made on demand, so that a drop-down list of every train
// index of a huge timetable costs nothing to fill.
class NumberListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit NumberListModel(int count, QObject* parent = nullptr)
        : QAbstractListModel(parent), m_count(count) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_count;
    }
    QVariant data(const QModelIndex& index, int role) const override;

    void setCount(int count);

private:
    int m_count;
};

}  // namespace rylmo::models
