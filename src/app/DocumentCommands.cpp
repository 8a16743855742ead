// The main window's document commands: new, open, save, save as, and the question about
// unsaved changes that opening, "Nowy" and closing ask.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

#include "app/FolderSettings.h"
#include "app/MainWindow.h"
#include "document/AtomicFile.h"
#include "document/Occupancy.h"
#include "document/Problem.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"
#include "document/SaveCheck.h"
#include "models/DocumentText.h"
#include "trains/ChartExport.h"
#include "trains/PlatformChart.h"
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

bool MainWindow::askToSave(bool continueWhenSaveCancelled) {
    if (!m_session.isModified()) return true;
    const auto answer = ui::prompter().message(
        this, QMessageBox::Question,
        QStringLiteral("Zapisać zmiany w dokumencie ") +
            QString::fromStdString(m_session.document().fileName) + QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    switch (save()) {
        case Outcome::done:
            return true;
        case Outcome::cancelled:
            return continueWhenSaveCancelled;
        case Outcome::failed:
            return false;
    }
    return false;
}

bool MainWindow::writeTo(const QString& path) {
    // The document is named after the file only once the file is written, so that a failed
    // save leaves it named after the file it came from, modified, with its undo history.
    return ui::guarded(this, [&] {
        const ui::BusyCursor busy;
        saveTimetableFile(m_session.content(), path.toStdString());
        const auto [folder, name] = documentFile(path);
        m_session.markSaved(folder, name);
    });
}

bool MainWindow::canBeWritten() {
    const std::vector<Problem> problems = unsavableParts(m_session.content());
    if (problems.empty()) return true;
    ui::showError(this, QStringLiteral("Nie można zapisać rozkładu: ") +
                            QString::fromStdString(problems.front().message) +
                            QStringLiteral(". ") + mendHint(problems.front()));
    return false;
}

MainWindow::Outcome MainWindow::save() {
    // Asking for a file name is pointless while the document cannot be written.
    if (!canBeWritten()) return Outcome::failed;
    if (m_session.document().untitled) return saveAs();
    return writeTo(QString::fromStdString(documentPath(m_session.document()))) ? Outcome::done
                                                                               : Outcome::failed;
}

MainWindow::Outcome MainWindow::saveAs() {
    if (!canBeWritten()) return Outcome::failed;
    const QString path =
        ui::prompter().saveFileName(this, kSaveFilter, QStringLiteral("roz"), fileDialogFolder());
    if (path.isEmpty()) return Outcome::cancelled;
    return writeTo(path) ? Outcome::done : Outcome::failed;
}

void MainWindow::exportChart() {
    const QString path = ui::prompter().saveFileName(
        this, QStringLiteral("Dokument PDF (*.pdf)|*.pdf|Obraz PNG (*.png)|*.png"),
        QStringLiteral("pdf"), fileDialogFolder());
    if (path.isEmpty()) return;
    const TimetableContent& content = m_session.content();
    const DwellTimes dwell = m_chart->dwellTimes();
    const QString title =
        QStringLiteral(
            "%1 – %2 – zajętość peronów; postój po przyjeździe %3 min, przed odjazdem "
            "%4 min")
            .arg(content.stationNames.empty() ? QStringLiteral("(bez nazwy)")
                                              : models::toQString(content.stationNames.front()),
                 QString::fromStdString(m_session.document().fileName))
            .arg(dwell.afterArrival)
            .arg(dwell.beforeDeparture);
    ui::guarded(this, [&] {
        const ui::BusyCursor busy;
        const QByteArray bytes = trains::chartPicture(
            content, m_chart->layout(), m_chart->marks(), m_chart->palette(),
            !path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive), title);
        AtomicFile file(path.toStdString());
        file.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        file.commit();
    });
}

// The open and save dialogs start where the timetable is, else in the station folder.
QString MainWindow::fileDialogFolder() const {
    const std::string& folder = m_session.document().fileFolder;
    return folder.empty() ? folderInUse(stationFolderSetting(m_settings))
                          : QString::fromStdString(folder);
}

// Kept on purpose: "Nowy" keeps every table and only makes the document untitled.
void MainWindow::newDocument() {
    showTrainList();
    m_session.startUntitled();
}

void MainWindow::openDocument() {
    if (!askToSave(true)) return;
    const QString path = ui::prompter().openFileName(this, kOpenFilter, fileDialogFolder());
    if (path.isEmpty()) return;
    openFile(path);
}

void MainWindow::openFile(const QString& path) {
    ui::guarded(this, [&] {
        const ui::BusyCursor busy;
        TimetableContent content = readTimetableFile(path.toStdString());
        const auto [folder, name] = documentFile(path);
        m_session.open(std::move(content), folder, name);
        showTrainList();
        refreshStates();
    });
}

void MainWindow::saveDocument() {
    save();
}

void MainWindow::saveDocumentAs() {
    saveAs();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing asks about unsaved changes; a save that is cancelled or fails keeps the window.
    if (askToSave(false)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace rylmo::app
