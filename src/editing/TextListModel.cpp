#include "editing/TextListModel.h"

#include "editing/EditingSession.h"
#include "models/DocumentText.h"

namespace rylmo::editing {

TextListModel::TextListModel(EditingSession& session, ListMember<std::string> list, QObject* parent)
    : QAbstractListModel(parent), m_session(session), m_list(list), m_id(entryListOf(list)) {
    follow(session);
}

TextListModel::TextListModel(EditingSession& session, LocomotiveType::Word word, QObject* parent)
    : QAbstractListModel(parent),
      m_session(session),
      m_word(word),
      m_id(EntryList::locomotiveTypes) {
    follow(session);
}

void TextListModel::follow(EditingSession& session) {
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
    if (parent.isValid()) return 0;
    const TimetableContent& c = m_session.content();
    return static_cast<int>(m_list ? (c.*m_list).size() : c.locomotiveTypes.size());
}

std::optional<std::string_view> TextListModel::textAt(int row) const {
    if (row < 0 || row >= rowCount()) return std::nullopt;
    const TimetableContent& c = m_session.content();
    const auto i = static_cast<std::size_t>(row);
    return m_list ? std::string_view((c.*m_list)[i]) : (c.locomotiveTypes[i].*m_word)();
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    const std::optional<std::string_view> text =
        index.isValid() ? textAt(index.row()) : std::nullopt;
    if (role != Qt::DisplayRole || !text) return {};
    // A megabyte in one row would take seconds to lay out, and could not be read anyway.
    return models::toShortQString(*text, 200);
}

}  // namespace rylmo::editing
