#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <string>
#include <vector>

#include "document/ReferenceChanges.h"
#include "document/References.h"
#include "document/Timetable.h"
#include "editing/EntryList.h"

namespace rylmo::models {
class NumberListModel;
}

namespace rylmo::editing {

class TrainListModel;

// The one timetable being edited. Every change to its content is an undoable edit pushed on
// the session's undo stack; views follow the change signals. `modified` is the stack's
// "not clean" state.
class EditingSession : public QObject {
    Q_OBJECT
public:
    explicit EditingSession(QObject* parent = nullptr);
    ~EditingSession() override;

    const Timetable& document() const { return m_document; }
    const TimetableContent& content() const { return m_document.content; }
    QUndoStack& undoStack() { return m_undoStack; }
    bool isModified() const { return m_document.modified; }

    // The models that several windows share.
    TrainListModel* trainListModel() const { return m_trainListModel; }
    models::NumberListModel* trainIndexModel() const { return m_trainIndexModel; }

    // Calls refresh, as long as context lives, after every change to list.
    template <class Refresh>
    void followList(EntryList list, QObject* context, Refresh refresh) {
        connect(this, &EditingSession::listChanged, context, [list, refresh](EntryList changed) {
            if (changed == list) refresh();
        });
    }

    // Replaces the whole document with one read from folder + name; the undo history starts
    // anew and the document is unmodified.
    void open(TimetableContent content, const std::string& folder, const std::string& name);
    // A document restored from a recovery file: like open, but modified until it is saved, and
    // untitled when it was (folder and name are then ignored).
    void openRecovered(TimetableContent content, const std::string& folder, const std::string& name,
                       bool untitled);
    // "Nowy": the tables stay, the document becomes an untitled, unmodified one.
    void startUntitled();
    // After the document was written to folder + name: it is named so and unmodified.
    void markSaved(const std::string& folder, const std::string& name);
    void setRollingStockFolder(const std::string& folder);

    // The generic edits. Each is one step on the undo stack, named by text (the step's name
    // as it follows "Cofnij" or "Ponów": "dodanie pociągu").
    template <class Entry>
    void insertEntry(ListMember<Entry> list, int row, Entry entry, const QString& text);
    template <class Entry>
    void removeEntry(ListMember<Entry> list, int row, const QString& text);
    template <class Entry>
    void replaceEntry(ListMember<Entry> list, int row, Entry entry, const QString& text);
    // Several entries as one step: inserted at row in their order; removed from rows (each
    // once, in any order); replaced at rows, in the order of entries.
    template <class Entry>
    void insertEntries(ListMember<Entry> list, int row, std::vector<Entry> entries,
                       const QString& text);
    template <class Entry>
    void removeEntries(ListMember<Entry> list, std::vector<int> rows, const QString& text);
    template <class Entry>
    void replaceEntries(ListMember<Entry> list, std::vector<int> rows, std::vector<Entry> entries,
                        const QString& text);
    void replaceTextList(ListMember<std::string> list, std::vector<std::string> texts,
                         const QString& text);

    // Whether deleting entries keeps every other reference naming the entry it named
    // (on unless the options turn it off); off, stored positions stay as they are.
    bool keepsReferences() const { return m_keepsReferences; }
    void setKeepsReferences(bool keep) { m_keepsReferences = keep; }
    // What deleting the rows of list changes elsewhere; nothing while references are not kept.
    ReferenceChanges deletionChanges(EntryList list, const std::vector<int>& rows) const;
    // The second line of the question before deleting deleted entries of list: what the
    // changes do, or, while references are not kept, what will point elsewhere (unkept, asked
    // only then).
    std::string deletionNotice(EntryList list, const ReferenceChanges& changes, std::size_t deleted,
                               const std::function<References()>& unkept) const;
    // Deletes the rows of list together with the changes deletionChanges gave for them, as one
    // step.
    void deleteEntries(EntryList list, std::vector<int> rows, const ReferenceChanges& changes,
                       const QString& text);
    // Changes the records as changes says (by their present positions), inside a Step.
    void applyReferenceChanges(const ReferenceChanges& changes);
    void setGeneralText(GeneralText which, std::string value, const QString& text);

    // Several edits made by one user action become one step while a Step lives.
    class Step {
    public:
        Step(EditingSession& session, const QString& text);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        EditingSession& m_session;
    };

signals:
    // Rows are 0-based positions in the list; the "about to" signals come before the list
    // changes, the others after it.
    void entriesAboutToBeInserted(rylmo::editing::EntryList list, int row, int count);
    void entriesInserted(rylmo::editing::EntryList list, int row, int count);
    void entriesAboutToBeRemoved(rylmo::editing::EntryList list, int row, int count);
    void entriesRemoved(rylmo::editing::EntryList list, int row, int count);
    void entriesChanged(rylmo::editing::EntryList list, int first, int last);
    void listAboutToBeReset(rylmo::editing::EntryList list);
    void listReset(rylmo::editing::EntryList list);
    // After any of the changes above to a list: for views that simply show it anew.
    void listChanged(rylmo::editing::EntryList list);
    void generalTextChanged(rylmo::editing::GeneralText text);
    void documentAboutToBeReplaced();
    void documentReplaced();
    // Before any change to the content, first of all signals: a reader on another thread
    // (the background check) must let go of it.
    void contentAboutToChange();
    void modifiedChanged(bool modified);
    // The file name, untitled state or rolling-stock folder changed.
    void frameChanged();

private:
    template <class Entry>
    friend class InsertOrRemoveEntries;
    template <class Entry>
    friend class ReplaceEntries;
    friend class ReplaceTextList;
    friend class SetGeneralText;

    // The raw changes the edits make, each announced.
    // rows ascending; the entries taken out or put in follow them.
    template <class Entry>
    std::vector<Entry> doRemoveRows(ListMember<Entry> list, const std::vector<int>& rows);
    template <class Entry>
    void doInsertRows(ListMember<Entry> list, const std::vector<int>& rows,
                      std::vector<Entry> entries);
    template <class Entry>
    void doSwapRows(ListMember<Entry> list, const std::vector<int>& rows,
                    std::vector<Entry>& entries);
    std::vector<std::string> doReplaceList(ListMember<std::string> list,
                                           std::vector<std::string> texts);
    std::string doSetText(GeneralText which, std::string value);
    void keepTypeCount();

    void setFile(const std::string& folder, const std::string& name, bool untitled);

    Timetable m_document;
    QUndoStack m_undoStack;
    TrainListModel* m_trainListModel;
    models::NumberListModel* m_trainIndexModel;
    bool m_keepsReferences = true;
};

}  // namespace rylmo::editing
