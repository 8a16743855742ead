#include <QTest>

#include <sys/stat.h>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <tuple>

#include "AppTests.h"
#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "document/Error.h"
#include "document/ProfileFile.h"

using namespace rylmo;
using namespace rylmo::app;
using rylmo::test::child;

namespace {

// As Windows writes it: CR LF, a comment, other sections, keys in another case.
const std::string kWindowsFile =
    "; Ustawienia edytora\r\n"
    "[Inne]\r\n"
    "Tabor=X:\\\r\n"
    "\r\n"
    "[PROGRAM]\r\n"
    "tabor = D:\\Gra\\Tabor\\ \r\n"
    "Okno=1\r\n"
    "\r\n"
    "[Koniec]\r\n"
    "A=B\r\n";

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    // The dwell times within 0..maxDwellMinutes, a value that is no number the default; what
    // is stored reads back.
    void dwellTimesAtTheirLimits() {
        test::TempFolder folder;
        const std::string path = (folder / "Rylmo.ini").string();
        const DwellTimes fallback;
        for (const auto& [after, before, expected] :
             {std::tuple{"0", "180", DwellTimes{0, maxDwellMinutes}},
              std::tuple{"-1", "181", DwellTimes{0, maxDwellMinutes}},
              std::tuple{" 7 ", "x", DwellTimes{7, fallback.beforeDeparture}},
              std::tuple{"", "99999999999",
                         DwellTimes{fallback.afterArrival, fallback.beforeDeparture}}}) {
            test::writeBytes(path, std::string("[Wykres]\r\nPostojPoPrzyjezdzie=") + after +
                                       "\r\nPostojPrzedOdjazdem=" + before + "\r\n");
            const DwellTimes read = dwellTimesSetting(ProfileFile(path));
            QCOMPARE(read.afterArrival, expected.afterArrival);
            QCOMPARE(read.beforeDeparture, expected.beforeDeparture);
        }
        ProfileFile file(path);
        storeDwellTimes(file, {3, maxDwellMinutes});
        const DwellTimes stored = dwellTimesSetting(ProfileFile(path));
        QCOMPARE(stored.afterArrival, 3);
        QCOMPARE(stored.beforeDeparture, maxDwellMinutes);
    }

    void readsWindowsFilesRaw() {
        test::TempFolder folder;
        test::writeBytes(folder / "Rylmo.ini", kWindowsFile);
        const ProfileFile file((folder / "Rylmo.ini").string());
        QCOMPARE(file.readString("Program", "Tabor", "?"), std::string("D:\\Gra\\Tabor\\"));
        QCOMPARE(file.readString("program", "OKNO", "?"), std::string("1"));
        QCOMPARE(file.readString("Program", "Stacje", ""), std::string());
        QCOMPARE(file.readString("Brak", "A", "domyślna"), std::string("domyślna"));
        QCOMPARE(ProfileFile((folder / "brak.ini").string()).readString("Program", "Tabor", "x"),
                 std::string("x"));
    }

    void writesKeepEverythingElse() {
        test::TempFolder folder;
        test::writeBytes(folder / "Rylmo.ini", kWindowsFile);
        ProfileFile file((folder / "Rylmo.ini").string());
        file.writeString("Program", "Stacje", "D:\\Gra\\Stacje\\");
        file.writeString("Program", "Tabor", "E:\\Tabor\\");
        QCOMPARE(test::readBytes(folder / "Rylmo.ini"), std::string("; Ustawienia edytora\r\n"
                                                                    "[Inne]\r\n"
                                                                    "Tabor=X:\\\r\n"
                                                                    "\r\n"
                                                                    "[PROGRAM]\r\n"
                                                                    "Tabor=E:\\Tabor\\\r\n"
                                                                    "Okno=1\r\n"
                                                                    "Stacje=D:\\Gra\\Stacje\\\r\n"
                                                                    "\r\n"
                                                                    "[Koniec]\r\n"
                                                                    "A=B\r\n"));
        QCOMPARE(file.readString("Program", "Stacje", ""), std::string("D:\\Gra\\Stacje\\"));
    }

    void writesCreateTheFileAndFailWithTheirMessage() {
        test::TempFolder folder;
        ProfileFile file((folder / "Rylmo.ini").string());
        file.writeString("Program", "Tabor", "/gra/tabor/");
        QCOMPARE(test::readBytes(folder / "Rylmo.ini"),
                 std::string("[Program]\r\nTabor=/gra/tabor/\r\n"));

        const std::string unwritable = (folder / "brak" / "Rylmo.ini").string();
        ProfileFile broken(unwritable);
        QCOMPARE(test::errorOf([&] { broken.writeString("Program", "Tabor", "x"); }),
                 "Unable to write to " + unwritable);
    }

