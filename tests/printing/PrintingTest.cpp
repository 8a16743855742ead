#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "WindowFixture.h"
#include "app/CommandLineExport.h"
#include "document/RozWriter.h"
#include "document/TimetableSheets.h"
#include "printing/ExportDialog.h"
#include "printing/PrintCommands.h"
#include "render/SheetPages.h"
#include "render/SheetPdf.h"
#include "ui/RylmoApplication.h"

using namespace rylmo;
using namespace rylmo::printing;
using namespace rylmo::render;
using test::child;
using test::qpath;

namespace {

// A sheet of rows rows, one row per minute from 5:00, as a board or as the dispatcher's sheet.
Sheet numberedSheet(std::size_t rows, bool board, const std::string& destination = "Kraków") {
    Sheet sheet;
    sheet.kind = board ? "Odjazdy" : "Wykaz dla dyżurnego";
    sheet.station = "Wola";
    sheet.window = "4:00–3:59";
    sheet.hourBands = board;
    sheet.legend = board ? "" : "! – uwagi";
    sheet.columns = {{"Odjazd", 6}, {"Pociąg", 16}, {"Do stacji", 14}, {"Peron", 5}};
    for (std::size_t k = 0; k < rows; ++k) {
        const auto minute = static_cast<int32_t>(300 + k % 1000);
        sheet.rows.push_back({k, minute, {"5:00", "Os " + std::to_string(k), destination, "1"}});
    }
    return sheet;
}

std::size_t pdfPages(const QByteArray& pdf) {
    std::size_t pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1)) {
        if (pdf.mid(at, 12) != "/Type /Pages") ++pages;
    }
    return pages;
}

