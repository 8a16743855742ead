#include "editing/RecoveryKeeper.h"

#include <chrono>

#include "document/Error.h"
#include "editing/EditingSession.h"

namespace rylmo::editing {

RecoveryKeeper::RecoveryKeeper(EditingSession& session, const QString& folder, QObject* parent)
    : QObject(parent),
      m_session(session),
      m_folder(folder),
      m_set(std::make_unique<RecoverySet>(folder.toStdString(), newRecoveryId())) {
    m_writer.setMaxThreadCount(1);  // one writer: the copies reach the file in order
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    connect(&session.undoStack(), &QUndoStack::indexChanged, this, &RecoveryKeeper::edited);
    // Saved, read anew, or undone back to the saved state: the file holds what the window
    // shows, and a copy would only be asked about for nothing.
    connect(&session, &EditingSession::modifiedChanged, this, [this](bool modified) {
        if (!modified) discard();
    });
}

RecoveryKeeper::~RecoveryKeeper() {
    waitForWriter();
}

void RecoveryKeeper::edited() {
    // The stack tells its index before its clean state: the session's flag lags here.
    if (m_session.undoStack().isClean()) return;
    ++m_changes;
    // Not restarted by later edits: an author who edits every few seconds would otherwise
    // never get a copy.
    if (!m_delay.isActive()) m_delay.start(m_delayMs);
}

void RecoveryKeeper::writeNow() {
    m_delay.stop();
    if (!m_session.isModified()) return;
    const Timetable& document = m_session.document();
    RecoveryHeader header;
    if (!document.untitled) header.documentPath = document.fileFolder + document.fileName;
    header.savedAt = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    header.changes = m_changes;
    // The copy is all the GUI thread pays; the writer makes the bytes.
    auto content = std::make_shared<const TimetableContent>(document.content);
    run([this, header, content](RecoverySet& set) {
        try {
            set.write(header, *content);
            QMetaObject::invokeMethod(
                this, [this] { emit written(); }, Qt::QueuedConnection);
        } catch (const Error& error) {
            QMetaObject::invokeMethod(
                this,
                [this, message = QString::fromStdString(error.what())] {
                    emit writeFailed(message);
                },
                Qt::QueuedConnection);
        }
    });
}

void RecoveryKeeper::discard() {
    m_delay.stop();
    m_changes = 0;
    run([](RecoverySet& set) { set.remove(); });
}

void RecoveryKeeper::adopt(RecoverySet set, int64_t changes) {
    m_changes = changes;
    auto adopted = std::make_shared<RecoverySet>(std::move(set));
    run([adopted](RecoverySet& own) {
        own.remove();
        own = std::move(*adopted);
    });
}

void RecoveryKeeper::run(std::function<void(RecoverySet&)> job) {
    m_writer.start([set = m_set.get(), job = std::move(job)] { job(*set); });
}

void RecoveryKeeper::waitForWriter() {
    m_writer.waitForDone();
}

}  // namespace rylmo::editing
