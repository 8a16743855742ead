#pragma once

#include <string>
#include <vector>

#include "document/FileLock.h"
#include "document/RecoveryFile.h"
#include "document/Timetable.h"

namespace rylmo {

// One editor window's recovery files in the recovery folder, named by the window's id:
// "<id>.odzysk" (the unsaved document), "<id>.indeks" (what it is) and "<id>.blokada", locked
// for as long as the window lives. No two windows share a set, and a set whose lock can be
// taken was left by a window that is gone.
class RecoverySet {
public:
    // A set of folder (UTF-8, without a trailing separator) for id, not yet locked.
    RecoverySet(std::string folder, std::string id);

    const std::string& id() const { return m_id; }
    std::string documentFile() const;
    std::string indexFile() const;

    // Takes the set's lock; false while another window holds it (reason left empty) or when
    // the folder or the lock file cannot be made (reason says why).
    bool lock(std::string* reason = nullptr);
    bool locked() const { return m_lock.locked(); }
    // Writes the document, then the index, each through an atomic, flushed save, readable by
    // its owner only; makes the folder (the owner's only) when it is missing and locks the set
    // first. Throws rylmo::Error.
    void write(const RecoveryHeader& header, const TimetableContent& content);
    // What the index says; throws rylmo::Error when it is missing or unreadable.
    RecoveryHeader index() const;
    // What the document file's own header says (the body is not checked); throws
    // rylmo::Error when it is missing or no recovery file.
    RecoveryHeader header() const;
    // The document and its header; throws rylmo::Error unless the file is whole.
    TimetableContent content(RecoveryHeader* header = nullptr) const;
    // Removes the files, temporary files of a cut write among them, the lock's last, and lets
    // go of the lock.
    void remove();

private:
    std::string lockFile() const;

    std::string m_folder;
    std::string m_id;
    FileLock m_lock;
};

// A new window id: the time and random bits, so that windows started together differ.
std::string newRecoveryId();

// The sets of folder that have a document file and that no living window holds, each locked
// by the caller now, oldest first by their document's header (an unreadable one first of
// all). The leftovers of a set without a document file (a lone lock, index or temporary
// file of a window that is gone) are removed.
std::vector<RecoverySet> abandonedRecoveries(const std::string& folder);

}  // namespace rylmo
