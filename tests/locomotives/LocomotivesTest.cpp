#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <climits>

#include "Child.h"
#include "OpenedSession.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "editing/EditingSession.h"
#include "locomotives/DepotDialog.h"
#include "locomotives/DepotEntryDialog.h"
#include "locomotives/DepotEntryForm.h"
#include "locomotives/LocomotiveTypesDialog.h"
#include "ui/RylmoApplication.h"

using namespace rylmo;
using namespace rylmo::locomotives;

namespace {

const QString kPictures = QStringLiteral(RYLMO_SAMPLE_FOLDER "/tabor/");

using test::child;

// Types 1..3 (2 and 3 share a picture name), two depots, entries that differ in every field.
TimetableContent depotContent() {
    TimetableContent c;
    c.locomotiveTypes = {{"EU07", "Elektrowoz_EU07", "3", "2"},
                         {"SM42", "Manewrowka_SM42", "4", "1"},
                         {"SM42", "Spalinowoz_SM42", "4", "7"}};
    c.locomotiveTypeCount = 3;
    c.depotNames = {"Lokomotywownia Zielonka", "Parowozownia"};
    c.depot = {{1, 2, 1, 0, 0, 0}, {3, 1, 0, -250, 9, 4}, {9, 1, 5, 0, 0, 3}};
    c.trains.resize(2);
    c.trains[0].symbolVehicle = 2;
    c.passages = {{2, 0, 0, 1, 0}};
    c.compositions = {"1,1,0,", "2,2,1,4,0,"};
    c.probabilities = {"0,100,0,", "50,50,", "100,x,"};
    return c;
}

struct Fixture : test::OpenedSession {
    Fixture() : OpenedSession(depotContent()) {}
};

}  // namespace

class LocomotivesTest : public QObject {
    Q_OBJECT
private slots:
    void depotEntryMapping() {
        // Coordinate 0 with a track number stands at the station: the box is ticked.
        const DepotEntry atTrack{2, 1, 1, 0, 4, 3};
        const DepotEntryForm shown = formFromDepotEntry(atTrack, 2);
        QVERIFY(shown.atStation);
        QCOMPARE(shown.trackNumber, 3);
        DepotEntryForm untick = shown;
        untick.atStation = false;
        QCOMPARE(depotEntryFromForm(untick, shown, atTrack), (DepotEntry{2, 1, 1, 0, 0, 0}));

        // The right-coupling sign; a changed control changes only its field.
        const DepotEntry coupled{1, 1, 0, -250, 9, 4};
        DepotEntryForm edited = formFromDepotEntry(coupled, 2);
        QVERIFY(edited.atStation && edited.coupleRight);
        QCOMPARE(edited.coordinate, 250);
        const DepotEntryForm coupledShown = edited;
        edited.count = 3;
        edited.coupleRight = false;
        QCOMPARE(depotEntryFromForm(edited, coupledShown, coupled),
                 (DepotEntry{1, 3, 0, 250, 9, 4}));

        // A new entry: the plain mapping of the default controls.
        QCOMPARE(plainDepotEntry(defaultDepotEntryForm()), (DepotEntry{1, 1, 0, 0, 0, 0}));
    }

    void unchangedDepotEntryIsStoredAsItWas() {
        // Whatever was stored, even values no control can show, an unchanged "OK" gives it back.
        Fixture f;
        std::vector<DepotEntry> stored = f.session.content().depot;
        stored.push_back({0, 150, -1, 0, 12, 0});
        stored.push_back({4, 0, 2, 6000, -3, 9000});
        for (int position = 1; position <= RecordLayout<DepotEntry>::fieldCount; ++position) {
            for (const int32_t extreme : {INT32_MIN, INT32_MAX}) {
                DepotEntry entry{1, 1, 0, 0, 0, 0};
                field(entry, position) = extreme;
                stored.push_back(entry);
            }
        }
        for (const DepotEntry& entry : stored) {
            DepotEntryDialog dialog(f.session.document());
            dialog.fillFromEntry(entry);
            QCOMPARE(dialog.entry(), entry);
        }
        // The details say where the locomotives stand; unknown numbers show as placeholders.
        QCOMPARE(depotEntryDescription(f.session.content(), {4, 0, 2, 6000, -3, 9000}),
                 QStringLiteral("nieznany typ (4), nieznana lokomotywownia (2)\nIlość lokomotyw "
                                "na stacji: 0\nLokomotywa stoi na stacji. Wsp. punktu: 6000, "
                                "pozycja: -3, nr toru post.: 9000"));
        QVERIFY(depotEntryDescription(f.session.content(), {1, 2, 0, 0, 0, 0})
                    .endsWith(QStringLiteral("na stacji: 2\nLokomotywa stoi w lokomotywowni")));
    }

