#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "Child.h"
#include "OpenedSession.h"
#include "TestMain.h"
#include "TestTrains.h"
#include "editing/EditingSession.h"
#include "passages/PassageDialog.h"
#include "passages/PassageForm.h"
#include "passages/PassageStrip.h"
#include "passages/PassagesDialog.h"
#include "passages/ProbabilityTableDialog.h"
#include "passages/ProbabilityValues.h"
#include "ui/PictureStrip.h"
#include "ui/RylmoApplication.h"

using namespace rylmo;
using namespace rylmo::passages;

namespace {

using test::child;

// A passenger train from station 1 to station 2 hauled by vehicle 3.
Train stopping(int32_t runType, int32_t arrival, int32_t departure, int32_t arrivalNumber,
               int32_t departureNumber) {
    return test::train(runType, arrival, departure)
        .numbers(arrivalNumber, departureNumber)
        .categories(2, 6)
        .stations(1, 2)
        .vehicle(3);
}

// Train 0 alone; trains 1 and 2 coupled on arrival (coaches 1 and 2); train 3 starts here;
// train 4's chain never returns. Passages 0 and 1 share arriving train 1.
TimetableContent passageContent() {
    TimetableContent c;
    c.locomotiveTypes = {{"SP33", "Spalinowoz", "4", "4"}, {"EL21", "Elektrowoz", "3", "2"}};
    c.locomotiveTypeCount = 2;
    c.coaches = {"Wos1"};
    c.stationNames = {"Zielonka", "Borowiec", "Stare Sady"};
    c.depotNames = {"Lokomotywownia", "Parowozownia"};
    c.probabilities = {"100,0,", "30,70,", "50,50,"};
    c.trains = {stopping(2, 705, 712, 4512, 4513), stopping(0, 1130, 0, 3310, 0),
                stopping(0, 1131, 0, 3312, 0), stopping(1, 0, 1405, 0, 901),
                stopping(2, 800, 810, 1, 2)};
    c.trains[1].coupledWith = 2 * 10 + 1;  // train 2 follows; this one is coach 1
    c.trains[2].coupledWith = 1 * 10 + 2;  // back to train 1; coach 2
    c.trains[4].coupledWith = 3 * 10 + 1;  // to train 3, which leads nowhere
    c.passages = {{1, 0, 1, 3, 2}, {2, 1, 1, 0, 0}, {1, 1, -3, 4, 0}};
    return c;
}

QStringList labels(const QVector<ui::StripEntry>& entries) {
    QStringList texts;
    for (const ui::StripEntry& e : entries)
        texts << e.label + (e.bold ? QStringLiteral(" [b]") : QString());
    return texts;
}

}  // namespace

