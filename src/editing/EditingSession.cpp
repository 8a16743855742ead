#include "editing/EditingSession.h"

#include <QUndoCommand>
#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "editing/RowRuns.h"
#include "editing/TrainListModel.h"
#include "models/NumberListModel.h"

namespace rylmo::editing {

namespace {

template <class Entry>
std::size_t checkedRow(const std::vector<Entry>& entries, int row, bool end) {
    const auto limit = static_cast<long long>(entries.size()) + (end ? 1 : 0);
    if (row < 0 || row >= limit) throw std::out_of_range("entry position outside the list");
    return static_cast<std::size_t>(row);
}

}  // namespace

// The edits. Each keeps only what it touches: the entries, or the texts it replaced.

// The several-entry edits keep their rows ascending. Inserting entries at rows and removing
// them are one edit run in the two directions: the entries live in the list or here.
template <class Entry>
class InsertOrRemoveEntries : public QUndoCommand {
public:
    InsertOrRemoveEntries(EditingSession& s, ListMember<Entry> list, std::vector<int> rows,
                          std::vector<Entry> entries, bool inserts, const QString& text)
        : QUndoCommand(text),
          m_session(s),
          m_list(list),
          m_rows(std::move(rows)),
          m_entries(std::move(entries)),
          m_inserts(inserts) {}
    void redo() override { m_inserts ? put() : take(); }
    void undo() override { m_inserts ? take() : put(); }

private:
    void put() { m_session.doInsertRows(m_list, m_rows, std::move(m_entries)); }
    void take() { m_entries = m_session.doRemoveRows(m_list, m_rows); }

