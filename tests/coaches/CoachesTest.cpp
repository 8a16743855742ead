#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "Child.h"
#include "OpenedSession.h"
#include "TestMain.h"
#include "coaches/CoachesDialog.h"
#include "coaches/CompositionRow.h"
#include "coaches/CompositionView.h"
#include "coaches/CompositionsDialog.h"
#include "editing/EditingSession.h"
#include "ui/PictureStrip.h"
#include "ui/RylmoApplication.h"

using namespace rylmo;
using namespace rylmo::coaches;

namespace {

const QString kPictures = QStringLiteral(RYLMO_SAMPLE_FOLDER "/tabor/");

using test::child;

// Vehicles 1, 2 are types; 3, 4, 5 the coaches Wos1 (120 px), Wsy2, Wtow4 (80 px).
TimetableContent rollingStock() {
    TimetableContent c;
    c.locomotiveTypes = {{"SP33", "Spalinowoz", "4", "4"}, {"SA12", "Szynobus", "2", "1"}};
    c.locomotiveTypeCount = 2;
    c.coaches = {"Wos1", "Wsy2", "Wtow4"};
    c.compositions = {"1,1,0,", "2,3,1,5,0,", "-1,3,1,5,0,", "1,x,0,", "1,9,0,"};
    c.trains.resize(3);
    c.trains[1].composition = 1;
    c.trains[2].composition = 1;
    return c;
}

struct Fixture : test::OpenedSession {
    explicit Fixture(const TimetableContent& content = rollingStock()) : OpenedSession(content) {}
};

void selectRow(QDialog& dialog, const char* list, int row) {
    auto* view = child<QListView>(dialog, list);
    view->setCurrentIndex(view->model()->index(row, 0));
}

}  // namespace

class CoachesTest : public QObject {
    Q_OBJECT
private slots:
    void rowOperations() {
        CompositionRow row;
        QCOMPARE(row.maximum(), 1);
        QVERIFY(!row.canChangeTo(3));
        row.insert(3);  // into an empty row: the first vehicle
        row.insert(5);  // before the shown one, and shown
        QCOMPARE(row.vehicles(), (std::vector<int32_t>{5, 3}));
        QCOMPARE(row.shown(), 5);
        row.moveTo(2);
        row.insert(3);
        QCOMPARE(row.vehicles(), (std::vector<int32_t>{5, 3, 3}));
        QCOMPARE(row.position(), 2);
        QCOMPARE(row.text(), std::string("1,5,2,3,0,"));
        QVERIFY(!row.canChangeTo(3));
        row.changeShown(1);
        QCOMPARE(row.text(), std::string("1,5,1,1,1,3,0,"));  // runs merge only when adjacent
        row.moveTo(9);
        QCOMPARE(row.position(), 3);
        row.removeShown();
        QCOMPARE(row.position(), 2);
        row.removeShown();
        row.removeShown();
        QVERIFY(row.empty());
        QCOMPARE(row.maximum(), 1);
        QCOMPARE(CompositionRow({3, 3, 5}).text(), std::string("2,3,1,5,0,"));
    }

    void stripsOfTheDialogAndTheView() {
        Fixture f;
        CompositionsDialog dialog(f.session, QStringLiteral("Wagony"),
                                  QStringLiteral("Lokomotywy"));
        selectRow(dialog, "compositions", 1);
        const ui::PictureStrip& strip = dialog.strip();
        QCOMPARE(strip.count(), 3);
        QCOMPARE(strip.pictureRect(0), QRect(10, 8, 120, 40));
        QCOMPARE(strip.pictureRect(1).topLeft(), QPoint(130, 8));
        QCOMPARE(strip.pictureRect(2).topLeft(), QPoint(250, 8));
        QVERIFY(strip.picture(0).hasAlphaChannel());

        CompositionView view(f.session.document(), {3, 3, 5});
        QCOMPARE(view.strip().pictureRect(0), QRect(0, 8, 120, 40));
        QCOMPARE(view.strip().pictureRect(2).topLeft(), QPoint(240, 8));
        QVERIFY(!view.strip().picture(0).hasAlphaChannel());

        selectRow(dialog, "compositions", 2);  // a negative run length places nothing
        QCOMPARE(strip.count(), 1);
        selectRow(dialog, "compositions", 4);  // a vehicle that does not exist: its number
        QCOMPARE(strip.count(), 1);
        QCOMPARE(strip.entry(0).placeholder, QStringLiteral("9"));

        // A text that does not read: an empty strip, and "Edytuj" says why.
        selectRow(dialog, "compositions", 3);
        QCOMPARE(strip.count(), 0);
        dialog.editComposition();
        QVERIFY(f.prompter.dialogTitles.empty());
        QCOMPARE(
            f.prompter.messageTexts().last(),
            QStringLiteral("Nie można edytować składu nr 3: 'x' is not a valid integer value."));
    }