class PassagesTest : public QObject {
    Q_OBJECT
private slots:
    void stripEntries() {
        const TimetableContent c = passageContent();
        // An uncoupled train with no passage of its own on this side: the train alone.
        auto alone = passageStrip(c, Side::arriving, 0, c.passages, -1);
        QCOMPARE(labels(alone), QStringList{"osobowy\nNr: 4512, Godz: 7:05\nBorowiec\nStare Sady"});
        QCOMPARE(alone[0].toolTip,
                 QStringLiteral("osobowy, Nr: 4512, Godz: 7:05\nBorowiec - Stare Sady"));
        QCOMPARE(alone[0].pictureName, QStringLiteral("Wos1"));
        // Departing: the locomotive of passage 1 first, then the train; nothing bold.
        auto leaving = passageStrip(c, Side::departing, 0, c.passages, 1);
        QCOMPARE(labels(leaving),
                 (QStringList{"Elektrowoz\nParowozownia",
                              "ekspres, \nNr: 4513, Godz: 7:12\nBorowiec\nStare Sady"}));
        QCOMPARE(leaving[1].toolTip,
                 QStringLiteral("ekspres, \nNr: 4513, Godz: 7:12\nBorowiec - Stare Sady"));

        // Coupled pair with two passages: slots read from the highest, then the locomotives
        // last to first; the own train and the current passage's locomotive are bold.
        auto coupled = passageStrip(c, Side::arriving, 1, c.passages, 1);
        QCOMPARE(labels(coupled),
                 (QStringList{"osobowy, \nNr: 3312, Godz: 11:31, (2)\nBorowiec\nZielonka",
                              "osobowy, \nNr: 3310, Godz: 11:30, (1)\nBorowiec\nZielonka [b]",
                              "Elektrowoz\nParowozownia [b]", "Spalinowoz\nLokomotywownia"}));

        // A chain that never returns is cut; run type 1 departs from this station.
        QCOMPARE(passageStrip(c, Side::arriving, 4, c.passages, -1).size(),
                 1);  // train 3 has no coach slot
        auto starting = passageStrip(c, Side::departing, 3, {}, -1);
        QVERIFY(starting[0].label.endsWith(QStringLiteral("\nZielonka\nStare Sady")));
        QVERIFY(passageStrip(c, Side::arriving, 3, {}, -1)[0].label.contains(
            QStringLiteral("Godz: 0:00")));

        // Numbers that point nowhere show placeholders naming them.
        const std::vector<LocomotivePassage> strange = {{99, -7, 77, 77, 0}};
        auto nowhere = passageStrip(c, Side::arriving, 77, strange, 0);
        QCOMPARE(labels(nowhere), QStringList{"nieznany typ (99)\nnieznana lokomotywownia (7)"});
        QVERIFY(nowhere[0].pictureName.isEmpty());

        // The passage dialog's preview: the locomotive being entered joins unless the passage
        // it stands for already shows it here; the others are never bold.
        const EnteredLocomotive entered{2, 0, 0};
        auto preview = passageStrip(c, Side::arriving, 0, c.passages, -1, &entered);
        QCOMPARE(labels(preview).last(), QStringLiteral("Elektrowoz\nLokomotywownia"));
        QCOMPARE(preview[0].toolTip,
                 QStringLiteral("osobowy\nNr: 4512, Godz: 7:05\nBorowiec - Stare Sady"));
        auto standing = passageStrip(c, Side::arriving, 1, c.passages, -1, &entered);
        QCOMPARE(standing.size(), 4);
        QVERIFY(!standing[2].bold && !standing[3].bold);
    }

    void unchangedPassageIsStoredAsItWas() {
        // Whatever was stored, even numbers that name no entry, an unchanged "OK" gives it back.
        const TimetableContent c = passageContent();
        std::vector<LocomotivePassage> stored = c.passages;
        stored.push_back({0, 0, 0, 0, 0});
        stored.push_back({3, 2, 9, -9, 4});
        for (int position = 1; position <= RecordLayout<LocomotivePassage>::fieldCount;
             ++position) {
            for (const int32_t extreme : {INT32_MIN, INT32_MAX}) {
                LocomotivePassage p{1, 0, 1, 0, 1};
                field(p, position) = extreme;
                stored.push_back(p);
            }
        }
        Timetable document;
        document.content = c;
        for (const LocomotivePassage& p : stored) {
            PassageDialog dialog(document, 0);
            dialog.fillFromPassage(p);
            QCOMPARE(dialog.passage(), p);
            QVERIFY(child<QPushButton>(dialog, "ok")->isEnabled());
            for (const Side side : {Side::arriving, Side::departing}) {
                const EnteredLocomotive entered{INT32_MAX, INT32_MIN, 0};
                QVERIFY(!passageStrip(c, side, 1, {p}, 0, &entered).isEmpty());
            }
        }
    }