    EditingSession& m_session;
    ListMember<Entry> m_list;
    std::vector<int> m_rows;
    std::vector<Entry> m_entries;
    bool m_inserts;
};

template <class Entry>
class ReplaceEntries : public QUndoCommand {
public:
    ReplaceEntries(EditingSession& s, ListMember<Entry> list, std::vector<int> rows,
                   std::vector<Entry> entries, const QString& text)
        : QUndoCommand(text),
          m_session(s),
          m_list(list),
          m_rows(std::move(rows)),
          m_other(std::move(entries)) {}
    void redo() override { m_session.doSwapRows(m_list, m_rows, m_other); }
    void undo() override { m_session.doSwapRows(m_list, m_rows, m_other); }

private:
    EditingSession& m_session;
    ListMember<Entry> m_list;
    std::vector<int> m_rows;
    std::vector<Entry> m_other;
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
      m_trainIndexModel(new models::NumberListModel(0, this)) {
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
    connect(this, &EditingSession::listReset, this, countTrains);
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

void EditingSession::openRecovered(TimetableContent content, const std::string& folder,
                                   const std::string& name, bool untitled) {
    open(std::move(content), untitled ? std::string() : folder, untitled ? std::string() : name);
    m_undoStack.resetClean();  // no state of the stack is the file's
    setFile(untitled ? std::string() : folder, untitled ? std::string() : name, untitled);
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

// A single entry is a run of one.
template <class Entry>
void EditingSession::insertEntry(ListMember<Entry> list, int row, Entry entry,
                                 const QString& text) {
    std::vector<Entry> entries;
    entries.push_back(std::move(entry));
    insertEntries(list, row, std::move(entries), text);
}

template <class Entry>
void EditingSession::removeEntry(ListMember<Entry> list, int row, const QString& text) {
    removeEntries(list, {row}, text);
}

template <class Entry>
void EditingSession::replaceEntry(ListMember<Entry> list, int row, Entry entry,
                                  const QString& text) {
    std::vector<Entry> entries;
    entries.push_back(std::move(entry));
    replaceEntries(list, {row}, std::move(entries), text);
}

namespace {

// Rows of several entries, checked and ascending; each row once.
template <class Entry>
std::vector<int> checkedRows(const std::vector<Entry>& entries, std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    if (std::adjacent_find(rows.begin(), rows.end()) != rows.end())
        throw std::invalid_argument("an entry position given twice");
    for (int row : rows) checkedRow(entries, row, false);
    return rows;
}

// Views follow this many runs of rows one by one (keeping their selection and place); more
// come to them as the whole list anew, which is faster than thousands of small changes.
constexpr std::size_t runsOneByOne = 32;

}  // namespace

template <class Entry>
void EditingSession::insertEntries(ListMember<Entry> list, int row, std::vector<Entry> entries,
                                   const QString& text) {
    checkedRow(m_document.content.*list, row, true);
    if (entries.empty()) return;
    std::vector<int> rows(entries.size());
    std::iota(rows.begin(), rows.end(), row);
    m_undoStack.push(new InsertOrRemoveEntries<Entry>(*this, list, std::move(rows),
                                                      std::move(entries), true, text));
}

template <class Entry>
void EditingSession::removeEntries(ListMember<Entry> list, std::vector<int> rows,
                                   const QString& text) {
    rows = checkedRows(m_document.content.*list, std::move(rows));
    if (rows.empty()) return;
    m_undoStack.push(
        new InsertOrRemoveEntries<Entry>(*this, list, std::move(rows), {}, false, text));
}

template <class Entry>
void EditingSession::replaceEntries(ListMember<Entry> list, std::vector<int> rows,
                                    std::vector<Entry> entries, const QString& text) {
    if (rows.size() != entries.size()) throw std::invalid_argument("rows and entries differ");
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return rows[a] < rows[b]; });
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    for (std::size_t i : order) sorted.push_back(std::move(entries[i]));
    rows = checkedRows(m_document.content.*list, std::move(rows));
    if (rows.empty()) return;
    m_undoStack.push(
        new ReplaceEntries<Entry>(*this, list, std::move(rows), std::move(sorted), text));
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
std::vector<Entry> EditingSession::doRemoveRows(ListMember<Entry> list,
                                                const std::vector<int>& rows) {
    auto& entries = m_document.content.*list;
    const EntryList id = entryListOf(list);
    const auto runs = runsOf(rows);
    std::vector<Entry> removed;
    removed.reserve(rows.size());
    for (int row : rows) removed.push_back(entries[static_cast<std::size_t>(row)]);
    emit contentAboutToChange();
    if (runs.size() <= runsOneByOne) {
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            emit entriesAboutToBeRemoved(id, run->first, run->second);
            entries.erase(entries.begin() + run->first, entries.begin() + run->first + run->second);
            emit entriesRemoved(id, run->first, run->second);
        }
    } else {
        emit listAboutToBeReset(id);
        std::vector<bool> goes(entries.size(), false);
        for (int row : rows) goes[static_cast<std::size_t>(row)] = true;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (!goes[i]) entries[kept++] = std::move(entries[i]);
        entries.resize(kept);
        emit listReset(id);
    }
    if (id == EntryList::locomotiveTypes) keepTypeCount();
    return removed;
}

template <class Entry>
void EditingSession::doInsertRows(ListMember<Entry> list, const std::vector<int>& rows,
                                  std::vector<Entry> added) {
    auto& entries = m_document.content.*list;
    const EntryList id = entryListOf(list);
    const auto runs = runsOf(rows);
    emit contentAboutToChange();
    if (runs.size() <= runsOneByOne) {
        std::size_t next = 0;
        for (const auto& [row, count] : runs) {
            emit entriesAboutToBeInserted(id, row, count);
            entries.insert(
                entries.begin() + row,
                std::make_move_iterator(added.begin() + static_cast<std::ptrdiff_t>(next)),
                std::make_move_iterator(added.begin() + static_cast<std::ptrdiff_t>(next) + count));
            next += static_cast<std::size_t>(count);
            emit entriesInserted(id, row, count);
        }
    } else {
        emit listAboutToBeReset(id);
        std::vector<Entry> merged;
        merged.reserve(entries.size() + added.size());
        std::size_t old = 0;
        std::size_t next = 0;
        for (std::size_t i = 0; i < entries.size() + added.size(); ++i) {
            if (next < rows.size() && static_cast<std::size_t>(rows[next]) == i) {
                merged.push_back(std::move(added[next++]));
            } else {
                merged.push_back(std::move(entries[old++]));
            }
        }
        entries = std::move(merged);
        emit listReset(id);
    }
    if (id == EntryList::locomotiveTypes) keepTypeCount();
}

template <class Entry>
void EditingSession::doSwapRows(ListMember<Entry> list, const std::vector<int>& rows,
                                std::vector<Entry>& others) {
    auto& entries = m_document.content.*list;
    emit contentAboutToChange();
    for (std::size_t i = 0; i < rows.size(); ++i)
        std::swap(entries[static_cast<std::size_t>(rows[i])], others[i]);
    emit entriesChanged(entryListOf(list), rows.front(), rows.back());
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

#define RYLMO_EDITS_FOR(Entry)                                                                     \
    template void EditingSession::insertEntry<Entry>(ListMember<Entry>, int, Entry,                \
                                                     const QString&);                              \
    template void EditingSession::removeEntry<Entry>(ListMember<Entry>, int, const QString&);      \
    template void EditingSession::replaceEntry<Entry>(ListMember<Entry>, int, Entry,               \
                                                      const QString&);                             \
    template void EditingSession::removeEntries<Entry>(ListMember<Entry>, std::vector<int>,        \
                                                       const QString&);                            \
    template void EditingSession::replaceEntries<Entry>(ListMember<Entry>, std::vector<int>,       \
                                                        std::vector<Entry>, const QString&);       \
    template void EditingSession::insertEntries<Entry>(ListMember<Entry>, int, std::vector<Entry>, \
                                                       const QString&);

RYLMO_EDITS_FOR(Train)
RYLMO_EDITS_FOR(DepotEntry)
RYLMO_EDITS_FOR(LocomotivePassage)
RYLMO_EDITS_FOR(LocomotiveType)
RYLMO_EDITS_FOR(std::string)

#undef RYLMO_EDITS_FOR

}  // namespace rylmo::editing
