#pragma once

#include <QAbstractListModel>
#include <string>

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
    TextListModel(EditingSession& session, std::string LocomotiveType::*word,
                  QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void follow(EditingSession& session);
    const std::string* textAt(int row) const;

    const EditingSession& m_session;
    ListMember<std::string> m_list = nullptr;
    std::string LocomotiveType::*m_word = nullptr;
    EntryList m_id;
};

}  // namespace rylmo::editing
