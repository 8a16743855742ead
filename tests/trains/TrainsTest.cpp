#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <cstdint>
#include <memory>

#include "Child.h"
#include "OpenedSession.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TestTrains.h"
#include "app/MainWindow.h"
#include "document/Codes.h"
#include "document/CompositionText.h"
#include "document/RunTypes.h"
#include "editing/EditingSession.h"
#include "editing/TrainListModel.h"
#include "trains/TrainDialog.h"
#include "trains/TrainForm.h"
#include "trains/TrainSeriesDialog.h"
#include "ui/PictureStrip.h"
#include "ui/RollingStockPicture.h"
#include "ui/RylmoApplication.h"

using namespace rylmo;
using namespace rylmo::trains;

namespace {

const QString kPictures = QStringLiteral(RYLMO_SAMPLE_FOLDER "/tabor/");

Train sampleTrain() {
    Train t = test::train(2, 705, 712)
                  .points(120, 2900)
                  .stations(1, 2)
                  .numbers(4512, 4513)
                  .categories(2, 6)
                  .status(1)
                  .vehicle(3)
                  .composition(1)
                  .platforms(1, 2)
                  .names(1, 2);
    return t;
}

// Two locomotive types (a diesel and a rail bus), three coaches, names and compositions.
Timetable timetable(int compositions = 3, int trains = 5) {
    Timetable d;
    d.rollingStockFolder = kPictures.toStdString();
    TimetableContent& c = d.content;
    c.locomotiveTypes = {{"SP33", "Spalinowóz", "4", "4"}, {"SA12", "Szynobus", "2", "1"}};
    c.locomotiveTypeCount = 2;
    c.coaches = {"Wos1", "Wsy2", "Wtow4"};
    c.stationNames = {"Zielonka", "Borowiec", "Stare Sady"};
    c.trainNames = {"Jaskolka", "Kormoran"};
    c.depotNames = {"Lokomotywownia", "Parowozownia"};
    const std::vector<std::string> texts = {"1,1,0,", "2,3,1,5,0,", "1,2,2,4,0,"};
    c.compositions.assign(texts.begin(), texts.begin() + compositions);
    c.trains.assign(static_cast<std::size_t>(trains), sampleTrain());
    for (int i = 0; i < trains; ++i) c.trains[static_cast<std::size_t>(i)].arrivalNumber = 100 + i;
    return d;
}

using test::child;

// Chooses an entry of a drop-down list as the user does.
void choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// A session editing d, as after opening it.
struct SessionOf : test::OpenedSession {
    explicit SessionOf(const Timetable& d) : OpenedSession(d.content, d.rollingStockFolder) {}
};

Train editedUnchanged(const Timetable& d, const Train& stored) {
    const SessionOf opened(d);
    TrainDialog dialog(opened.session);
    dialog.setOriginal(stored);
    dialog.fillFromTrain();
    return dialog.train();
}

}  // namespace

