#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "document/FileStamp.h"

#include "document/ProfileFile.h"

class QWidget;

#include "document/RecoveryFolder.h"

namespace rylmo::editing {
class EditingSession;
class RecoveryKeeper;
}  // namespace rylmo::editing

namespace rylmo::app {

// The document commands of the main window: new, open, save, save as, the question about
// unsaved changes that opening, "Nowy" and closing ask, and the offer of unsaved changes that
// a window left behind when it ended. Each shows its own failures over window.
class DocumentCommands {
public:
    // documentShown is called once a document is new or opened.
    DocumentCommands(editing::EditingSession& session, editing::RecoveryKeeper& recovery,
                     ProfileFile& settings, QWidget* window, std::function<void()> documentShown);

    // "Nowy" keeps every table and only makes the document untitled.
    void newDocument();
    void openDocument();
    // Opens path as if it had been chosen in the open dialog.
    void openFile(const QString& path);
    void save() { saveDocument(); }
    void saveAs() { saveDocumentAs(); }
    // Asks whether to save unsaved changes; false when the command asking must stop: on
    // "Anuluj", and whenever "Tak" did not end in a saved file.
    bool askToSave();
    // The open and save dialogs start where the timetable is, else in the station folder.
    QString fileDialogFolder() const;
    // When the document's file was changed, deleted or moved by another program since it was
    // read or written: offers to read it again, or says it is gone. Asks once for each state
    // of the file.
    void checkFileOnDisk();
    // Offers the unsaved changes of each window that ended without saving them, until one is
    // restored ("Przywróć"), at start.
    void offerRecoveries();

private:
    enum class Outcome { done, cancelled, failed };

    Outcome saveDocument();
    Outcome saveDocumentAs();
    // Says what is missing when the document cannot be written.
    bool canBeWritten();
    // Writes the document to path and names it after path; false (and shown) on failure.
    bool writeTo(const QString& path);

    // Whether saving over the document's file would replace what another program wrote
    // there; asks first. False when the user keeps the file.
    bool mayReplaceFileOnDisk(const std::string& path);
    void remember(const std::string& path, const FileStamp& stamp);

    enum class Offer { restored, declined };
    // Asks whether to restore the changes that set holds, and restores them on "Przywróć";
    // removes the set on "Odrzuć", keeps it on "Później". A set that cannot be read whole is
    // said, and never opened.
    Offer offer(RecoverySet& set);
    // Opens the restored content as a modified document; the window takes over set.
    void restore(RecoverySet set, TimetableContent content, const RecoveryHeader& header);
    // Says that set cannot be read, and removes it when the user agrees.
    void reportUnreadable(RecoverySet& set, const std::string& reason);

    editing::EditingSession& m_session;
    editing::RecoveryKeeper& m_recovery;
    ProfileFile& m_settings;
    QWidget* m_window;
    std::function<void()> m_documentShown;
    // The document's file as this program last read or wrote it, and where.
    std::optional<FileStamp> m_onDisk;
    std::string m_onDiskPath;
    std::optional<FileStamp> m_answered;  // the file's state the user was last asked about
    bool m_asking = false;
};

}  // namespace rylmo::app
