#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <memory>

#include "document/RecoveryFolder.h"

namespace rylmo::editing {

class EditingSession;

// Keeps a copy of the session's unsaved document in the recovery folder, so that a crash, a
// killed program or a power cut loses at most the last few seconds of edits: written a few
// seconds after the first edit that is not in it yet, however the edits go on. The GUI
// thread only copies the content; a writer thread of its own turns it into bytes and saves
// it, in the order the copies were taken. Saving the document, or reading another, removes
// the copy.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // From the first edit not yet written to the copy that holds it.
    static constexpr int kDefaultDelayMs = 5000;

    // folder: where the window's recovery files go (made when first written).
    RecoveryKeeper(EditingSession& session, const QString& folder, QObject* parent = nullptr);
    // Waits for the writer; the files stay for the next start.
    ~RecoveryKeeper() override;

    const QString& folder() const { return m_folder; }
    void setDelay(int milliseconds) { m_delayMs = milliseconds; }
    // Edits since the document was opened, saved or restored with the count it had.
    int64_t changes() const { return m_changes; }

    // The document was just restored from set (locked by the caller): its files become this
    // window's and the count of changes goes on from changes.
    void adopt(RecoverySet set, int64_t changes);
    // Removes this window's recovery files ("Nie" to saving on closing).
    void discard();
    // Copies the unsaved document for the writer now; nothing when it is saved.
    void writeNow();
    // Waits until the writer has done all it was given (tests, timing, closing).
    void waitForWriter();

signals:
    // A recovery file could not be written; the editing goes on.
    void writeFailed(const QString& message);
    // A copy was written (after a failure: the recovery works again).
    void written();

private:
    void edited();
    void run(std::function<void(RecoverySet&)> job);

    EditingSession& m_session;
    QString m_folder;
    int m_delayMs = kDefaultDelayMs;
    QTimer m_delay;
    int64_t m_changes = 0;
    // Only the writer thread touches the set once it is made.
    std::unique_ptr<RecoverySet> m_set;
    QThreadPool m_writer;
};

}  // namespace rylmo::editing