class TrainsTest : public QObject {
    Q_OBJECT
private slots:
    // The form shows each stored value at its limit and brings one past it within range or
    // leaves its list without a selection; an unchanged "OK" gives the stored train back.
    void trainFormAtItsLimits() {
        const TrainListSizes sizes{3, 2, 1, 4, 5, 6};
        Train last = test::train(runTypeCount - 1, 2359, 0).platforms(limits::maxPlatform, 0);
        last.status = statusCount - 1;
        last.entryPoint = limits::maxPoint;
        last.standCoordinate = -limits::maxPoint;
        last.standPosition = limits::standPositions - 1;
        last.standTrackNumber = limits::maxTrackNumber;
        last.arrivalNumber = limits::maxTrainNumber;
        last.coupledWith = couplingCode(sizes.trains - 1, limits::maxCoach);
        last.arrivalTrainName = sizes.trainNames;
        last.originStation = sizes.stations - 1;
        last.symbolVehicle = sizes.vehicles;
        const TrainForm atLimits = formFromTrain(last, sizes);
        QCOMPARE(atLimits.runType, runTypeCount - 1);
        QCOMPARE(atLimits.status, statusCount - 1);
        QCOMPARE(atLimits.arrivalPlatform, limits::maxPlatform);
        QCOMPARE(atLimits.entryPoint, limits::maxPoint);
        QVERIFY(atLimits.standSet && atLimits.coupleRight);
        QCOMPARE(atLimits.standCoordinate, limits::maxPoint);
        QCOMPARE(atLimits.standPosition, limits::standPositions - 1);
        QCOMPARE(atLimits.arrivalNumber, limits::maxTrainNumber);
        QCOMPARE(atLimits.coupledTrain, sizes.trains - 1);
        QCOMPARE(atLimits.coupledCoach, limits::maxCoach - 1);
        QCOMPARE(atLimits.arrivalTrainName, sizes.trainNames);
        QCOMPARE(atLimits.originStation, sizes.stations - 1);
        QCOMPARE(atLimits.vehicle, sizes.vehicles - 1);
        QCOMPARE(trainFromForm(atLimits, false, last, &atLimits), last);

        Train beyond = test::train(runTypeCount, 2460, -1).platforms(limits::maxPlatform + 1, -1);
        beyond.status = statusCount;
        beyond.entryPoint = limits::maxPoint + 1;
        beyond.exitPoint = -1;
        beyond.standCoordinate = INT32_MIN;  // its distance does not fit 32 bits
        beyond.standPosition = limits::standPositions;
        beyond.standTrackNumber = limits::maxTrackNumber + 1;
        beyond.arrivalNumber = limits::maxTrainNumber + 1;
        beyond.coupledWith = couplingCode(sizes.trains, 1);
        beyond.toBeCoupledWith = couplingCode(1, 0);  // no coach
        beyond.arrivalTrainName = sizes.trainNames + 1;
        beyond.originStation = sizes.stations;
        beyond.symbolVehicle = sizes.vehicles + 1;
        beyond.arrivalCategory = 7;  // no such category
        beyond.reserved = 5;
        const TrainForm past = formFromTrain(beyond, sizes);
        for (int selection :
             {past.runType, past.status, past.arrivalPlatform, past.departurePlatform,
              past.standPosition, past.coupledTrain, past.toBeCoupledCoach, past.arrivalTrainName,
              past.originStation, past.vehicle, past.arrivalCategory}) {
            QCOMPARE(selection, -1);
        }
        QCOMPARE(past.arrivalHour, 23);
        QCOMPARE(past.arrivalMinute, 59);
        QCOMPARE(past.entryPoint, limits::maxPoint);
        QCOMPARE(past.exitPoint, 0);
        QCOMPARE(past.standCoordinate, limits::maxPoint);
        QCOMPARE(past.standTrackNumber, limits::maxTrackNumber);
        QCOMPARE(past.arrivalNumber, limits::maxTrainNumber);
        QCOMPARE(trainFromForm(past, false, beyond, &past), beyond);
        // A value the user changes is stored as shown; what could not be shown stays.
        TrainForm edited = past;
        edited.arrivalNumber = 1;
        edited.standCoordinate = 7;
        edited.coupleRight = false;
        const Train stored = trainFromForm(edited, false, beyond, &past);
        QCOMPARE(stored.arrivalNumber, 1);
        QCOMPARE(stored.standCoordinate, 7);
        QCOMPARE(stored.runType, beyond.runType);
        QCOMPARE(stored.coupledWith, beyond.coupledWith);
    }

    void symbolisingVehicleFollowsTheKindOfTheType() {
        const Timetable d = timetable();
        // Confirmed unchanged, a train keeps how it was stored, even where the type's kind
        // says otherwise.
        Train unit = sampleTrain();
        unit.symbolVehicle = 0;
        unit.symbolUnit = 1;  // the diesel: no self-propelled unit
        unit.unitDepot = 1;
        QCOMPARE(editedUnchanged(d, unit), unit);
        Train vehicle = sampleTrain();
        vehicle.symbolVehicle = 2;  // the rail bus, stored as a plain vehicle
        QCOMPARE(editedUnchanged(d, vehicle), vehicle);

        // Choosing the vehicle stores it as the kind of its type says.
        const SessionOf opened(d);
        for (const auto& [stored, item, asUnit] :
             {std::tuple{unit, 1, true}, std::tuple{vehicle, 0, false}}) {
            TrainDialog dialog(opened.session);
            dialog.setOriginal(stored);
            dialog.fillFromTrain();
            choose(child<QComboBox>(dialog, "symbolVehicle"), item);
            const Train back = dialog.train();
            QCOMPARE(back.symbolUnit, asUnit ? item + 1 : 0);
            QCOMPARE(back.symbolVehicle, asUnit ? 0 : item + 1);
            if (!asUnit) QCOMPARE(back.unitDepot, 0);
        }

        Train busInDepot = vehicle;
        busInDepot.symbolVehicle = 0;
        busInDepot.symbolUnit = 2;
        busInDepot.unitDepot = 1;
        QCOMPARE(editedUnchanged(d, busInDepot), busInDepot);

        Train nothing = sampleTrain();
        nothing.symbolVehicle = 40;  // names no vehicle: kept
        QCOMPARE(editedUnchanged(d, nothing), nothing);
    }