    void unknownTypeAndDepotShowPlaceholders() {
        Fixture f;
        DepotEntryDialog dialog(f.session.document());
        dialog.fillFromEntry({9, 1, 5, 0, 0, 0});
        auto* depot = child<QComboBox>(dialog, "depot");
        QCOMPARE(depot->currentText(), QStringLiteral("nieznana lokomotywownia (5)"));
        QCOMPARE(child<QLabel>(dialog, "typeName")->text(), QStringLiteral("nieznany typ (9)"));
        QVERIFY(child<QPushButton>(dialog, "ok")->isEnabled());
        // The first real type and depot can be chosen directly.
        child<QSlider>(dialog, "type")->setValue(0);
        depot->setCurrentIndex(0);
        QCOMPARE(dialog.entry(), (DepotEntry{1, 1, 0, 0, 0, 0}));
        QCOMPARE(child<QLabel>(dialog, "typeName")->text(), QStringLiteral("Elektrowoz_EU07"));
    }

    void typesListDescribesAndDeletes() {
        Fixture f;
        LocomotiveTypesDialog dialog(f.session);
        auto* list = child<QListView>(dialog, "pictureNames");
        auto* description = child<QLabel>(dialog, "description");
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(list->currentIndex().row(), 0);
        QCOMPARE(description->text(),
                 QStringLiteral("Elektrowoz_EU07\nLokomotywa elektryczna, hierarchia: 2"));
        QCOMPARE(child<QLabel>(dialog, "picture")->pos(), QPoint(10, 8));
        QCOMPARE(description->pos(), QPoint(10, 60));
        list->setCurrentIndex(list->model()->index(
            1, 0));  // the later of two types with one picture name describes both
        QCOMPARE(description->text(),
                 QStringLiteral("Spalinowoz_SM42\nLokomotywa spalinowa, hierarchia: 7"));

        // Deleting type 2 says what it does to the references; undo puts all back.
        f.prompter.answers = {QMessageBox::Yes};
        child<QPushButton>(dialog, "delete")->click();
        QCOMPARE(f.prompter.messageTexts().last(),
                 QStringLiteral("Czy napewno chcesz usunąć wybraną lokomotywę?\nUsunięte zostaną "
                                "też 3 wartości w tablicy prawdopodobieństwa; 1 pociąg straci "
                                "pojazd symbolizujący; 1 skład straci usunięty pojazd; 1 odwołanie "
                                "do usuniętej pozycji zostanie oznaczone jako błędne (pokaże je "
                                "lista problemów); odwołania do dalszych lokomotyw i wagonów "
                                "zostaną poprawione."));
        QCOMPARE(f.session.content().locomotiveTypes.size(), std::size_t(2));
        QCOMPARE(f.session.content().locomotiveTypes[1].typeName(),
                 std::string_view("Spalinowoz_SM42"));
        QCOMPARE(f.session.content().locomotiveTypeCount, 2);
        QCOMPARE(list->currentIndex().row(), 0);
        QCOMPARE(f.session.undoStack().undoText(), QStringLiteral("usunięcie lokomotywy"));
        f.session.undoStack().undo();
        QCOMPARE(f.session.content(), depotContent());
    }

    void newTypeThroughBrowsing() {
        Fixture f;
        test::TempFolder elsewhere;
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(QString::fromStdString((elsewhere / "ET22.old.bmp").string()));
        f.prompter.fileNames = {QString::fromStdString((elsewhere / "ET22.old.bmp").string())};
        f.prompter.dialogs.push_back([&f](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Nowa lokomotywa"));
            auto* ok = child<QPushButton>(dialog, "ok");
            QVERIFY(!ok->isEnabled());
            child<QPushButton>(dialog, "browse")->click();
            QCOMPARE(f.prompter.openFolders.back(), kPictures);
            QCOMPARE(child<QLineEdit>(dialog, "pictureName")->text(), QStringLiteral("ET22"));
            QCOMPARE(child<QLabel>(dialog, "picture")->pixmap().size(), QSize(30, 20));
            child<QComboBox>(dialog, "kind")->setCurrentIndex(2);
            auto* typeName = child<QLineEdit>(dialog, "typeName");
            typeName->setText(
                QStringLiteral("Elektrowóz ET22"));  // a blank would split the file's words
            QVERIFY(!ok->isEnabled());
            QCOMPARE(child<QLabel>(dialog, "hint")->text(),
                     QStringLiteral("„Typ” nie może zawierać spacji."));
            typeName->setText(QStringLiteral("  Elektrowóz_ET22 "));
            child<QSpinBox>(dialog, "hierarchy")->setValue(5);
            QVERIFY(ok->isEnabled());
            ok->click();
        });
        LocomotiveTypesDialog dialog(f.session);
        dialog.addType();
        const LocomotiveType added{"ET22", "Elektrow\xf3z_ET22", "3", "5"};
        QCOMPARE(f.session.content().locomotiveTypes.back(), added);
        QCOMPARE(f.session.content().locomotiveTypeCount, 4);
        QCOMPARE(child<QListView>(dialog, "pictureNames")->currentIndex().row(), 3);
        // The list looks for the picture in the rolling-stock folder only: a placeholder here.
        QCOMPARE(child<QLabel>(dialog, "picture")->pixmap().size(), QSize(80, 40));
        f.session.undoStack().undo();
        QCOMPARE(f.session.content(), depotContent());
    }

