#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "app/MainWindow.h"
#include "models/DocumentText.h"
#include "texts/GeneralData.h"
#include "texts/NamePages.h"
#include "texts/NamesDialog.h"
#include "ui/Controls.h"
#include "ui/RylmoApplication.h"

using namespace rylmo;
using namespace rylmo::texts;

namespace {

using test::child;

// Replaces an edit's text as typing does (setPlainText would not count as a change).
// A page of the names dialog as the user sees it: its tab chosen first.
QPlainTextEdit* namePage(QDialog& dialog, const char* name) {
    auto* edit = child<QPlainTextEdit>(dialog, name);
    child<QTabWidget>(dialog, "pages")->setCurrentWidget(edit);
    return edit;
}

void retype(QPlainTextEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insertPlainText(text);
}

TimetableContent stationTexts() {
    TimetableContent c;
    c.stationPicture = "Zielonka";
    c.startTime = "2359";
    c.authorInfo = "Jan\xa0Kowalski\r\n\r\njan@example.org";  // non-breaking spaces survive edits
    c.depotNames = {"Lokomotywownia", "Parowozownia"};
    c.stationNames = {"Zielonka", "Borowiec", "Stare\xa0Sady"};
    c.trainNames = {"Jaskolka"};
    return c;
}

// The main window editing stationTexts(), with the station folder set in its settings.
struct Fixture {
    test::TempFolder folder;
    test::ScriptedPrompter prompter;
    app::MainWindow window{QString::fromStdString((folder / "Rylmo.ini").string())};

    Fixture() {
        window.settings().writeString("Program", "Stacje", "/gra/stacje/");
        window.session().open(stationTexts(), "/tmp/", "a.roz");
        window.newDocument();
    }
    const TimetableContent& content() { return window.session().content(); }
    void run(const char* command, std::function<void(QDialog&)> driver) {
        prompter.dialogs.push_back(std::move(driver));
        window.findChild<QAction*>(QString::fromLatin1(command))->trigger();
    }
};

}  // namespace

class TextsTest : public QObject {
    Q_OBJECT
private slots:
    void pageTextBecomesNames() {
        const auto names = namesOfPage(QStringLiteral("  Zielonka \t\nŁódź Kaliska\n\n \n"),
                                       QStringLiteral("Stacje"));
        QCOMPARE(std::get<std::vector<std::string>>(names),
                 (std::vector<std::string>{"Zielonka", "\xa3\xf3\x64\x9f Kaliska"}));
        QVERIFY(std::get<std::vector<std::string>>(namesOfPage(QString(), QStringLiteral("Stacje")))
                    .empty());

        const auto gap = std::get<PageRefusal>(
            namesOfPage(QStringLiteral("A\n  \nB"), QStringLiteral("Stacje")));
        QCOMPARE(gap.line, 2);
        QCOMPARE(gap.message, QStringLiteral("Pusta nazwa w wierszu 2 na stronie „Stacje”."));
        const auto cyrillic = std::get<PageRefusal>(
            namesOfPage(QStringLiteral("A\nB\nМосква"), QStringLiteral("Nazwy pociągów")));
        QCOMPARE(cyrillic.line, 3);
        QCOMPARE(cyrillic.message,
                 QStringLiteral("Znak „М” nie może być zapisany w pliku rozkładu: "
                                "wiersz 3 na stronie „Nazwy pociągów”."));
    }

    void startTimeSplitsAndJoins() {
        QCOMPARE(startTimeOf("2359").hour, 23);
        QCOMPARE(startTimeOf("2359").minute, 59);
        QCOMPARE(startTimeOf("705").hour, 7);
        QCOMPARE(startTimeOf("975").minute, 59);  // kept within the spin's range
        QCOMPARE(startTimeOf("7:05").hour, 0);    // not a number: 0 : 00
        QCOMPARE(startTimeOf("7:05").minute, 0);
        QCOMPARE(startTimeText({7, 5}), std::string("705"));
        QCOMPARE(startTimeText({0, 0}), std::string("0"));
    }