    void passageDialogKeepsUnknownNumbers() {
        Timetable document;
        document.content = passageContent();
        PassageDialog dialog(document, 0);
        dialog.fillFromPassage({7, 5, 40, 2, 9});
        auto* type = child<QComboBox>(dialog, "type");
        QCOMPARE(type->currentText(), QStringLiteral("nieznany typ (7)"));
        QCOMPARE(child<QComboBox>(dialog, "depot")->currentText(),
                 QStringLiteral("nieznana lokomotywownia (5)"));
        QCOMPARE(child<QLabel>(dialog, "arrivingCaption")->text(),
                 QStringLiteral("Indeks pociągu przyjeżdzającego 40 (nie ma takiego pociągu)"));
        // Changing one control changes its field alone; the first real type can be chosen.
        child<QSlider>(dialog, "departingTrain")->setValue(1);
        type->setCurrentIndex(0);
        emit type->activated(0);
        QCOMPARE(dialog.passage(), (LocomotivePassage{1, 5, 40, 0, 9}));

        // Train 0 cannot carry the assigned-depot mark: the box is disabled and says why.
        child<QSlider>(dialog, "arrivingTrain")->setValue(1);
        QVERIFY(!child<QCheckBox>(dialog, "fromAssignedDepot")->isEnabled());
        QVERIFY(!child<QLabel>(dialog, "assignedDepotHint")->text().isEmpty());
        child<QSlider>(dialog, "arrivingTrain")->setValue(3);
        QVERIFY(child<QCheckBox>(dialog, "fromAssignedDepot")->isEnabled());
        QVERIFY(child<QLabel>(dialog, "assignedDepotHint")->text().isEmpty());
    }

    void probabilityValuesAndLimits() {
        ProbabilityValues values(3, {60, 40});  // a missing value reads as 0
        QVERIFY(values.complete());
        QCOMPARE(values.limitsFor(0).maximum, 60);
        QVERIFY(!values.limitsFor(2).enabled);  // at 0 after the sum reached 100
        values.set(0, 50);
        QCOMPARE(values.sum(), 90);
        QCOMPARE(values.limitsFor(2).maximum, 10);
        values.set(2, 25);  // typed beyond the limit: brought back on leaving the field
        QCOMPARE(values.value(2), 10);
        QCOMPARE(values.text(), std::string("50,40,10,"));

        ProbabilityValues extra(1, {30, 70, 5});  // values beyond the types are counted, not kept
        QCOMPARE(extra.sum(), 30);
        QCOMPARE(extra.extraCount(), 2);
        QCOMPARE(extra.extraSum(), 75);
        extra.set(0, 100);
        QCOMPARE(extra.text(), std::string("100,"));

        const ProbabilityValues over(2, {80, 60});  // from a file: never lowered by showing
        QCOMPARE(over.limitsFor(0).maximum, 80);
        QCOMPARE(over.limitsFor(1).maximum, 60);
    }

    void probabilityTableWithUndo() {
        test::OpenedSession opened(passageContent());
        auto& [prompter, session] = opened;
        ProbabilityTableDialog dialog(session);
        QCOMPARE(child<QLabel>(dialog, "counter")->text(),
                 QStringLiteral("Liczba prawdopodobieństw: 3"));
        QCOMPARE(dialog.shownLabels(), QStringList{"(0) \nSpalinowoz - 100%"});
        child<QSlider>(dialog, "entries")->setValue(2);
        QCOMPARE(dialog.shownLabels(),
                 (QStringList{"(0) \nSpalinowoz - 30%", "(1) \nElektrowoz - 70%"}));

        prompter.dialogs.push_back([](QDialog& entry) {
            QCOMPARE(entry.windowTitle(), QStringLiteral("Dodaj"));
            auto* percent = child<QSpinBox>(entry, "percent");
            auto* ok = child<QPushButton>(entry, "ok");
            percent->setValue(70);
            QCOMPARE(child<QLabel>(entry, "sum")->text(), QStringLiteral("70%"));
            QVERIFY(!ok->isEnabled());
            child<QSlider>(entry, "type")->setValue(2);
            QCOMPARE(percent->maximum(), 30);
            percent->setValue(30);
            QVERIFY(ok->isEnabled());
            child<QSlider>(entry, "type")->setValue(1);
            QCOMPARE(percent->value(), 70);  // showing a type never changes its value
            ok->click();
        });
        dialog.addEntry();
        QCOMPARE(session.content().probabilities.back(), std::string("70,30,"));
        QCOMPARE(child<QSlider>(dialog, "entries")->value(), 2);  // the shown entry stays

        prompter.answers = {QMessageBox::Yes};
        dialog.deleteEntry();
        QCOMPARE(prompter.messageTexts().last(),
                 QStringLiteral("Czy napewno chcesz usunąć wybrany indeks tablicy "
                                "prawdopodobienstwa?\n1 przejście przestanie korzystać z tablicy "
                                "prawdopodobieństwa."));
        QCOMPARE(session.content().probabilities.size(), std::size_t(3));
        session.undoStack().undo();
        session.undoStack().undo();
        QCOMPARE(session.content(), passageContent());
    }

