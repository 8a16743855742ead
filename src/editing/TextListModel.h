#pragma once

#include <QAbstractListModel>
#include <string>

#include "editing/EntryList.h"

namespace rylmo::editing {

class EditingSession;

// One text list of the session (coaches, compositions, ...) as rows, following the session's
// changes row by row, so that a list of any length shows at once.
class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    TextListModel(EditingSession& session, ListMember<std::string> list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const EditingSession& m_session;
    ListMember<std::string> m_list;
    EntryList m_id;
};

}  // namespace rylmo::editing
