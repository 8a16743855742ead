#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "AppTests.h"
#include "Child.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "ui/Prompter.h"

using namespace rylmo;
using namespace rylmo::app;

using test::child;

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void optionsOkStoresBothFolders() {
        test::TempFolder folder;
        test::ScriptedPrompter prompter;
        MainWindow window(qpath(folder / "Rylmo.ini"));
        prompter.folders = {QString(), QStringLiteral("/mnt/stacje")};
        prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(child<QTabWidget>(dialog, "pages")->tabText(0), QStringLiteral("Program"));
            auto* edit1 = child<QLineEdit>(dialog, "rollingStockFolder");
            auto* edit2 = child<QLineEdit>(dialog, "stationFolder");
            QCOMPARE(edit1->text(), QStringLiteral("F:\\App\\Games\\Trakovil\\Tabor\\"));
            QCOMPARE(edit2->text(), QString());
            edit1->setText(QStringLiteral("/gra/tabor"));
            child<QPushButton>(dialog, "browseRollingStock")->click();  // browsing cancelled
            QCOMPARE(edit1->text(), QStringLiteral("/gra/tabor"));
            child<QPushButton>(dialog, "browseStations")->click();
            QCOMPARE(edit2->text(), QStringLiteral("/mnt/stacje"));
            child<QPushButton>(dialog, "ok")->click();
        });
        window.showOptions();
        QCOMPARE(prompter.dialogTitles, std::vector<QString>{"Opcje..."});
        QCOMPARE(prompter.folderTitles,
                 (std::vector<QString>{"Wskaż folder zawierający pliki z taborem",
                                       "Wskaż folder zawierający pliki z opisem stacji"}));
        const std::string separator =
            QString(QDir::separator()).toStdString();  // added where missing
        QCOMPARE(window.document().rollingStockFolder, "/gra/tabor" + separator);
        QCOMPARE(test::readBytes(folder / "Rylmo.ini"), "[Program]\r\nTabor=/gra/tabor" +
                                                            separator + "\r\nStacje=/mnt/stacje" +
                                                            separator + "\r\n");

        // The next opening shows what was stored; an empty field stays empty.
        prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "rollingStockFolder")->text(),
                     QStringLiteral("/gra/tabor") + QDir::separator());
            QCOMPARE(child<QLineEdit>(dialog, "stationFolder")->text(),
                     QStringLiteral("/mnt/stacje") + QDir::separator());
            child<QLineEdit>(dialog, "stationFolder")->clear();
            child<QPushButton>(dialog, "ok")->click();
        });
        window.showOptions();
        QCOMPARE(test::readBytes(folder / "Rylmo.ini"),
                 "[Program]\r\nTabor=/gra/tabor" + separator + "\r\nStacje=\r\n");
    }

    void optionsWriteFailureIsShownAfterTheFolderChanged() {
        test::TempFolder folder;
        test::ScriptedPrompter prompter;
        const auto settings = folder / "brak" / "Rylmo.ini";
        MainWindow window(qpath(settings));
        prompter.dialogs.push_back([](QDialog& dialog) {
            child<QLineEdit>(dialog, "rollingStockFolder")->setText(QStringLiteral("/t"));
            child<QPushButton>(dialog, "ok")->click();
        });
        window.showOptions();
        QCOMPARE(prompter.messageTexts(),
                 QStringList{"Unable to write to " + qpath(settings) + "."});
        QCOMPARE(window.document().rollingStockFolder,
                 "/t" + QString(QDir::separator()).toStdString());
    }

    // Questions name their buttons in Polish, and Qt's own dialogs speak Polish too.
    void polishButtonsAndQtTexts() {
        const auto box = ui::messageBox(nullptr, QMessageBox::Question, QStringLiteral("?"),
                                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                        QMessageBox::Cancel);
        QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("Tak"));
        QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("Nie"));
        QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("Anuluj"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Rylmo"));
        QVERIFY(QCoreApplication::translate("QFileDialog", "Look in:") !=
                QStringLiteral("Look in:"));
    }

    // What a user sees: the title, the version, "Zamknij"; no link that would open a mail to
    // nobody, wherever the dialog is clicked.
    void aboutBoxShowsTheTitleAndTheVersion() {
        test::TempFolder folder;
        test::ScriptedPrompter prompter;
        MainWindow window(qpath(folder / "Rylmo.ini"));
        prompter.dialogs.push_back([&prompter](QDialog& dialog) {
            QCOMPARE(child<QLabel>(dialog, "title")->text(), QStringLiteral("Rylmo "));
            QCOMPARE(
                dialog.findChild<QPlainTextEdit*>(QStringLiteral("description"))->toPlainText(),
                QStringLiteral("Wersja " RYLMO_VERSION));
            QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("mailAddress")));
            for (QLabel* label : dialog.findChildren<QLabel*>())
                QTest::mouseClick(label, Qt::LeftButton);
            QVERIFY(prompter.urls.empty());
            QCOMPARE(child<QPushButton>(dialog, "close")->text(), QStringLiteral("Zamknij"));
            child<QPushButton>(dialog, "close")->click();
        });
        window.showAbout();
        QCOMPARE(prompter.dialogTitles, std::vector<QString>{"Rylmo - Informacje..."});
    }
};

std::unique_ptr<QObject> makeDialogsTest() {
    return std::make_unique<DialogsTest>();
}

#include "DialogsTest.moc"
