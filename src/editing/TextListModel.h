#pragma once

#include <QAbstractListModel>
#include <optional>
#include <string>
#include <string_view>

#include "editing/EntryList.h"

namespace rylmo::editing {

class EditingSession;

// One text list of the session (coaches, compositions, ...), or one word of each locomotive
// type, as rows, following the session's changes row by row, so that a list of any length
// shows at once.
class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    TextListModel(EditingSession& session, ListMember<std::string> list, QObject* parent = nullptr);
    TextListModel(EditingSession& session, LocomotiveType::Word word, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void follow(EditingSession& session);
    std::optional<std::string_view> textAt(int row) const;

    const EditingSession& m_session;
    ListMember<std::string> m_list = nullptr;
    LocomotiveType::Word m_word = nullptr;
    EntryList m_id;
};

}  // namespace rylmo::editing
