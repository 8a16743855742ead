#include <QTest>

#include "AppTests.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "app/FolderSettings.h"
#include "app/ProfileFile.h"
#include "app/MainWindow.h"
#include "document/Error.h"

using namespace rylmo;
using namespace rylmo::app;

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
        QCOMPARE(test::readBytes(folder / "Rylmo.ini"),
                 std::string("; Ustawienia edytora\r\n"
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
        QCOMPARE(test::readBytes(folder / "Rylmo.ini"), std::string("[Program]\r\nTabor=/gra/tabor/\r\n"));

        const std::string unwritable = (folder / "brak" / "Rylmo.ini").string();
        ProfileFile broken(unwritable);
        try {
            broken.writeString("Program", "Tabor", "x");
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(std::string(e.what()), "Unable to write to " + unwritable);
        }
    }

    void startUpReadsTheRollingStockFolder() {
        test::TempFolder folder;
        test::ScriptedPrompter prompter;
        {
            MainWindow window(qpath(folder / "Rylmo.ini"));
            QCOMPARE(window.document().rollingStockFolder, std::string("F:\\App\\Games\\Trakovil\\Tabor\\"));
        }
        test::writeBytes(folder / "Rylmo.ini", kWindowsFile);
        MainWindow window(qpath(folder / "Rylmo.ini"));
        QCOMPARE(window.document().rollingStockFolder, std::string("D:\\Gra\\Tabor\\"));
    }

    void separatorIsAddedOnlyWhenMissing() {
        QCOMPARE(addSeparator(QStringLiteral("/gra/tabor")), QStringLiteral("/gra/tabor/"));
        QCOMPARE(addSeparator(QStringLiteral("/gra/tabor/")), QStringLiteral("/gra/tabor/"));
        QCOMPARE(addSeparator(QStringLiteral("D:\\Gra\\Tabor\\")), QStringLiteral("D:\\Gra\\Tabor\\"));
        QCOMPARE(addSeparator(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(addSeparator(QString()), QString());
    }
};

std::unique_ptr<QObject> makeSettingsTest() { return std::make_unique<SettingsTest>(); }

#include "SettingsTest.moc"