// A driver for the export dialog: the sheet, the destination, then OK.
std::function<void(QDialog&)> choose(int sheet, const char* destination) {
    return [sheet, destination](QDialog& dialog) {
        child<QComboBox>(dialog, "sheetKind")->setCurrentIndex(sheet);
        child<QRadioButton>(dialog, destination)->setChecked(true);
        child<QPushButton>(dialog, "ok")->click();
    };
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    // Rows of one height fill each block, then the next block, then the next page: exactly a
    // page full is one page, one row more is two; every row lies below the header and above
    // the legend, inside its page, and no two rows meet. A board stands in two blocks on an
    // upright A4 page, the sheet in one across a page on its side.
    void rowsFillPagesWithoutBreaking() {
        for (const bool board : {true, false}) {
            const Sheet probe = numberedSheet(2000, board);
            QBuffer buffer;
            QPdfWriter writer(&buffer);
            writer.setResolution(300);
            setUpPage(writer, probe);
            const SheetPages full(probe, writer);
            QCOMPARE(SheetPages(numberedSheet(0, board), writer).pageCount(), 1);
            QCOMPARE(full.blocksPerPage(), board ? 2 : 1);
            const auto perPage = static_cast<std::size_t>(full.rowsPerPage());
            QVERIFY(perPage > 30);
            QCOMPARE(SheetPages(numberedSheet(perPage, board), writer).pageCount(), 1);
            const Sheet sheet = numberedSheet(perPage + 1, board);
            const SheetPages pages(sheet, writer);
            QCOMPARE(pages.pageCount(), 2);
            QCOMPARE(pages.pageOf(perPage - 1), 0);
            QCOMPARE(pages.pageOf(perPage), 1);
            const QRectF page = pages.pageArea();
            const QRectF body = pages.bodyArea();
            for (std::size_t row = 0; row <= perPage; ++row) {
                const QRectF rect = pages.rowRect(row);
                QVERIFY(page.contains(rect));
                QVERIFY(rect.top() >= body.top() && rect.bottom() <= body.bottom());
                if (row > 0 && pages.pageOf(row) == pages.pageOf(row - 1))
                    QVERIFY(!rect.intersects(pages.rowRect(row - 1)));
            }
            const std::vector<double>& edges = pages.columnEdges();
            QCOMPARE(edges.size(), sheet.columns.size() + 1);
            QVERIFY(std::is_sorted(edges.begin(), edges.end()));
            QVERIFY(edges.back() <= page.width() / pages.blocksPerPage() + 1);
            // The PDF has as many pages, the page's header naming each.
            QCOMPARE(pdfPages(sheetPdf(sheet)), std::size_t(2));
        }
        QCOMPARE(SheetPages::pageNumberText(1, 5), QStringLiteral("strona 2 z 5"));

        // A text too long for its column ends before the next column begins.
        QImage page(827, 1169, QImage::Format_RGB32);  // A4 at 100 dots an inch
        page.setDotsPerMeterX(3937);
        page.setDotsPerMeterY(3937);
        page.fill(Qt::white);
        const Sheet sheet = numberedSheet(10, true, std::string(200, 'W'));
        const SheetPages pages(sheet, page);
        {
            QPainter painter(&page);
            pages.paintPage(painter, 0);
        }
        const int nextColumn = static_cast<int>(pages.columnEdges()[3]);
        for (std::size_t row = 0; row < 10; ++row) {
            const QRect line = pages.rowRect(row).toRect();
            for (int y = line.top() + 1; y < line.bottom(); ++y) {
                for (int x = nextColumn - 2; x < nextColumn; ++x)
                    QCOMPARE(page.pixelColor(x, y), QColor(Qt::white));
            }
        }
    }

    // A board lays its columns out by what they hold: a long train name stays whole while the
    // other columns have room to give, and a board whose rows fill one block takes the
    // page's width for it rather than leave a second block empty; a full board still stands
    // in two blocks.
    void boardsUseThePageForWhatTheyHold() {
        Sheet board = numberedSheet(12, true);
        for (SheetRow& row : board.rows) row.cells[1] = "Pośp 18101 Jaskółka Tatrzańska";
        QBuffer buffer;
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        setUpPage(writer, board);
        const SheetPages pages(board, writer);
        QCOMPARE(pages.blocksPerPage(), 1);
        const QFontMetricsF metrics(pages.font(), &writer);
        const double pad = metrics.averageCharWidth() * 0.6;
        const std::vector<double>& edges = pages.columnEdges();
        for (const SheetRow& row : board.rows) {
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                const QString cell = QString::fromStdString(row.cells[c]);
                QCOMPARE(
                    metrics.elidedText(cell, Qt::ElideRight, edges[c + 1] - edges[c] - 2 * pad),
                    cell);
            }
        }
        // The same names over many rows: two blocks when the names fit in half the page.
        Sheet many = numberedSheet(2000, true);
        for (SheetRow& row : many.rows) row.cells[1] = "Pośp 18101 Jaskółka";
        const SheetPages two(many, writer);
        QCOMPARE(two.blocksPerPage(), 2);
        const double nameWidth = two.columnEdges()[2] - two.columnEdges()[1] - 2 * pad;
        QCOMPARE(
            metrics.elidedText(QStringLiteral("Pośp 18101 Jaskółka"), Qt::ElideRight, nameWidth),
            QStringLiteral("Pośp 18101 Jaskółka"));
    }

    // A long PDF stops when told, writing nothing; every page is reported on the way.
    void aLongPdfCanBeStopped() {
        const Sheet sheet = numberedSheet(2000, false);
        std::vector<int> seen;
        const QByteArray stopped = sheetPdf(sheet, [&](int done, int pages) {
            seen.push_back(done);
            return done < 2 && pages > 2;
        });
        QVERIFY(stopped.isEmpty());
        QCOMPARE(seen, (std::vector<int>{1, 2}));
        int last = 0;
        QVERIFY(!sheetPdf(sheet, [&](int done, int) { return (last = done) > 0; }).isEmpty());
        QBuffer buffer;
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        setUpPage(writer, sheet);
        QCOMPARE(last, SheetPages(sheet, writer).pageCount());
    }

    // The boards start with passenger trains, the sheet and the list with all; the chart has no
    // filters and goes to the printer or a PDF only; the time edits follow "cała doba"; without
    // a group nothing can be exported; "tylko zaznaczone" needs a selection.
    void theDialogOffersWhatEachSheetTakes() {
        ExportDialog dialog(false, 240, {2, 0});
        auto* kind = child<QComboBox>(dialog, "sheetKind");
        auto* goods = child<QCheckBox>(dialog, "goodsTrains");
        auto* wholeDay = child<QCheckBox>(dialog, "wholeDay");
        auto* ok = child<QPushButton>(dialog, "ok");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Eksportuj"));
        QCOMPARE(wholeDay->text(), QStringLiteral("cała &doba od 4:00"));
        QCOMPARE(kind->count(), 5);
        QVERIFY(child<QRadioButton>(dialog, "toPdf")->isChecked());
        QVERIFY(child<QCheckBox>(dialog, "passengerTrains")->isChecked() && !goods->isChecked());
        QCOMPARE(child<QTimeEdit>(dialog, "toTime")->time(), QTime(3, 59));
        QVERIFY(!child<QTimeEdit>(dialog, "fromTime")->isEnabled());
        ExportChoice choice = dialog.choice();
        QVERIFY(choice.filter.passengers && !choice.filter.goods && !choice.filter.service);
        QVERIFY(!choice.filter.window.from && !choice.filter.window.to &&
                choice.filter.only.empty());

        kind->setCurrentIndex(2);
        QVERIFY(goods->isChecked() && child<QCheckBox>(dialog, "serviceTrains")->isChecked());
        wholeDay->setChecked(false);
        QVERIFY(child<QTimeEdit>(dialog, "fromTime")->isEnabled());
        child<QTimeEdit>(dialog, "fromTime")->setTime(QTime(22, 0));
        child<QTimeEdit>(dialog, "toTime")->setTime(QTime(2, 0));
        child<QCheckBox>(dialog, "selectedOnly")->setChecked(true);
        child<QRadioButton>(dialog, "toCsv")->setChecked(true);
        choice = dialog.choice();
        QCOMPARE(choice.what, SheetChoice::dispatcherSheet);
        QCOMPARE(choice.where, Destination::csv);
        QCOMPARE(choice.filter.window.from, std::optional<int32_t>(1320));
        QCOMPARE(choice.filter.window.to, std::optional<int32_t>(120));
        QCOMPARE(choice.filter.only, (std::vector<std::size_t>{2, 0}));

        kind->setCurrentIndex(3);  // the chart: back to a PDF
        QVERIFY(child<QRadioButton>(dialog, "toPdf")->isChecked());
        QVERIFY(!child<QRadioButton>(dialog, "toCsv")->isEnabled() && !goods->isEnabled());
        QVERIFY(ok->isEnabled());
        kind->setCurrentIndex(0);
        child<QCheckBox>(dialog, "passengerTrains")->setChecked(false);
        QVERIFY(!ok->isEnabled());
        goods->setChecked(true);
        QVERIFY(ok->isEnabled());
        child<QRadioButton>(dialog, "toPrinter")->setChecked(true);
        QCOMPARE(ok->text(), QStringLiteral("Drukuj..."));

        ExportDialog none(true, 0, {});
        QCOMPARE(none.windowTitle(), QStringLiteral("Drukuj"));
        QVERIFY(child<QRadioButton>(none, "toPrinter")->isChecked());
        QVERIFY(!child<QCheckBox>(none, "selectedOnly")->isEnabled());
        // A day from 0:00 ends at 23:59; unticking "cała doba" keeps the whole day.
        QCOMPARE(child<QTimeEdit>(none, "fromTime")->time(), QTime(0, 0));
        QCOMPARE(child<QTimeEdit>(none, "toTime")->time(), QTime(23, 59));
        child<QCheckBox>(none, "wholeDay")->setChecked(false);
        const SheetFilter day = none.choice().filter;
        QCOMPARE(day.window.from, std::optional<int32_t>(0));
        QCOMPARE(day.window.to, std::optional<int32_t>(23 * 60 + 59));
        TimetableContent c = test::listContent();
        c.startTime = "0";
        c.trains[0].departureTime = 0;
        c.trains[1].departureTime = 2359;
        c.trains[2].departureTime = 1200;
        QCOMPARE(departureBoard(c, day).rows.size(), std::size_t(3));
    }

    // From the main window: each export written where the file dialog says, the chart as one
    // page of PDF or a PNG picture, and "Drukuj..." (Ctrl+P) showing the print preview.
    void theMainWindowPrintsAndExports() {
        test::WindowFixture f;
        QAction* exportSheets = f.window.findChild<QAction*>(QStringLiteral("exportSheets"));
        QAction* print = f.window.findChild<QAction*>(QStringLiteral("print"));
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(exportSheets->isEnabled() && print->isEnabled());

        f.prompter.dialogs.push_back(choose(2, "toCsv"));
        f.prompter.fileNames.push_back(qpath(f.folder / "wykaz.csv"));
        exportSheets->trigger();
        QCOMPARE(f.prompter.fileDialogs.back(), QStringLiteral("save|Plik CSV (*.csv)|*.csv|csv"));
        const std::string csv = test::readBytes(f.folder / "wykaz.csv");
        QVERIFY(csv.starts_with("\xEF\xBB\xBFPrzyj.;Odj.;Pociąg;"));
        QCOMPARE(std::count(csv.begin(), csv.end(), '\n'), 4);  // headers and three trains
        QVERIFY(csv.find("\r\n7:05;7:10;100/1234;zatrzymuje się;1;Lublin → Wola;;;\r\n9:30") !=
                std::string::npos);

        f.prompter.dialogs.push_back(choose(4, "toHtml"));
        f.prompter.fileNames.push_back(qpath(f.folder / "lista.html"));
        exportSheets->trigger();
        QVERIFY(test::readBytes(f.folder / "lista.html").find("<td>Łódź</td>") !=
                std::string::npos);

        for (const char* name : {"dzien.pdf", "dzien.png"}) {
            f.prompter.dialogs.push_back(choose(3, "toPdf"));
            f.prompter.fileNames.push_back(qpath(f.folder / name));
            exportSheets->trigger();
            const std::string bytes = test::readBytes(f.folder / name);
            const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
            if (std::string(name).ends_with(".pdf")) {
                QCOMPARE(pdfPages(data), std::size_t(1));
            } else {
                const QImage image = QImage::fromData(data, "PNG");
                QVERIFY(image.width() > image.height() && image.width() >= 1700);
            }
        }

        // A cancelled dialog or file name writes nothing.
        const auto files = [&] {
            return std::distance(std::filesystem::directory_iterator(f.folder.path()), {});
        };
        const auto written = files();
        f.prompter.dialogs.push_back([](QDialog& dialog) { dialog.reject(); });
        exportSheets->trigger();
        f.prompter.dialogs.push_back(choose(0, "toPdf"));
        f.prompter.fileNames.push_back({});
        exportSheets->trigger();
        QCOMPARE(files(), written);

        int previewPages = 0;
        f.prompter.dialogs.push_back(choose(0, "toPrinter"));
        f.prompter.dialogs.push_back([&](QDialog& preview) {
            auto* widget = preview.findChild<QPrintPreviewWidget*>();
            widget->updatePreview();
            previewPages = widget->pageCount();
        });
        print->trigger();
        QCOMPARE(f.prompter.dialogTitles.back(), QStringLiteral("Podgląd wydruku"));
        QCOMPARE(previewPages, 1);
    }

    // A PDF of more than 3000 trains shows its progress; "Anuluj" stops it and writes nothing.
    // Up to 3000 it is written without.
    void aLargeExportShowsProgressAndCanBeCancelled() {
        test::WindowFixture f;
        for (const std::size_t trains : {std::size_t(3000), std::size_t(3001)}) {
            TimetableContent c = test::listContent();
            c.trains.resize(trains, c.trains.front());
            f.window.session().open(c, "/tmp/", "a.roz");
            const std::filesystem::path file =
                f.folder / ("duzy" + std::to_string(trains) + ".pdf");
            f.prompter.dialogs.push_back(choose(2, "toPdf"));
            f.prompter.fileNames.push_back(qpath(file));
            bool progressShown = false;
            QTimer::singleShot(0, [&] {
                if (auto* progress =
                        f.window.findChild<QProgressDialog*>(QStringLiteral("exportProgress"))) {
                    progressShown = true;
                    QCOMPARE(progress->findChild<QPushButton*>()->text(), QStringLiteral("Anuluj"));
                    progress->cancel();
                }
            });
            f.window.findChild<QAction*>(QStringLiteral("exportSheets"))->trigger();
            QCoreApplication::processEvents();  // the check runs here when no progress ran it
            QCOMPARE(progressShown, trains > 3000);
            QCOMPARE(std::filesystem::exists(file), trains <= 3000);
        }
    }

    // rylmo --export: 0 when written, 1 for a file it cannot read or write, 2 for arguments it
    // does not take (each limit of a time and one past it).
    void theCommandLineExports() {
        test::TempFolder folder;
        const std::string station = (folder / "a.roz").string();
        saveTimetableFile(test::listContent(), station);
        const auto run = [&](QStringList tail) {
            return app::runExportCommand(
                QStringList{QStringLiteral("rylmo"), QStringLiteral("--export")} + tail);
        };
        const QString roz = QString::fromStdString(station);
        const QString out = qpath(folder / "o.csv");
        QCOMPARE(run({QStringLiteral("wykaz"), roz, out}), 0);
        QVERIFY(test::readBytes(folder / "o.csv").starts_with("\xEF\xBB\xBFPrzyj."));
        QCOMPARE(run({QStringLiteral("odjazdy"), roz, out, QStringLiteral("--od"),
                      QStringLiteral("0:00"), QStringLiteral("--do"), QStringLiteral("23:59"),
                      QStringLiteral("--kategorie"), QStringLiteral("towarowe,sluzbowe")}),
                 0);
        // Goods trains alone: the passenger trains are not on the board.
        TimetableContent mixed = test::listContent();
        mixed.trains[1].departureCategory = 0;  // "Tow"
        mixed.trains[1].departureNumber = 777;
        saveTimetableFile(mixed, (folder / "m.roz").string());
        QCOMPARE(run({QStringLiteral("odjazdy"), qpath(folder / "m.roz"), out,
                      QStringLiteral("--kategorie"), QStringLiteral("towarowe")}),
                 0);
        const std::string goodsOnly = test::readBytes(folder / "o.csv");
        QCOMPARE(std::count(goodsOnly.begin(), goodsOnly.end(), '\n'), 2);  // header and 777
        QVERIFY(goodsOnly.find("Tow 777") != std::string::npos);
        QCOMPARE(run({QStringLiteral("odjazdy"), qpath(folder / "m.roz"), out,
                      QStringLiteral("--kategorie"), QStringLiteral("pasazerskie")}),
                 0);
        QVERIFY(test::readBytes(folder / "o.csv").find("777") == std::string::npos);
        QCOMPARE(run({QStringLiteral("wykres"), roz, qpath(folder / "w.png")}), 0);
        QCOMPARE(run({QStringLiteral("lista"), roz, qpath(folder / "l.pdf")}), 0);
        QVERIFY(test::readBytes(folder / "l.pdf").starts_with("%PDF"));

        for (const QStringList& wrong :
             {QStringList{QStringLiteral("wykaz"), roz},
              {QStringLiteral("rozklad"), roz, out},
              {QStringLiteral("wykaz"), roz, qpath(folder / "o.txt")},
              {QStringLiteral("wykres"), roz, out},
              {QStringLiteral("wykaz"), roz, out, QStringLiteral("--od"), QStringLiteral("24:00")},
              {QStringLiteral("wykaz"), roz, out, QStringLiteral("--do"), QStringLiteral("7:60")},
              {QStringLiteral("wykaz"), roz, out, QStringLiteral("--od"), QStringLiteral("7")},
              {QStringLiteral("wykaz"), roz, out, QStringLiteral("--od")},
              {QStringLiteral("wykaz"), roz, out, QStringLiteral("--kategorie"),
               QStringLiteral("osobowe")},
              {QStringLiteral("wykaz"), roz, out, QStringLiteral("--strony"), QStringLiteral("1")}})
            QCOMPARE(run(wrong), 2);
        QCOMPARE(run({QStringLiteral("wykaz"), roz, out, QStringLiteral("--od"),
                      QStringLiteral("23:59"), QStringLiteral("--do"), QStringLiteral("00:00")}),
                 0);
        QCOMPARE(run({QStringLiteral("wykaz"), qpath(folder / "brak.roz"), out}), 1);
        QCOMPARE(run({QStringLiteral("wykaz"), roz, qpath(folder / "brak" / "o.csv")}), 1);
    }
};

int main(int argc, char** argv) {
    return test::runSuites<ui::RylmoApplication>(argc, argv, {test::suite<PrintingTest>()});
}

#include "PrintingTest.moc"
