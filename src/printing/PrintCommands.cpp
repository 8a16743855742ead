#include "printing/PrintCommands.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>

#include "document/AtomicFile.h"
#include "document/Occupancy.h"
#include "editing/EditingSession.h"
#include "printing/SheetFiles.h"
#include "render/Exports.h"
#include "render/SheetPages.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorHandler.h"
#include "ui/Prompter.h"

namespace rylmo::printing {

namespace {

// A PDF of a timetable of more trains than this shows its progress.
constexpr std::size_t trainsWithoutProgress = 3000;

QString fileFilter(Destination where, bool chart) {
    switch (where) {
        case Destination::html:
            return QStringLiteral("Strona HTML (*.html)|*.html");
        case Destination::csv:
            return QStringLiteral("Plik CSV (*.csv)|*.csv");
        case Destination::printer:
        case Destination::pdf:
            break;
    }
    return chart ? QStringLiteral("Dokument PDF (*.pdf)|*.pdf|Obraz PNG (*.png)|*.png")
                 : QStringLiteral("Dokument PDF (*.pdf)|*.pdf");
}

QString suffixOf(Destination where) {
    return where == Destination::html  ? QStringLiteral("html")
           : where == Destination::csv ? QStringLiteral("csv")
                                       : QStringLiteral("pdf");
}

void preview(const TimetableContent& content, const ExportChoice& choice,
             const ExportSources& sources, QWidget* window) {
    QPrinter printer(QPrinter::HighResolution);
    const bool chart = choice.what == SheetChoice::platformChart;
    const Sheet sheet = chart ? render::chartHeader(content, sources)
                              : render::sheetFor(content, choice.what, choice.filter, sources);
    setUpPrinter(printer, sheet);
    QPrintPreviewDialog dialog(&printer, window);
    dialog.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    // A page of text is read at the size of the screen, not of a small dialog.
    if (const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen())
        dialog.resize(screen->availableSize() * 0.8);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        if (chart) {
            render::paintChartPage(content, sources, *target);
        } else {
            render::paintSheet(sheet, *target);
        }
    });
    ui::prompter().exec(dialog);
}

}  // namespace

void printOrExport(editing::EditingSession& session, QWidget* window, bool printing,
                   std::vector<std::size_t> selected, const ExportSources& sources,
                   const QString& folder) {
    const TimetableContent& content = session.content();
    ExportDialog dialog(printing, dayStartMinutes(content.startTime).value_or(0),
                        std::move(selected), window);
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    const ExportChoice choice = dialog.choice();
    ui::guarded(window, [&] {
        if (choice.where == Destination::printer) {
            const ui::BusyCursor busy;
            preview(content, choice, sources, window);
            return;
        }
        const bool chart = choice.what == SheetChoice::platformChart;
        const QString path = ui::prompter().saveFileName(window, fileFilter(choice.where, chart),
                                                         suffixOf(choice.where), folder);
        if (path.isEmpty()) return;
        const bool png = chart && path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
        std::unique_ptr<QProgressDialog> progress;
        const auto keepGoing = [&](int done, int pages) {
            if (!progress) {
                progress =
                    std::make_unique<QProgressDialog>(QStringLiteral("Zapisywanie pliku PDF..."),
                                                      QStringLiteral("Anuluj"), 0, pages, window);
                progress->setObjectName(QStringLiteral("exportProgress"));
                progress->setWindowTitle(QStringLiteral("Rylmo"));
                progress->setWindowModality(Qt::WindowModal);
                progress->setMinimumDuration(0);
            }
            progress->setValue(done);
            return !progress->wasCanceled();
        };
        const bool large = !chart && choice.where == Destination::pdf &&
                           content.trains.size() > trainsWithoutProgress;
        QByteArray bytes;
        {
            const ui::BusyCursor busy;
            bytes = large ? render::exportBytes(content, choice, sources, png, keepGoing)
                          : render::exportBytes(content, choice, sources, png);
        }
        if (bytes.isEmpty()) return;  // stopped with "Anuluj": nothing is written
        AtomicFile file(path.toStdString());
        file.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        file.commit();
    });
}

}  // namespace rylmo::printing