    void depotPagesEditsAndDeletes() {
        Fixture f;
        DepotDialog depot(f.session);
        auto* entries = child<QSlider>(depot, "entries");
        auto* description = child<QLabel>(depot, "description");
        QCOMPARE(entries->maximum(), 2);
        QCOMPARE(child<QLabel>(depot, "counter")->text(),
                 QStringLiteral("Liczba typów lokomotyw na stacji: 3"));
        QCOMPARE(description->text(),
                 QStringLiteral("Elektrowoz_EU07, Parowozownia\nIlość lokomotyw na stacji: 2\n"
                                "Lokomotywa stoi w lokomotywowni"));
        entries->setValue(1);
        QCOMPARE(description->text().section('\n', 2),
                 QStringLiteral(
                     "Lokomotywa stoi na stacji. Wsp. punktu: -250, pozycja: 9, nr toru post.: 4"));
        entries->setValue(2);
        QCOMPARE(description->text().section('\n', 0, 0),
                 QStringLiteral("nieznany typ (9), nieznana lokomotywownia (5)"));
        // A replaced entry reaches the open window at once.
        f.session.replaceEntry(&TimetableContent::depot, 2, DepotEntry{1, 4, 0, 0, 0, 0},
                               QStringLiteral("edycję"));
        QCOMPARE(description->text().section('\n', 0, 1),
                 QStringLiteral(
                     "Elektrowoz_EU07, Lokomotywownia Zielonka\nIlość lokomotyw na stacji: 4"));
        f.session.undoStack().undo();
        QCOMPARE(description->text().section('\n', 2),
                 QStringLiteral("Lokomotywa stoi na stacji. Wsp. punktu: 0, "
                                "pozycja: 0, nr toru post.: 3"));

        // Editing the unknown entry unchanged writes its numbers back.
        f.prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Edytuj"));
            QVERIFY(child<QPushButton>(dialog, "ok")->isEnabled());
            QCOMPARE(child<QLabel>(dialog, "typeName")->text(), QStringLiteral("nieznany typ (9)"));
            child<QPushButton>(dialog, "ok")->click();
        });
        depot.editEntry();
        QCOMPARE(f.session.content().depot[2], depotContent().depot[2]);
        f.session.undoStack().undo();

        // Adding an entry standing at the station, coupled to the right.
        f.prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Dodaj"));
            QCOMPARE(child<QLabel>(dialog, "typeCounter")->text(),
                     QStringLiteral("Liczba typów lokomotyw dostepnych w grze: 3"));
            child<QSlider>(dialog, "type")->setValue(1);
            QCOMPARE(child<QLabel>(dialog, "typeName")->text(), QStringLiteral("Manewrowka_SM42"));
            auto* atStation = child<QCheckBox>(dialog, "atStation");
            atStation->setChecked(true);
            auto* coordinate = child<QSpinBox>(dialog, "standCoordinate");
            QVERIFY(coordinate->isEnabled());
            QCOMPARE(child<QComboBox>(dialog, "standPosition")->currentIndex(), 0);
            coordinate->setValue(120);
            child<QCheckBox>(dialog, "coupleRight")->setChecked(true);
            child<QSpinBox>(dialog, "standTrackNumber")->setValue(7);
            child<QSpinBox>(dialog, "count")->setValue(2);  // disables the box, which stays ticked
            QVERIFY(!atStation->isEnabled() && atStation->isChecked() && !coordinate->isEnabled());
            child<QPushButton>(dialog, "ok")->click();
        });
        depot.addEntry();
        QCOMPARE(f.session.content().depot.back(), (DepotEntry{2, 2, 0, -120, 0, 7}));
        QCOMPARE(entries->maximum(), 3);
        QCOMPARE(f.session.undoStack().undoText(), QStringLiteral("dodanie wpisu lokomotywowni"));

        // Deleting names the type and depot; deleting everything empties the display.
        f.prompter.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes,
                              QMessageBox::Yes};
        entries->setValue(0);
        depot.deleteEntry();
        QCOMPARE(f.prompter.messageTexts().last(),
                 QStringLiteral(
                     "Czy napewno chcesz usunąć Elektrowoz_EU07 (Parowozownia) z lokomotywowni?"));
        for (int i = 0; i < 3; ++i) depot.deleteEntry();
        QVERIFY(f.session.content().depot.empty());
        QVERIFY(description->text().isEmpty());
        QVERIFY(!entries->isEnabled() && !child<QPushButton>(depot, "edit")->isEnabled());
        QCOMPARE(child<QLabel>(depot, "counter")->text(),
                 QStringLiteral("Nie ma żadnych lokomotyw na stacji"));

        // Undoing every step gives the opened depot back, and the dialog follows.
        while (f.session.undoStack().canUndo()) f.session.undoStack().undo();
        QCOMPARE(f.session.content(), depotContent());
        QCOMPARE(entries->maximum(), 2);
        QVERIFY(!description->text().isEmpty());
    }
};

int main(int argc, char** argv) {
    return test::runSuites<ui::RylmoApplication>(argc, argv, {test::suite<LocomotivesTest>()});
}

#include "LocomotivesTest.moc"