    // Values are Windows-1250 bytes: shown as text, and written back byte for byte when the
    // user did not touch them. A file with LF line ends keeps them.
    void windowsBytesSurviveOptions() {
        test::TempFolder folder;
        test::ScriptedPrompter prompter;
        const std::string bytes =
            "[Program]\nTabor=/gra/\xb3\xf3"
            "d\x9f/\nStacje=D:\\Gra\\Stacje\\\xf3\\\n";
        test::writeBytes(folder / "Rylmo.ini", bytes);
        MainWindow window(qpath(folder / "Rylmo.ini"));
        QCOMPARE(window.document().rollingStockFolder, std::string("/gra/łódź/"));
        prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "stationFolder")->text(),
                     QStringLiteral("D:\\Gra\\Stacje\\ó\\"));
            child<QPushButton>(dialog, "ok")->click();
        });
        window.showOptions();
        QCOMPARE(test::readBytes(folder / "Rylmo.ini"), bytes);

        // A relative folder typed there is the program's own at once; turning off the keeping
        // of references is stored and holds for the next start.
        QVERIFY(window.session().keepsReferences());
        prompter.dialogs.push_back([](QDialog& dialog) {
            child<QLineEdit>(dialog, "rollingStockFolder")->setText(QStringLiteral("tabor/"));
            auto* keep = child<QCheckBox>(dialog, "keepReferences");
            QVERIFY(keep->isChecked());
            keep->setChecked(false);
            child<QPushButton>(dialog, "ok")->click();
        });
        window.showOptions();
        QCOMPARE(
            window.document().rollingStockFolder,
            (QCoreApplication::applicationDirPath() + QStringLiteral("/tabor/")).toStdString());
        QVERIFY(!window.session().keepsReferences());
        QVERIFY(test::readBytes(folder / "Rylmo.ini").find("PoprawiajOdwolania=0") !=
                std::string::npos);
        MainWindow again(qpath(folder / "Rylmo.ini"));
        QVERIFY(!again.session().keepsReferences());
    }

    // Only a regular file that can be read is a settings file: a FIFO neither blocks the
    // start nor gets replaced. Keys the user's file lacks come from the program's file.
    void unreadableAndLayeredSettings() {
        test::TempFolder folder;
        test::ScriptedPrompter prompter;
        const std::string fifo = (folder / "Rylmo.ini").string();
#ifdef Q_OS_WIN
        QVERIFY(std::filesystem::create_directory(
            fifo));  // Windows has no FIFOs; a folder is no file either
#else
        QCOMPARE(mkfifo(fifo.c_str(), 0600), 0);
#endif
        MainWindow window(QString::fromStdString(fifo));
        QCOMPARE(window.document().rollingStockFolder,
                 std::string("F:\\App\\Games\\Trakovil\\Tabor\\"));
        prompter.dialogs.push_back(
            [](QDialog& dialog) { child<QPushButton>(dialog, "ok")->click(); });
        window.showOptions();
        QCOMPARE(prompter.messageTexts().last(),
                 QString::fromStdString("Nie można odczytać pliku ustawień " + fifo +
                                        " (to nie jest zwykły plik), więc nie został zmieniony."));
        QVERIFY(!std::filesystem::is_regular_file(fifo));

        test::writeBytes(folder / "user.ini", "[Program]\r\nStacje=/moje/\r\n");
        test::writeBytes(folder / "program.ini",
                         "[Program]\r\nTabor=/wspolny/\r\nStacje=/inne/\r\n");
        const ProfileFile layered((folder / "user.ini").string(),
                                  (folder / "program.ini").string());
        QCOMPARE(layered.readString("Program", "Tabor", "?"), std::string("/wspolny/"));
        QCOMPARE(layered.readString("Program", "Stacje", "?"), std::string("/moje/"));
    }

    void separatorIsAddedOnlyWhenMissing() {
        QCOMPARE(addSeparator(QStringLiteral("/gra/tabor")),
                 QStringLiteral("/gra/tabor") + QDir::separator());
        QCOMPARE(addSeparator(QStringLiteral("/gra/tabor/")), QStringLiteral("/gra/tabor/"));
        QCOMPARE(addSeparator(QStringLiteral("D:\\Gra\\Tabor\\")),
                 QStringLiteral("D:\\Gra\\Tabor\\"));
        QCOMPARE(addSeparator(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(addSeparator(QString()), QString());

        // The settings live beside the program, or in the user's folder when the program's
        // folder cannot be written (%APPDATA%\\Rylmo on Windows, ~/.config/Rylmo elsewhere).
        test::TempFolder installed;
        QCOMPARE(QDir::fromNativeSeparators(settingsFilePath(qpath(installed.path()))),
                 QDir::fromNativeSeparators(qpath(installed / "Rylmo.ini")));
#ifdef Q_OS_WIN
        const auto userFolder = QStandardPaths::AppDataLocation;
#else
        const auto userFolder = QStandardPaths::AppConfigLocation;
#endif
        QCOMPARE(settingsFilePath(qpath(installed / "brak")),
                 QStandardPaths::writableLocation(userFolder) + QStringLiteral("/Rylmo.ini"));

        // A relative folder is the program's own; an absolute one, from either system, stands.
        const QString program = QCoreApplication::applicationDirPath();
        QCOMPARE(folderInUse(QStringLiteral("przyklad\\tabor\\")),
                 program + QStringLiteral("/przyklad\\tabor\\"));
        for (const QString& absolute :
             {QStringLiteral("D:\\Gra\\Tabor\\"), QStringLiteral("/gra/tabor/"),
              QStringLiteral("\\\\serwer\\tabor\\"), QString()}) {
            QCOMPARE(folderInUse(absolute), absolute);
        }
    }
};

std::unique_ptr<QObject> makeSettingsTest() {
    return std::make_unique<SettingsTest>();
}

#include "SettingsTest.moc"