    void couplingAndStandEncodings() {
        const Timetable d = timetable();
        Train t = sampleTrain();
        t.coupledWith = 37;
        t.toBeCoupledWith = 12;
        t.standCoordinate = -120;
        t.standPosition = 9;
        t.standTrackNumber = 5;
        const SessionOf dialogSession(d);
        TrainDialog dialog(dialogSession.session);
        dialog.setOriginal(t);
        dialog.fillFromTrain();
        QCOMPARE(child<QComboBox>(dialog, "coupledTrain")->currentText(), QStringLiteral("3"));
        QCOMPARE(child<QComboBox>(dialog, "coupledCoach")->currentText(),
                 QStringLiteral("7 wagon"));
        QVERIFY(child<QCheckBox>(dialog, "standSet")->isChecked());
        QVERIFY(child<QCheckBox>(dialog, "coupleRight")->isChecked());
        QCOMPARE(child<QSpinBox>(dialog, "standCoordinate")->value(), 120);
        QCOMPARE(dialog.train(), t);

        child<QCheckBox>(dialog, "standSet")->setChecked(false);
        QVERIFY(!child<QSpinBox>(dialog, "standCoordinate")->isEnabled());
        QVERIFY(!child<QComboBox>(dialog, "standPosition")->isEnabled());
        QVERIFY(!child<QCheckBox>(dialog, "coupleRight")->isEnabled());
        const Train back = dialog.train();
        QCOMPARE(back.standCoordinate, 0);
        QCOMPARE(back.standPosition, 0);
        QCOMPARE(back.standTrackNumber, 0);

        // Each coupling group follows its own box.
        child<QCheckBox>(dialog, "coupled")->setChecked(false);
        QVERIFY(!child<QComboBox>(dialog, "coupledTrain")->isEnabled());
        QVERIFY(!child<QComboBox>(dialog, "coupledCoach")->isEnabled());
        QVERIFY(child<QComboBox>(dialog, "toBeCoupledTrain")->isEnabled());
        QVERIFY(child<QComboBox>(dialog, "toBeCoupledCoach")->isEnabled());
        child<QCheckBox>(dialog, "coupled")->setChecked(true);
        child<QCheckBox>(dialog, "toBeCoupled")->setChecked(false);
        QVERIFY(child<QComboBox>(dialog, "coupledCoach")->isEnabled());
        QVERIFY(!child<QComboBox>(dialog, "toBeCoupledCoach")->isEnabled());

        // A train index beyond the trains has no entry; the stored coupling stays.
        t.coupledWith = 93;
        QCOMPARE(editedUnchanged(d, t).coupledWith, 93);
    }

    void categoriesByCodeAndTheAcceptanceRule() {
        const Timetable d = timetable();
        Train t = sampleTrain();
        t.departureCategory = 6;
        t.arrivalCategory = 7;  // not in the table
        const SessionOf dialogSession(d);
        TrainDialog dialog(dialogSession.session);
        dialog.setOriginal(t);
        dialog.fillFromTrain();
        QCOMPARE(child<QComboBox>(dialog, "departureCategory")->currentText(),
                 QStringLiteral("ekspres"));
        QCOMPARE(child<QComboBox>(dialog, "arrivalCategory")->currentIndex(), -1);
        auto* ok = child<QPushButton>(dialog, "ok");
        QVERIFY(!ok->isEnabled());
        QVERIFY(!ok->isDefault() && !ok->autoDefault());
        choose(child<QComboBox>(dialog, "arrivalCategory"), 21);
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.train().arrivalCategory, 202);