    void generalDataRefusesWhatTheWriterWould() {
        QCOMPARE(stationPictureRefusal({}), QStringLiteral("Podaj nazwę pliku stacji."));
        QCOMPARE(stationPictureRefusal(QStringLiteral("a\nb")),
                 QStringLiteral("Tekst nie może zawierać końca wiersza."));
        QVERIFY(stationPictureRefusal(QStringLiteral("Zielonka\u00a0Góra")).isEmpty());
        QCOMPARE(stationNameRefusal({}, true), QStringLiteral("Nazwa stacji nie może być pusta."));
        QVERIFY(stationNameRefusal({}, false).isEmpty());  // adds no name at all
        QVERIFY(!stationNameRefusal(QStringLiteral("Киев"), false).isEmpty());
    }

    // A long page shows its first names at once and the rest as the dialog waits; it can be
    // edited once whole, and a store meanwhile leaves its list alone.
    void longPagesFillAPartAtATime() {
        TimetableContent c;
        c.stationNames.assign(45000, "Stacja");
        c.stationNames.back() = "Ostatnia";
        NamesDialog dialog(c);
        QPlainTextEdit* stations = namePage(dialog, "stationNames");
        QVERIFY(stations->isReadOnly());
        QVERIFY(stations->document()->blockCount() < 45000);
        QTRY_COMPARE(stations->document()->blockCount(), 45000);
        QVERIFY(!stations->isReadOnly());
        QVERIFY(!stations->document()->isModified());
        QCOMPARE(stations->document()->lastBlock().text(), QStringLiteral("Ostatnia"));

        stations->appendPlainText(QStringLiteral("Nowa"));
        dialog.storeAndClose();
        QCOMPARE(dialog.changedLists().at(0).second.size(), std::size_t(45001));

        NamesDialog early(c);
        namePage(early, "stationNames");
        early.storeAndClose();
        QVERIFY(early.changedLists().empty());

        // A name exactly as long as a page can edit stays editable and whole.
        c.stationNames = {"Zielonka", std::string(longestEditableName, 'x')};
        NamesDialog whole(c);
        QVERIFY(!namePage(whole, "stationNames")->isReadOnly());
        QCOMPARE(namePage(whole, "stationNames")->document()->lastBlock().text().size(),
                 qsizetype(longestEditableName));

        // A name too long to lay out is shown cut, on a page that can only be looked at and
        // that a store leaves alone; the other pages stay editable.
        c.stationNames = {"Zielonka", std::string(longestEditableName + 1, 'x')};
        NamesDialog cut(c);
        stations = namePage(cut, "stationNames");
        QVERIFY(stations->isReadOnly());
        QCOMPARE(stations->document()->lastBlock().text().size(), qsizetype(longestEditableName));
        QVERIFY(!cut.findChild<QLabel*>(QStringLiteral("cutNotice"))->isHidden());
        stations->document()->setModified(true);
        cut.showPage(QStringLiteral("Nazwy pociągów"));
        QVERIFY(!namePage(cut, "trainNames")->isReadOnly());
        QVERIFY(cut.findChild<QLabel*>(QStringLiteral("cutNotice"))->isHidden());
        cut.storeAndClose();
        QVERIFY(cut.changedLists().empty());
    }

