#include "editing/TextListModel.h"

#include "editing/EditingSession.h"
#include "ui/DocumentText.h"

namespace rylmo::editing {

TextListModel::TextListModel(EditingSession& session, ListMember<std::string> list, QObject* parent)
    : QAbstractListModel(parent), m_session(session), m_list(list), m_id(entryListOf(list)) {
    connect(&session, &EditingSession::documentAboutToBeReplaced, this,
            [this] { beginResetModel(); });
    connect(&session, &EditingSession::documentReplaced, this, [this] { endResetModel(); });
    connect(&session, &EditingSession::listAboutToBeReset, this, [this](EntryList id) {
        if (id == m_id) beginResetModel();
    });
    connect(&session, &EditingSession::listReset, this, [this](EntryList id) {
        if (id == m_id) endResetModel();
    });
    connect(&session, &EditingSession::entriesAboutToBeInserted, this,
            [this](EntryList id, int row, int count) {
                if (id == m_id) beginInsertRows({}, row, row + count - 1);
            });
    connect(&session, &EditingSession::entriesInserted, this, [this](EntryList id) {
        if (id == m_id) endInsertRows();
    });
    connect(&session, &EditingSession::entriesAboutToBeRemoved, this,
            [this](EntryList id, int row, int count) {
                if (id == m_id) beginRemoveRows({}, row, row + count - 1);
            });
    connect(&session, &EditingSession::entriesRemoved, this, [this](EntryList id) {
        if (id == m_id) endRemoveRows();
    });
    connect(&session, &EditingSession::entriesChanged, this,
            [this](EntryList id, int first, int last) {
                if (id == m_id) emit dataChanged(index(first), index(last));
            });
}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>((m_session.content().*m_list).size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    const std::vector<std::string>& texts = m_session.content().*m_list;
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= texts.size())
        return {};
    return ui::toQString(texts[static_cast<std::size_t>(index.row())]);
}

}  // namespace rylmo::editing