    void compositionsAddEditDeleteWithUndo() {
        Fixture f;
        CompositionsDialog dialog(f.session, QStringLiteral("Wagony"),
                                  QStringLiteral("Lokomotywy"));
        // A locomotive and three coaches.
        f.prompter.dialogs.push_back([&f](QDialog& editor) {
            QCOMPARE(editor.windowTitle(), QStringLiteral("Nowy skład"));
            auto* type = child<QComboBox>(editor, "type");
            QCOMPARE(type->count(), 5);
            QVERIFY(!child<QPushButton>(editor, "ok")->isEnabled());
            QVERIFY(!child<QPushButton>(editor, "insert")->isEnabled());
            // Empty, the track bar still spans 1..1: the counter says 0, not 1.
            QCOMPARE(child<QLabel>(editor, "counter")->text(),
                     QStringLiteral("Liczba wagonów w składzie: 0"));
            for (int item : {3, 3, 2, 0}) {  // each inserted before the one shown
                type->setCurrentIndex(item);
                child<QPushButton>(editor, "insert")->click();
            }
            QCOMPARE(child<QLabel>(editor, "counter")->text(),
                     QStringLiteral("Liczba wagonów w składzie: 4"));
            QCOMPARE(child<QSlider>(editor, "vehicles")->maximum(), 4);
            f.prompter.dialogs.push_front([](QDialog& view) {
                QCOMPARE(view.windowTitle(), QStringLiteral("Skład"));
                QCOMPARE(static_cast<CompositionView&>(view).strip().count(), 4);
            });
            child<QPushButton>(editor, "preview")->click();
            child<QPushButton>(editor, "ok")->click();
        });
        dialog.addComposition();
        QCOMPARE(f.session.content().compositions.back(), std::string("1,1,1,3,2,4,0,"));
        QCOMPARE(dialog.selectedComposition(), 5);
        QCOMPARE(dialog.strip().count(), 4);

        // Edit: change the first vehicle and remove the third, which asks first.
        selectRow(dialog, "compositions", 1);
        f.prompter.answers = {QMessageBox::Yes};
        f.prompter.dialogs.push_back([](QDialog& editor) {
            QCOMPARE(editor.windowTitle(), QStringLiteral("Edycja składu"));
            auto* type = child<QComboBox>(editor, "type");
            QCOMPARE(type->currentText(), QStringLiteral("Wos1"));
            QVERIFY(!child<QPushButton>(editor, "change")->isEnabled());
            type->setCurrentIndex(1);
            child<QPushButton>(editor, "change")->click();
            child<QSlider>(editor, "vehicles")->setValue(3);
            child<QPushButton>(editor, "remove")->click();
            child<QPushButton>(editor, "ok")->click();
        });
        dialog.editComposition();
        QCOMPARE(f.session.content().compositions[1], std::string("1,2,1,3,0,"));
        QCOMPARE(f.prompter.messageTexts().last(),
                 QStringLiteral("Czy napewno chcesz usunąć wybrany wagon ze składu?"));

        // Delete says that two trains lose the composition; nothing is selected afterwards.
        f.prompter.answers = {QMessageBox::Yes};
        dialog.deleteComposition();
        QCOMPARE(f.prompter.messageTexts().last(),
                 QStringLiteral("Czy napewno chcesz usunąć wybrany zestawienie wagonów z "
                                "list?\n2 pociągi stracą skład wagonów."));
        QCOMPARE(f.session.content().compositions.size(), std::size_t(5));
        QCOMPARE(dialog.selectedComposition(), -1);
        QVERIFY(!child<QPushButton>(dialog, "edit")->isEnabled());
        QCOMPARE(dialog.strip().count(), 0);

        while (f.session.undoStack().canUndo()) f.session.undoStack().undo();
        QCOMPARE(f.session.content(), rollingStock());
    }

