#include "editing/EditingSession.h"

#include <QUndoCommand>
#include <stdexcept>
#include <utility>

#include "editing/TrainListModel.h"
#include "ui/NumberListModel.h"

namespace rylmo::editing {

namespace {

template <class Entry>
std::size_t checkedRow(const std::vector<Entry>& entries, int row, bool end) {
    const auto limit = static_cast<long long>(entries.size()) + (end ? 1 : 0);
    if (row < 0 || row >= limit) throw std::out_of_range("entry position outside the list");
    return static_cast<std::size_t>(row);
}

}  // namespace

// The edits. Each keeps only what it touches: the entry, or the texts it replaced.
template <class Entry>
class InsertEntry : public QUndoCommand {
public:
    InsertEntry(EditingSession& s, ListMember<Entry> list, int row, Entry entry,
                const QString& text)
        : QUndoCommand(text), m_session(s), m_list(list), m_row(row), m_entry(std::move(entry)) {}
    void redo() override { m_session.doInsert(m_list, m_row, m_entry); }
    void undo() override { m_session.doRemove(m_list, m_row); }

private:
    EditingSession& m_session;
    ListMember<Entry> m_list;
    int m_row;
    Entry m_entry;
};

template <class Entry>
class RemoveEntry : public QUndoCommand {
public:
    RemoveEntry(EditingSession& s, ListMember<Entry> list, int row, const QString& text)
        : QUndoCommand(text), m_session(s), m_list(list), m_row(row) {}
    void redo() override { m_entry = m_session.doRemove(m_list, m_row); }
    void undo() override { m_session.doInsert(m_list, m_row, m_entry); }

private:
    EditingSession& m_session;
    ListMember<Entry> m_list;
    int m_row;
    Entry m_entry{};
};

template <class Entry>
class ReplaceEntry : public QUndoCommand {
public:
    ReplaceEntry(EditingSession& s, ListMember<Entry> list, int row, Entry entry,
                 const QString& text)
        : QUndoCommand(text), m_session(s), m_list(list), m_row(row), m_other(std::move(entry)) {}
    // The entry kept is the one that is not in the list: swapping restores either state.
    void redo() override { m_other = m_session.doReplace(m_list, m_row, std::move(m_other)); }
    void undo() override { m_other = m_session.doReplace(m_list, m_row, std::move(m_other)); }

private:
    EditingSession& m_session;
    ListMember<Entry> m_list;
    int m_row;
    Entry m_other;
};

class ReplaceTextList : public QUndoCommand {
public:
    ReplaceTextList(EditingSession& s, ListMember<std::string> list, std::vector<std::string> texts,
                    const QString& text)
        : QUndoCommand(text), m_session(s), m_list(list), m_other(std::move(texts)) {}
    void redo() override { m_other = m_session.doReplaceList(m_list, std::move(m_other)); }
    void undo() override { m_other = m_session.doReplaceList(m_list, std::move(m_other)); }

private:
    EditingSession& m_session;
    ListMember<std::string> m_list;
    std::vector<std::string> m_other;
};

class SetGeneralText : public QUndoCommand {
public:
    SetGeneralText(EditingSession& s, GeneralText which, std::string value, const QString& text)
        : QUndoCommand(text), m_session(s), m_which(which), m_other(std::move(value)) {}
    void redo() override { m_other = m_session.doSetText(m_which, std::move(m_other)); }
    void undo() override { m_other = m_session.doSetText(m_which, std::move(m_other)); }

private:
    EditingSession& m_session;
    GeneralText m_which;
    std::string m_other;
};

EditingSession::EditingSession(QObject* parent)
    : QObject(parent),
      m_trainListModel(new TrainListModel(*this, this)),
      m_trainIndexModel(new ui::NumberListModel(0, this)) {
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        m_document.modified = !clean;
        emit modifiedChanged(!clean);
    });
    auto countTrains = [this](EntryList list) {
        if (list == EntryList::trains)
            m_trainIndexModel->setCount(static_cast<int>(m_document.content.trains.size()));
    };
    for (auto changed : {&EditingSession::entriesInserted, &EditingSession::entriesRemoved,
                         &EditingSession::entriesChanged}) {
        connect(this, changed, this, [this](EntryList list) { emit listChanged(list); });
    }
    connect(this, &EditingSession::listReset, this, &EditingSession::listChanged);
    connect(this, &EditingSession::entriesInserted, this, countTrains);
    connect(this, &EditingSession::entriesRemoved, this, countTrains);
    connect(this, &EditingSession::documentReplaced, this,
            [countTrains] { countTrains(EntryList::trains); });
}

EditingSession::~EditingSession() = default;

void EditingSession::open(TimetableContent content, const std::string& folder,
                          const std::string& name) {
    emit contentAboutToChange();
    emit documentAboutToBeReplaced();
    m_undoStack.clear();
    m_document.content = std::move(content);
    emit documentReplaced();
    setFile(folder, name, false);
}

void EditingSession::startUntitled() {
    m_undoStack.clear();
    setFile({}, {}, true);
}