    void namesStoreOnlyChangedPagesAsOneStep() {
        Fixture f;
        // Unchanged: nothing stored, the modified flag left as it is.
        f.run("names", [](QDialog& dialog) {
            QCOMPARE(child<QTabWidget>(dialog, "pages")->currentIndex(), 0);
            QVERIFY(child<QPlainTextEdit>(dialog, "trainNames")
                        ->toPlainText()
                        .isEmpty());  // filled when shown
            QCOMPARE(ui::plainTextOf(*namePage(dialog, "stationNames")),
                     QStringLiteral("Zielonka\nBorowiec\nStare\u00a0Sady"));
            child<QPushButton>(dialog, "close")->click();
        });
        QVERIFY(!f.window.session().undoStack().canUndo());
        QVERIFY(!f.window.document().modified);

        // Deleting the first station renames the station; the depot page gains a trimmed name.
        // A train from Stare Sady still comes from there; one to the deleted station names
        // none (-1, which the problems panel lists).
        TimetableContent referring = stationTexts();
        Train train;
        train.originStation = 2;
        train.destinationStation = 0;
        referring.trains = {train};
        f.window.session().open(referring, "/tmp/", "a.roz");
        f.run("names", [](QDialog& dialog) {
            QTextCursor firstLine = namePage(dialog, "stationNames")->textCursor();
            firstLine.movePosition(QTextCursor::Start);
            firstLine.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
            firstLine.removeSelectedText();
            namePage(dialog, "depotNames")->appendPlainText(QStringLiteral("  Szopa \t"));
            child<QPushButton>(dialog, "close")->click();
        });
        QCOMPARE(f.prompter.dialogTitles.back(), QStringLiteral("Nazwy"));
        QCOMPARE(f.content().stationNames, (std::vector<std::string>{"Borowiec", "Stare\xa0Sady"}));
        QCOMPARE(f.content().depotNames,
                 (std::vector<std::string>{"Lokomotywownia", "Parowozownia", "Szopa"}));
        QCOMPARE(f.content().trainNames, stationTexts().trainNames);
        QCOMPARE(f.content().trains.at(0).originStation, 1);
        QCOMPARE(f.content().trains.at(0).destinationStation, -1);
        QVERIFY(f.window.document().modified);
        QCOMPARE(f.window.session().undoStack().count(), 1);
        QCOMPARE(f.window.findChild<QAction*>(QStringLiteral("undo"))->text(),
                 QStringLiteral("Cofnij zmianę nazw"));
        f.window.session().undoStack().undo();
        QCOMPARE(f.content(), referring);
        f.window.session().open(stationTexts(), "/tmp/", "a.roz");

        // An empty line between names keeps the dialog open on that line; the close box
        // stores nothing.
        f.run("names", [&f](QDialog& dialog) {
            auto* trains = namePage(dialog, "trainNames");
            retype(trains, QStringLiteral("Jaskolka\n\nKormoran"));
            child<QPushButton>(dialog, "close")->click();
            QVERIFY(dialog.isVisible() || dialog.result() != QDialog::Accepted);
            QCOMPARE(f.prompter.messageTexts().last(),
                     QStringLiteral("Pusta nazwa w wierszu 2 na stronie „Nazwy pociągów”."));
            QCOMPARE(child<QTabWidget>(dialog, "pages")->currentWidget(), trains);
            QCOMPARE(trains->textCursor().blockNumber(), 1);
            dialog.reject();
        });
        QCOMPARE(f.content(), stationTexts());
    }