    void nothingToComposeFrom() {
        Fixture f(TimetableContent{});
        CompositionsDialog dialog(f.session, QStringLiteral("Wagony"),
                                  QStringLiteral("Lokomotywy"));
        dialog.addComposition();
        QVERIFY(f.prompter.dialogTitles.empty());
        QCOMPARE(f.prompter.messages.back().icon, QMessageBox::Information);
        QCOMPARE(f.prompter.messageTexts().last(),
                 QStringLiteral("Nie zdefiniowano dostępnych lokomotyw lub wagonów. Należy "
                                "najpierw uzupełnić opcję "
                                "\"Wagony\" lub \"Lokomotywy\" ."));
    }

    void coachesAddAndDeleteWithUndo() {
        Fixture f;
        CoachesDialog dialog(f.session);
        QCOMPARE(dialog.selectedCoach(), 0);
        QCOMPARE(child<QLabel>(dialog, "preview")->pixmap().size(), QSize(120, 40));

        f.prompter.fileNames = {QStringLiteral("/gdzie/indziej/Wagon_bar.old.bmp"),
                                QStringLiteral("/gdzie/.bmp")};
        dialog.addCoach();
        QCOMPARE(f.prompter.openFolders.back(), kPictures);
        QCOMPARE(f.prompter.fileDialogs.back(), QStringLiteral("open|Bitmapa (*.bmp)|*.bmp"));
        QCOMPARE(f.session.content().coaches.back(), std::string("Wagon_bar"));
        QCOMPARE(dialog.selectedCoach(), 3);
        QCOMPARE(child<QLabel>(dialog, "preview")->pixmap().size(),
                 QSize(80, 40));  // not in the folder
        dialog.addCoach();        // a file with nothing before its dot is refused
        QCOMPARE(f.session.content().coaches.size(), std::size_t(4));
        QCOMPARE(f.prompter.messageTexts().last(),
                 QStringLiteral(
                     "Nie można dodać wagonu: nazwa pliku „.bmp” nie ma części przed kropką."));

        // With references not kept ("Opcje"), the question says what will point elsewhere.
        f.session.setKeepsReferences(false);
        selectRow(dialog, "coachNames", 0);
        f.prompter.answers = {QMessageBox::Yes};
        dialog.deleteCoach();
        QCOMPARE(
            f.prompter.messageTexts().last(),
            QStringLiteral(
                "Czy napewno chcesz usunąć wagon Wos1?\nOdwołania do tej pozycji: 1 skład. Numery "
                "w "
                "nich (i odwołania do dalszych pozycji) nie zmienią się, więc wskażą inne pozycje "
                "listy."));
        QCOMPARE(f.session.content().coaches,
                 (std::vector<std::string>{"Wsy2", "Wtow4", "Wagon_bar"}));
        QCOMPARE(f.session.undoStack().undoText(), QStringLiteral("usunięcie wagonu"));
        f.session.undoStack().undo();
        f.session.undoStack().undo();
        QCOMPARE(f.session.content(), rollingStock());
        QCOMPARE(child<QListView>(dialog, "coachNames")->model()->rowCount(), 3);
    }
};

int main(int argc, char** argv) {
    return test::runSuites<ui::RylmoApplication>(argc, argv, {test::suite<CoachesTest>()});
}

#include "CoachesTest.moc"