void EditingSession::markSaved(const std::string& folder, const std::string& name) {
    m_undoStack.setClean();
    setFile(folder, name, false);
}

void EditingSession::setFile(const std::string& folder, const std::string& name, bool untitled) {
    m_document.fileFolder = folder;
    m_document.fileName = name;
    m_document.untitled = untitled;
    // clear() and setClean() announce a change of the clean state only when there is one.
    m_document.modified = !m_undoStack.isClean();
    emit frameChanged();
}

void EditingSession::setRollingStockFolder(const std::string& folder) {
    m_document.rollingStockFolder = folder;
    emit frameChanged();
}

template <class Entry>
void EditingSession::insertEntry(ListMember<Entry> list, int row, Entry entry,
                                 const QString& text) {
    checkedRow(m_document.content.*list, row, true);
    m_undoStack.push(new InsertEntry<Entry>(*this, list, row, std::move(entry), text));
}

template <class Entry>
void EditingSession::removeEntry(ListMember<Entry> list, int row, const QString& text) {
    checkedRow(m_document.content.*list, row, false);
    m_undoStack.push(new RemoveEntry<Entry>(*this, list, row, text));
}

template <class Entry>
void EditingSession::replaceEntry(ListMember<Entry> list, int row, Entry entry,
                                  const QString& text) {
    checkedRow(m_document.content.*list, row, false);
    m_undoStack.push(new ReplaceEntry<Entry>(*this, list, row, std::move(entry), text));
}

void EditingSession::replaceTextList(ListMember<std::string> list, std::vector<std::string> texts,
                                     const QString& text) {
    m_undoStack.push(new ReplaceTextList(*this, list, std::move(texts), text));
}

void EditingSession::setGeneralText(GeneralText which, std::string value, const QString& text) {
    m_undoStack.push(new SetGeneralText(*this, which, std::move(value), text));
}

EditingSession::Step::Step(EditingSession& session, const QString& text) : m_session(session) {
    m_session.m_undoStack.beginMacro(text);
}

EditingSession::Step::~Step() {
    m_session.m_undoStack.endMacro();
}

template <class Entry>
void EditingSession::doInsert(ListMember<Entry> list, int row, Entry entry) {
    auto& entries = m_document.content.*list;
    const EntryList id = entryListOf(list);
    emit contentAboutToChange();
    emit entriesAboutToBeInserted(id, row, 1);
    entries.insert(entries.begin() + checkedRow(entries, row, true), std::move(entry));
    if (id == EntryList::locomotiveTypes) keepTypeCount();
    emit entriesInserted(id, row, 1);
}

template <class Entry>
Entry EditingSession::doRemove(ListMember<Entry> list, int row) {
    auto& entries = m_document.content.*list;
    const EntryList id = entryListOf(list);
    const std::size_t at = checkedRow(entries, row, false);
    emit contentAboutToChange();
    emit entriesAboutToBeRemoved(id, row, 1);
    Entry removed = std::move(entries[at]);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at));
    if (id == EntryList::locomotiveTypes) keepTypeCount();
    emit entriesRemoved(id, row, 1);
    return removed;
}

template <class Entry>
Entry EditingSession::doReplace(ListMember<Entry> list, int row, Entry entry) {
    auto& entries = m_document.content.*list;
    emit contentAboutToChange();
    Entry previous = std::exchange(entries[checkedRow(entries, row, false)], std::move(entry));
    emit entriesChanged(entryListOf(list), row, row);
    return previous;
}

std::vector<std::string> EditingSession::doReplaceList(ListMember<std::string> list,
                                                       std::vector<std::string> texts) {
    const EntryList id = entryListOf(list);
    emit contentAboutToChange();
    emit listAboutToBeReset(id);
    std::vector<std::string> previous = std::exchange(m_document.content.*list, std::move(texts));
    emit listReset(id);
    return previous;
}

std::string EditingSession::doSetText(GeneralText which, std::string value) {
    emit contentAboutToChange();
    std::string previous = std::exchange(generalText(m_document.content, which), std::move(value));
    emit generalTextChanged(which);
    return previous;
}

void EditingSession::keepTypeCount() {
    m_document.content.locomotiveTypeCount =
        static_cast<int32_t>(m_document.content.locomotiveTypes.size());
}

#define RYLMO_EDITS_FOR(Entry)                                                                \
    template void EditingSession::insertEntry<Entry>(ListMember<Entry>, int, Entry,           \
                                                     const QString&);                         \
    template void EditingSession::removeEntry<Entry>(ListMember<Entry>, int, const QString&); \
    template void EditingSession::replaceEntry<Entry>(ListMember<Entry>, int, Entry,          \
                                                      const QString&);

RYLMO_EDITS_FOR(Train)
RYLMO_EDITS_FOR(DepotEntry)
RYLMO_EDITS_FOR(LocomotivePassage)
RYLMO_EDITS_FOR(LocomotiveType)
RYLMO_EDITS_FOR(std::string)

#undef RYLMO_EDITS_FOR

}  // namespace rylmo::editing