    void passagesAddEditDeleteWithUndo() {
        test::OpenedSession opened(passageContent());
        auto& [prompter, session] = opened;
        PassagesDialog dialog(session);
        QCOMPARE(child<QLabel>(dialog, "counter")->text(),
                 QStringLiteral("Liczba przejść lokomotyw: 3"));
        QCOMPARE(dialog.arrivingStrip().count(), 4);
        QCOMPARE(dialog.arrivingStrip().pictureRect(0).topLeft(), QPoint(10, 2));
        QCOMPARE(dialog.arrivingStrip().labelRect(0).top(), 48);

        // Add from the coupled train 2 to train 0 with entry 2; the preview shows the
        // locomotive being entered and the document stays as it was until "OK".
        prompter.dialogs.push_back([&session](QDialog& d) {
            auto& passage = static_cast<PassageDialog&>(d);
            QCOMPARE(d.windowTitle(), QStringLiteral("FPassAdd"));
            QVERIFY(!child<QSlider>(d, "arrivingTrain")->isEnabled());
            QCOMPARE(child<QLabel>(d, "arrivingCaption")->text(),
                     QStringLiteral("Indeks pociągu przyjeżdzającego..."));
            auto* type = child<QComboBox>(d, "type");
            type->setCurrentIndex(1);
            emit type->activated(1);
            QCOMPARE(child<QComboBox>(d, "depot")->currentIndex(), 0);
            QVERIFY(child<QPushButton>(d, "ok")->isEnabled());
            QCOMPARE(child<QLabel>(d, "arrivingCaption")->text(),
                     QStringLiteral("Indeks pociągu przyjeżdzającego 0"));
            child<QSlider>(d, "arrivingTrain")->setValue(3);
            QCOMPARE(passage.arrivingStrip().count(), 3);  // both coupled trains and ours
            QCOMPARE(session.content(), passageContent());
            child<QCheckBox>(d, "fromAssignedDepot")->setChecked(true);
            child<QSlider>(d, "probability")->setValue(2);
            QCOMPARE(child<QTableWidget>(d, "probabilityGrid")->item(0, 1)->text(),
                     QStringLiteral("70"));
            QCOMPARE(child<QTableWidget>(d, "probabilityGrid")->horizontalHeaderItem(0)->text(),
                     QStringLiteral("Spalinowoz"));
            child<QPushButton>(d, "ok")->click();
        });
        dialog.addPassage();
        const LocomotivePassage added = session.content().passages.back();
        QCOMPARE(added, (LocomotivePassage{2, 0, -2, 0, 2}));

        // Edit passage 3 and cancel: nothing changes, its sign stays.
        child<QSlider>(dialog, "passages")->setValue(3);
        prompter.dialogs.push_back([](QDialog& d) {
            QVERIFY(child<QCheckBox>(d, "fromAssignedDepot")->isChecked());
            QVERIFY(child<QCheckBox>(d, "skipTable")->isChecked());
            QVERIFY(!child<QSlider>(d, "probability")->isEnabled());
            child<QSlider>(d, "departingTrain")->setValue(1);
            child<QPushButton>(d, "cancel")->click();
        });
        dialog.editPassage();
        QCOMPARE(session.content().passages[2], (LocomotivePassage{1, 1, -3, 4, 0}));
        QCOMPARE(session.undoStack().count(), 1);

        prompter.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes};
        for (int i = 0; i < 4; ++i) dialog.deletePassage();
        QVERIFY(session.content().passages.empty());
        QCOMPARE(dialog.arrivingStrip().count(), 0);
        QCOMPARE(child<QLabel>(dialog, "position")->text(), QStringLiteral("Aktualna pozycja: 0"));
        while (session.undoStack().canUndo()) session.undoStack().undo();
        QCOMPARE(session.content(), passageContent());
        QCOMPARE(dialog.arrivingStrip().count(), 4);
    }
};

int main(int argc, char** argv) {
    return test::runSuites<ui::RylmoApplication>(argc, argv, {test::suite<PassagesTest>()});
}

#include "PassagesTest.moc"
