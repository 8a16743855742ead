#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rylmo::models {

// The items of a drop-down list drawn from a list of the document: made on demand and cut
// short (toShortQString), so that a list of a million names costs nothing to fill. Fixed
// items may lead ("Brak"); items the list adds itself (a placeholder for an unknown entry)
// follow the document's.
class DocumentTextsModel : public QAbstractListModel {
    Q_OBJECT
public:
    using TextAt = std::function<std::string_view(std::size_t)>;

    DocumentTextsModel(QStringList leading, std::size_t count, TextAt textAt,
                       QObject* parent = nullptr);
    DocumentTextsModel(const std::vector<std::string>& texts, QObject* parent,
                       QStringList leading = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QStringList m_leading;
    int m_count;
    TextAt m_textAt;
    QStringList m_added;
};

}  // namespace rylmo::models