        const SessionOf freshSession(d);

        TrainDialog fresh(freshSession.session);
        fresh.fillForNewTrain();
        QCOMPARE(fresh.findChild<QTabWidget*>()->currentIndex(), 0);
        auto* freshOk = child<QPushButton>(fresh, "ok");
        const char* required[] = {"arrivalCategory", "originStation", "departureCategory",
                                  "destinationStation"};
        for (const char* name : required) {
            QVERIFY(!freshOk->isEnabled());
            choose(child<QComboBox>(fresh, name), 0);
        }
        QVERIFY(freshOk->isEnabled());
    }

    void depotListFollowsTheChosenVehicle() {
        const Timetable d = timetable();
        const SessionOf dialogSession(d);
        TrainDialog dialog(dialogSession.session);
        dialog.fillForNewTrain();
        auto* vehicle = child<QComboBox>(dialog, "symbolVehicle");
        auto* depot = child<QComboBox>(dialog, "unitDepot");
        auto* label = child<QLabel>(dialog, "symbolDescription");
        QCOMPARE(vehicle->currentIndex(), 0);  // the first entry, a diesel
        QVERIFY(!depot->isEnabled());

        choose(vehicle, 1);  // rail bus, kind "2"
        QVERIFY(depot->isEnabled());
        QCOMPARE(depot->currentIndex(), 0);
        QCOMPARE(label->text(), QStringLiteral("Autobus szynowy - Szynobus"));
        choose(depot, 1);  // a choice in the depot list stands
        QCOMPARE(depot->currentIndex(), 1);
        QCOMPARE(dialog.train().unitDepot, 1);
        choose(vehicle, 1);  // choosing the vehicle again returns to the train's own depot
        QCOMPARE(depot->currentIndex(), 0);

        choose(vehicle, 3);  // a coach
        QVERIFY(!depot->isEnabled());
        QCOMPARE(depot->currentIndex(), -1);
        QCOMPARE(label->text(), QString());
        const Train back = dialog.train();
        QCOMPARE(back.symbolUnit, 0);
        QCOMPARE(back.symbolVehicle, 4);

        // A coach named like a locomotive type counts as that type.
        Timetable named = timetable();
        named.content.coaches[0] = "SA12";
        const SessionOf twinSession(named);
        TrainDialog twin(twinSession.session);
        twin.fillForNewTrain();
        choose(child<QComboBox>(twin, "symbolVehicle"), 2);
        QVERIFY(child<QComboBox>(twin, "unitDepot")->isEnabled());
        QCOMPARE(twin.train().symbolUnit, 3);
    }

    void compositionPreviewAndTrackBar() {
        for (const auto& [count, maximum, enabled, text] :
             {std::tuple{0, 1, false, "Nie zdefiniowano zestawień składów"},
              std::tuple{1, 0, true, "0 - brak widoku składu"},
              std::tuple{3, 2, true, "0 - brak widoku składu"}}) {
            const Timetable d = timetable(count);
            const SessionOf dialogSession(d);
            TrainDialog dialog(dialogSession.session);
            dialog.fillForNewTrain();
            auto* bar = child<QSlider>(dialog, "compositionSlider");
            QCOMPARE(bar->maximum(), maximum);
            QCOMPARE(bar->isEnabled(), enabled);
            QCOMPARE(child<QLabel>(dialog, "compositionCaption")->text(), QString::fromUtf8(text));
        }
        const Timetable d = timetable(3);
        const SessionOf dialogSession(d);
        TrainDialog dialog(dialogSession.session);
        dialog.fillForNewTrain();
        auto* bar = child<QSlider>(dialog, "compositionSlider");
        bar->setValue(1);  // pairs (2, 3) and (1, 5): coach 1, coach 1, coach 3
        QCOMPARE(child<QLabel>(dialog, "compositionCaption")->text(),
                 QStringLiteral("Zestwanie składu nr 1"));
        const ui::PictureStrip& strip = dialog.compositionStrip();
        QCOMPARE(strip.count(), 3);
        QCOMPARE(strip.pictureRect(0), QRect(8, 4, 120, 40));
        QCOMPARE(strip.pictureRect(1).topLeft(), QPoint(128, 4));
        QCOMPARE(strip.pictureRect(2), QRect(248, 4, 80, 40));
        bar->setValue(2);  // pairs (1, 2) and (2, 4): rail bus, coach 2, coach 2
        QCOMPARE(strip.count(), 3);
        QCOMPARE(strip.pictureRect(1).topLeft(), QPoint(8 + 90, 4));
        QCOMPARE(dialog.train().composition, 2);
        bar->setValue(0);
        QCOMPARE(strip.count(), 0);
    }

    // Every field at either extreme, one at a time, through the dialog: no arithmetic on a
    // stored value may overflow (the sanitizers watch), and an unchanged "OK" gives back
    // whatever the dialog cannot show. (The form at its limits: trainFormAtItsLimits.)
    void unchangedTrainKeepsWhatTheControlsCannotShow() {
        const Timetable d = timetable();
        QCOMPARE(editedUnchanged(d, sampleTrain()), sampleTrain());
        const SessionOf opened(d);
        for (int position = 1; position <= RecordLayout<Train>::fieldCount; ++position) {
            for (const int32_t extreme : {INT32_MIN, INT32_MAX}) {
                Train extremeTrain = sampleTrain();
                field(extremeTrain, position) = extreme;
                TrainDialog dialog(opened.session);
                dialog.setOriginal(extremeTrain);
                dialog.fillFromTrain();
                QCOMPARE(dialog.train(), extremeTrain);
            }
        }
    }

    // A long composition of pictures that do not exist reads the folder once, not once a
    // vehicle, and the fill builds the preview once.
    void missingPicturesListTheFolderOnce() {
        test::TempFolder pictures;
        for (int i = 0; i < 50; ++i)
            test::writeBytes(pictures / ("inny" + std::to_string(i) + ".bmp"), "x");
        Timetable d;
        d.rollingStockFolder = pictures.path().string() + "/";
        std::vector<int32_t> row;
        for (int i = 0; i < 2000; ++i) {
            d.content.coaches.push_back("Brak" + std::to_string(i));
            row.push_back(i + 1);
        }
        d.content.compositions = {"1,1,0,", compositionText(row)};
        Train stored = sampleTrain();
        stored.composition = 1;
        const SessionOf opened(d);
        const int before = ui::pictureFolderListings();
        TrainDialog dialog(opened.session);
        dialog.setOriginal(stored);
        dialog.fillFromTrain();
        QCOMPARE(dialog.compositionStrip().count(), 2000);
        QCOMPARE(ui::pictureFolderListings() - before, 1);
    }

    // Through the main window: each command is one step named in "Edycja", the delete asks
    // first, and undo gives the trains and the list back. (Random commands against undo and
    // redo are the editing session's property test.)
    // The copy dialog: the preview names the first train (a train that starts here by its
    // departure), the values confirmed last come back, a train coupled with one outside the
    // choice takes its consist along unless the user says no, and a number that becomes
    // exactly 99999 is accepted, one more refused.
    void seriesDialogRemembersAndTakesConsists() {
        TrainSeriesDialog::forgetValues();
        std::vector<Train> trains(3, sampleTrain());
        trains[0].runType = 1;  // starts here: no arrival
        trains[0].departureNumber = 99997;
        trains[0].departureTime = 2350;
        trains[1].coupledWith = 21;  // with train 2
        using Purpose = TrainSeriesDialog::Purpose;
        {
            TrainSeriesDialog dialog(Purpose::copy, trains, {0});
            QCOMPARE(child<QLabel>(dialog, "preview")->text(),
                     QStringLiteral("Pociąg 99997 — 1 kopia: 23:50 → 0:50; numery 99997 → 99997"));
            QVERIFY(dialog.findChild<QCheckBox*>(QStringLiteral("takeCoupled")) == nullptr);
            child<QSpinBox>(dialog, "numberChange")->setValue(1);
            child<QSpinBox>(dialog, "copies")->setValue(2);  // 99998, 99999: the last number
            child<QSpinBox>(dialog, "minutes")->setValue(-15);
            test::ScriptedPrompter prompter;
            child<QPushButton>(dialog, "ok")->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        {
            TrainSeriesDialog dialog(Purpose::copy, trains, {0});
            QCOMPARE(dialog.rule().minutes, -15);
            QCOMPARE(dialog.rule().numberChange, 1);
            QCOMPARE(dialog.rule().copies, 2);
            child<QSpinBox>(dialog, "copies")->setValue(3);  // 100000
            QVERIFY(child<QLabel>(dialog, "preview")->text().contains(QStringLiteral("100000")));
            test::ScriptedPrompter prompter;
            child<QPushButton>(dialog, "ok")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));  // refused, still open
            QCOMPARE(prompter.messageTexts().size(), qsizetype(1));
        }
        // The time shift keeps its own values.
        QCOMPARE(TrainSeriesDialog(Purpose::shift, trains, {0}).rule().minutes, 60);
        {
            TrainSeriesDialog dialog(Purpose::copy, trains, {1});
            auto* take = child<QCheckBox>(dialog, "takeCoupled");
            QVERIFY(take->isChecked());
            QCOMPARE(dialog.group(), (std::vector<std::size_t>{1, 2}));
            QVERIFY(child<QLabel>(dialog, "preview")
                        ->text()
                        .startsWith(QStringLiteral("Pociąg 4512 i 1 inny — ")));
            take->setChecked(false);
            QCOMPARE(dialog.group(), (std::vector<std::size_t>{1}));
            QVERIFY(child<QLabel>(dialog, "preview")
                        ->text()
                        .startsWith(QStringLiteral("Pociąg 4512 — ")));
        }
        TrainSeriesDialog::forgetValues();
    }

    void commandsThroughTheWindowWithUndo() {
        test::TempFolder folder;
        test::ScriptedPrompter prompter;
        app::MainWindow window(QString::fromStdString((folder / "Rylmo.ini").string()));
        editing::EditingSession& session = window.session();
        const std::vector<Train> five = timetable(3, 5).content.trains;
        session.open(timetable(3, 5).content, "", "test.roz");
        window.newDocument();
        auto action = [&](const char* name) {
            return window.findChild<QAction*>(QString::fromLatin1(name));
        };
        QVERIFY(!action("undo")->isEnabled());

        window.trainList()->selectRow(1);
        prompter.dialogs.push_back([](QDialog& dialog) {
            QCOMPARE(child<QComboBox>(dialog, "coupledTrain")->count(), 5);
            child<QSpinBox>(dialog, "departureMinute")->setValue(44);
            child<QPushButton>(dialog, "ok")->click();
        });
        action("editTrain")->trigger();
        QCOMPARE(window.trainModel()->index(1, 6).data().toString(), QStringLiteral("744"));
        QCOMPARE(action("undo")->text(), QStringLiteral("Cofnij edycję pociągu 1"));

        window.trainList()->selectRow(2);
        prompter.answers = {QMessageBox::No, QMessageBox::Yes};
        action("deleteTrain")->trigger();
        QCOMPARE(window.trainModel()->rowCount(), 5);
        QCOMPARE(prompter.messages.back().defaultButton, QMessageBox::No);
        action("deleteTrain")->trigger();
        QCOMPARE(window.trainModel()->index(2, 10).data().toString(), QStringLiteral("103"));

        action("undo")->trigger();
        QCOMPARE(action("redo")->text(), QStringLiteral("Ponów usunięcie pociągu 2"));
        action("undo")->trigger();
        QCOMPARE(window.document().content.trains, five);
        QVERIFY(!window.document().modified);
        QVERIFY(!action("saveDocument")->isEnabled());

        // A double-click below the rows, where nothing is selected, opens nothing.
        window.trainList()->clearSelection();
        window.show();
        QTest::mouseDClick(window.trainList()->viewport(), Qt::LeftButton, {},
                           QPoint(10, window.trainList()->viewport()->height() - 5));
        QCOMPARE(prompter.dialogTitles.size(), std::size_t(1));
    }
};

std::unique_ptr<QObject> makeChartTest();
std::unique_ptr<QObject> makePlanningTest();

int main(int argc, char** argv) {
    return test::runSuites<ui::RylmoApplication>(
        argc, argv, {test::suite<TrainsTest>(), makeChartTest, makePlanningTest});
}

#include "TrainsTest.moc"
