#include "app/DocumentCommands.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "app/Settings.h"
#include "document/AtomicFile.h"
#include "document/Error.h"
#include "document/Occupancy.h"
#include "document/PolishCount.h"
#include "document/Problem.h"
#include "document/RecoveryFolder.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"
#include "document/SaveCheck.h"
#include "editing/RecoveryKeeper.h"
#include "models/DocumentText.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorHandler.h"
#include "ui/Prompter.h"

namespace rylmo::app {

namespace {

const QString kOpenFilter = QStringLiteral("Rozkład jazdy (*.roz)|*.roz|Wszystkie pliki (*.*)|*.*");
const QString kSaveFilter = QStringLiteral("Rozkład jazdy dla Trakovil-a 1.6x|*.roz");

std::string documentPath(const Timetable& document) {
    return document.fileFolder + document.fileName;
}

// What the user does to make a document writable that is not: which window fills or mends
// the part the writer refuses.
QString mendHint(const Problem& problem) {
    const QString section = QString::fromUtf8(sectionTitle(problem.section));
    switch (problem.section) {
        case Section::generalData:
            if (problem.field == fieldOf(GeneralField::startTime)) {
                return QStringLiteral("Popraw „Godzina rozpoczęcia” w oknie Ogólne.");
            }
            if (problem.field == fieldOf(GeneralField::authorInfo)) {
                return QStringLiteral("Popraw „Informacje o autorze” w oknie Ogólne.");
            }
            return QStringLiteral("Uzupełnij „Obraz stacji” w oknie Ogólne.");
        case Section::depotNames:
        case Section::stationNames:
        case Section::trainNames:
            return QStringLiteral("Popraw stronę „") + section + QStringLiteral("” w oknie Nazwy.");
        default:
            return QStringLiteral("Popraw tę pozycję w oknie ") + section + QLatin1Char('.');
    }
}

// The folder (with its trailing separator) and the name of a document file.
std::pair<std::string, std::string> documentFile(const QString& path) {
    const QFileInfo info(path);
    std::string folder = QDir::toNativeSeparators(info.absolutePath()).toStdString();
    if (!folder.ends_with(QDir::separator().toLatin1())) folder += QDir::separator().toLatin1();
    return {folder, info.fileName().toStdString()};
}

}  // namespace

bool DocumentCommands::askToSave() {
    if (!m_session.isModified()) return true;
    const Timetable& document = m_session.document();
    const QString name = document.fileName.empty() ? QStringLiteral("w nowym rozkładzie")
                                                   : QStringLiteral("w dokumencie ") +
                                                         QString::fromStdString(document.fileName);
    const auto answer = ui::prompter().message(
        m_window, QMessageBox::Question,
        QStringLiteral("Zapisać zmiany ") + name + QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) {
        m_recovery.discard();
        return true;
    }
    // Only a save that happened lets the command go on: a cancelled file dialog or a "Nie" to
    // replacing another program's changes keeps the edits, and the window that holds them.
    return saveDocument() == Outcome::done;
}

bool DocumentCommands::writeTo(const QString& path) {
    // The document is named after the file only once the file is written, so that a failed
    // save leaves it named after the file it came from, modified, with its undo history.
    return ui::guarded(m_window, [&] {
        const ui::BusyCursor busy;
        FileStamp stamp;
        saveTimetableFile(m_session.content(), path.toStdString(), &stamp,
                          m_recovery.folder().toStdString());
        const auto [folder, name] = documentFile(path);
        m_session.markSaved(folder, name);
        remember(folder + name, stamp);
    });
}

bool DocumentCommands::canBeWritten() {
    const std::vector<Problem> problems = unsavableParts(m_session.content());
    if (problems.empty()) return true;
    ui::showError(m_window, QStringLiteral("Nie można zapisać rozkładu: ") +
                                QString::fromStdString(problems.front().message) +
                                QStringLiteral(". ") + mendHint(problems.front()));
    return false;
}

DocumentCommands::Outcome DocumentCommands::saveDocument() {
    // Asking for a file name is pointless while the document cannot be written.
    if (!canBeWritten()) return Outcome::failed;
    if (m_session.document().untitled) return saveDocumentAs();
    if (!mayReplaceFileOnDisk(documentPath(m_session.document()))) return Outcome::cancelled;
    return writeTo(QString::fromStdString(documentPath(m_session.document()))) ? Outcome::done
                                                                               : Outcome::failed;
}

DocumentCommands::Outcome DocumentCommands::saveDocumentAs() {
    if (!canBeWritten()) return Outcome::failed;
    const QString path = ui::prompter().saveFileName(m_window, kSaveFilter, QStringLiteral("roz"),
                                                     fileDialogFolder());
    if (path.isEmpty()) return Outcome::cancelled;
    return writeTo(path) ? Outcome::done : Outcome::failed;
}

QString DocumentCommands::fileDialogFolder() const {
    const std::string& folder = m_session.document().fileFolder;
    return folder.empty() ? folderInUse(stationFolderSetting(m_settings))
                          : QString::fromStdString(folder);
}

void DocumentCommands::remember(const std::string& path, const FileStamp& stamp) {
    m_onDisk = stamp;
    m_onDiskPath = path;
    m_answered.reset();
}

bool DocumentCommands::mayReplaceFileOnDisk(const std::string& path) {
    if (!m_onDisk || path != m_onDiskPath || !changedSince(*m_onDisk, path)) return true;
    const FileStamp now = fileStamp(path);
    // Gone: saving makes it again. A folder or a special file: the save refuses it and says
    // so; there is nothing of another program's to keep.
    if (now.kind != PathKind::file && now.kind != PathKind::unreadable) return true;
    const QString name = QString::fromStdString(m_session.document().fileName);
    const QString question =
        now.kind == PathKind::unreadable
            ? QStringLiteral(
                  "Plik %1 został zmieniony przez inny program i nie można go teraz "
                  "odczytać. Zastąpić go zawartością okna?")
            : QStringLiteral(
                  "Plik %1 został zmieniony przez inny program. Zastąpić zmiany "
                  "zapisane przez inny program?");
    return ui::prompter().message(m_window, QMessageBox::Warning, question.arg(name),
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) == QMessageBox::Yes;
}

namespace {

// What the user is told when the document's file became something the window cannot read
// again, and what "Zapisz" will do then.
QString pathChangedText(PathKind kind, const QString& name, const std::string& path) {
    switch (kind) {
        case PathKind::missing:
            return QStringLiteral(
                       "Plik %1 został usunięty lub przeniesiony przez inny program. "
                       "„Zapisz” utworzy go ponownie.")
                .arg(name);
        case PathKind::folder:
            return QStringLiteral(
                       "W miejscu pliku %1 jest teraz folder. „Zapisz” nie zapisze "
                       "rozkładu w tym miejscu; zapisz go pod inną nazwą („Zapisz "
                       "jako...”).")
                .arg(name);
        case PathKind::special:
            return QStringLiteral(
                       "W miejscu pliku %1 jest teraz plik specjalny (np. potok lub "
                       "urządzenie). „Zapisz” nie zapisze rozkładu w tym miejscu; "
                       "zapisz go pod inną nazwą („Zapisz jako...”).")
                .arg(name);
        case PathKind::unreadable:
        case PathKind::file: {
            std::string reason;
            if (std::FILE* file = openForReading(path, &reason)) std::fclose(file);
            return QStringLiteral(
                       "Plik %1 został zmieniony przez inny program i nie można go "
                       "odczytać%2. „Zapisz” zapyta, czy zastąpić go zawartością okna.")
                .arg(name, reason.empty() ? QString()
                                          : QStringLiteral(" (") + QString::fromStdString(reason) +
                                                QStringLiteral(")"));
        }
    }
    return {};
}

}  // namespace

void DocumentCommands::checkFileOnDisk() {
    const Timetable& document = m_session.document();
    const std::string path = documentPath(document);
    if (m_asking || document.untitled || !m_onDisk || path != m_onDiskPath) return;
    if (!changedSince(*m_onDisk, path)) {
        m_answered.reset();
        return;
    }
    const FileStamp now = fileStamp(path);
    if (m_answered == now) return;
    m_answered = now;
    m_asking = true;
    const QString name = QString::fromStdString(document.fileName);
    if (now.kind != PathKind::file) {
        ui::inform(m_window, pathChangedText(now.kind, name, path));
    } else {
        const bool modified = m_session.isModified();
        QString question =
            QStringLiteral("Plik %1 został zmieniony przez inny program. Wczytać go ponownie?")
                .arg(name);
        if (modified) question += QStringLiteral("\nNiezapisane zmiany w oknie zostaną utracone.");
        const auto answer = ui::prompter().message(m_window, QMessageBox::Question, question,
                                                   QMessageBox::Yes | QMessageBox::No,
                                                   modified ? QMessageBox::No : QMessageBox::Yes);
        if (answer == QMessageBox::Yes) openFile(QString::fromStdString(path));
    }
    m_asking = false;
}

// Kept on purpose: "Nowy" keeps every table and only makes the document untitled.
void DocumentCommands::newDocument() {
    m_documentShown();
    m_session.startUntitled();
}

void DocumentCommands::openDocument() {
    if (!askToSave()) return;
    const QString path = ui::prompter().openFileName(m_window, kOpenFilter, fileDialogFolder());
    if (path.isEmpty()) return;
    openFile(path);
}

void DocumentCommands::openFile(const QString& path) {
    ui::guarded(m_window, [&] {
        // Changes to this file that a window left unsaved when it ended come first.
        const auto [folder, name] = documentFile(path);
        for (RecoverySet& set : abandonedRecoveries(m_recovery.folder().toStdString())) {
            RecoveryHeader header;
            try {
                header = set.header();
            } catch (const Error&) {
                continue;  // said at the next start
            }
            if (header.documentPath == folder + name && offer(set) == Offer::restored) return;
        }
        const ui::BusyCursor busy;
        FileStamp stamp;
        TimetableContent content = readTimetableFile(path.toStdString(), &stamp);
        m_session.open(std::move(content), folder, name);
        remember(folder + name, stamp);
        m_documentShown();
    });
}

void DocumentCommands::offerRecoveries() {
    for (RecoverySet& set : abandonedRecoveries(m_recovery.folder().toStdString())) {
        if (offer(set) == Offer::restored) return;
    }
}

DocumentCommands::Offer DocumentCommands::offer(RecoverySet& set) {
    // The question describes the very document that "Przywróć" opens: both come from one
    // reading of the whole file, whatever its index says.
    RecoveryHeader header;
    TimetableContent content;
    try {
        content = set.content(&header);
    } catch (const Error& error) {
        reportUnreadable(set, error.what());
        return Offer::declined;
    }
    const QString when = QDateTime::fromSecsSinceEpoch(header.savedAt)
                             .toLocalTime()
                             .toString(QStringLiteral("d.M.yyyy, HH:mm"));
    const QString what =
        header.documentPath.empty()
            ? QStringLiteral("nowego rozkładu (bez nazwy)")
            : QStringLiteral("pliku ") +
                  QFileInfo(QString::fromStdString(header.documentPath)).fileName();
    const QString question =
        QStringLiteral("Znaleziono niezapisane zmiany %1 z %2 (%3). Przywrócić je?")
            .arg(what, when,
                 QString::fromStdString(polishCount(header.changes, "zmiana", "zmiany", "zmian")));
    const auto answer = ui::prompter().choice(m_window, QMessageBox::Question, question,
                                              {{QMessageBox::Yes, QStringLiteral("Przywróć")},
                                               {QMessageBox::No, QStringLiteral("Odrzuć")},
                                               {QMessageBox::Cancel, QStringLiteral("Później")}},
                                              QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        restore(std::move(set), std::move(content), header);
        return Offer::restored;
    }
    if (answer == QMessageBox::No) set.remove();
    return Offer::declined;
}

void DocumentCommands::restore(RecoverySet set, TimetableContent content,
                               const RecoveryHeader& header) {
    const bool untitled = header.documentPath.empty();
    const auto [folder, name] = untitled
                                    ? std::pair<std::string, std::string>()
                                    : documentFile(QString::fromStdString(header.documentPath));
    m_session.openRecovered(std::move(content), folder, name, untitled);
    m_recovery.adopt(std::move(set), header.changes);
    // Nothing is written to the file until the user saves; what it holds now is what a save
    // would replace without asking.
    if (untitled) {
        m_onDisk.reset();
    } else {
        remember(folder + name, fileStamp(folder + name));
    }
    m_documentShown();
}

void DocumentCommands::reportUnreadable(RecoverySet& set, const std::string& reason) {
    const QString question =
        QStringLiteral("Nie można odczytać pliku odzysku %1: %2. Nie został otwarty. Usunąć go?")
            .arg(QDir::toNativeSeparators(QString::fromStdString(set.documentFile())),
                 QString::fromStdString(reason));
    if (ui::prompter().message(m_window, QMessageBox::Warning, question,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes) {
        set.remove();
    }
}

DocumentCommands::DocumentCommands(editing::EditingSession& session,
                                   editing::RecoveryKeeper& recovery, ProfileFile& settings,
                                   QWidget* window, std::function<void()> documentShown)
    : m_session(session),
      m_recovery(recovery),
      m_settings(settings),
      m_window(window),
      m_documentShown(std::move(documentShown)) {}

}  // namespace rylmo::app