    void generalDataFillsAndStoresTrimmedTexts() {
        Fixture f;
        f.prompter.fileNames = {QStringLiteral("/gra/stacje/north.old.stc")};
        f.run("generalData", [&f](QDialog& dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "stationName")->text(), QStringLiteral("Zielonka"));
            QCOMPARE(child<QSpinBox>(dialog, "startHour")->value(), 23);
            QCOMPARE(child<QSpinBox>(dialog, "startMinute")->value(), 59);
            QCOMPARE(ui::plainTextOf(*child<QPlainTextEdit>(dialog, "authorInfo")),
                     QStringLiteral("Jan\u00a0Kowalski\n\njan@example.org"));
            auto* picture = child<QLineEdit>(dialog, "stationPicture");
            auto* ok = child<QPushButton>(dialog, "ok");
            picture->setText(QStringLiteral("  "));
            QVERIFY(!ok->isEnabled());
            QVERIFY(!child<QLabel>(dialog, "stationPictureHint")->text().isEmpty());
            child<QPushButton>(dialog, "browseStationFile")->click();
            QCOMPARE(picture->text(), QStringLiteral("north"));
            QCOMPARE(f.prompter.openFolders.back(), QStringLiteral("/gra/stacje/"));
            QCOMPARE(f.prompter.fileDialogs.back(),
                     QStringLiteral("open|Stacja dla Trakovila (*.stc)|*.stc"));
            child<QLineEdit>(dialog, "stationName")->setText(QStringLiteral(" Zielonka Wielka "));
            child<QSpinBox>(dialog, "startHour")->setValue(7);
            child<QSpinBox>(dialog, "startMinute")->setValue(5);
            retype(child<QPlainTextEdit>(dialog, "authorInfo"),
                   QStringLiteral("\n  Ja\n\n  Ty \n\n"));
            ok->click();
        });
        QCOMPARE(f.content().stationPicture, std::string("north"));
        QCOMPARE(f.content().stationNames.front(), std::string("Zielonka Wielka"));
        QCOMPARE(f.content().startTime, std::string("705"));
        QCOMPARE(f.content().authorInfo, std::string("Ja\r\n\r\n  Ty"));
        QCOMPARE(f.window.session().undoStack().count(), 1);
        f.window.session().undoStack().undo();
        QCOMPARE(f.content(), stationTexts());
        QVERIFY(!f.window.document().modified);

        // "OK" with nothing changed still marks the document changed; "Anuluj" does not.
        f.run("generalData",
              [](QDialog& dialog) { child<QPushButton>(dialog, "cancel")->click(); });
        QVERIFY(!f.window.document().modified);
        f.run("generalData", [](QDialog& dialog) { child<QPushButton>(dialog, "ok")->click(); });
        QCOMPARE(f.content(), stationTexts());
        QVERIFY(f.window.document().modified);
    }

    void generalDataOnANewStationMakesItWritable() {
        Fixture f;
        f.window.session().open(TimetableContent{}, "/tmp/", "a.roz");
        f.window.newDocument();
        f.run("generalData", [](QDialog& dialog) {
            QVERIFY(!child<QPushButton>(dialog, "ok")->isEnabled());
            child<QLineEdit>(dialog, "stationPicture")->setText(QStringLiteral("Północ"));
            // Whatever the writer would refuse is refused where it is typed.
            for (const QString& refused : {QStringLiteral("Wól\nka"), QStringLiteral("Wólka ж")}) {
                child<QLineEdit>(dialog, "stationName")->setText(refused);
                QVERIFY(!child<QPushButton>(dialog, "ok")->isEnabled());
                QVERIFY(!child<QLabel>(dialog, "stationNameHint")->text().isEmpty());
            }
            child<QLineEdit>(dialog, "stationName")->setText(QStringLiteral("Wólka"));
            child<QPushButton>(dialog, "ok")->click();
        });
        QCOMPARE(f.content().stationNames, std::vector<std::string>{"W\xf3lka"});
        QCOMPARE(f.content().startTime, std::string("0"));
        const QString path = QString::fromStdString((f.folder / "nowa.roz").string());
        f.prompter.fileNames = {path};
        f.window.saveDocumentAs();
        QVERIFY(f.prompter.messages.empty());
        QVERIFY(!f.window.document().modified);

        // A character the file cannot hold keeps the dialog open and names the field.
        f.run("generalData", [&f](QDialog& dialog) {
            retype(child<QPlainTextEdit>(dialog, "authorInfo"), QStringLiteral("Autor 😀"));
            child<QPushButton>(dialog, "ok")->click();
            QCOMPARE(f.prompter.messageTexts().last(),
                     QStringLiteral("Znak „😀” nie może być zapisany w pliku "
                                    "rozkładu: pole „Informacje o autorze”."));
            QVERIFY(dialog.result() != QDialog::Accepted);
        });
        QVERIFY(!f.window.document().modified);
    }
};

int main(int argc, char** argv) {
    return test::runSuites<ui::RylmoApplication>(argc, argv, {test::suite<TextsTest>()});
}

#include "TextsTest.moc"
