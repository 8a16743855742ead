#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <numeric>
#include <random>

#include "TestMain.h"
#include "document/TrainClipboard.h"
#include "document/TrainCopies.h"
#include "editing/EditingSession.h"
#include "editing/TrainFilterModel.h"
#include "editing/TrainListModel.h"
#include "models/NumberListModel.h"

using namespace rylmo;
using editing::EditingSession;
using editing::GeneralText;

namespace {

// Trains whose every field differs from train to train and from field to field.
TimetableContent generatedTimetable(int trains) {
    TimetableContent c;
    c.version = 2;
    c.stationNames = {"Zielonka", "Borowiec", "Stare Sady"};
    c.trainNames = {"Jaskolka"};
    c.depotNames = {"Lokomotywownia"};
    c.locomotiveTypes = {{"SP33", "Spalinowóz", "4", "4"}};
    c.locomotiveTypeCount = 1;
    for (int i = 0; i < trains; ++i) {
        Train t;
        for (int f = 1; f <= RecordLayout<Train>::fieldCount; ++f) field(t, f) = i * 100 + f;
        t.arrivalCategory = 2;
        t.departureCategory = 6;
        t.originStation = i % 3;
        t.destinationStation = (i + 1) % 3;
        c.trains.push_back(t);
    }
    return c;
}

// The list shows exactly the session's trains.
void checkListFollows(const EditingSession& session) {
    const auto* model = session.trainListModel();
    const auto& trains = session.content().trains;
    QCOMPARE(model->rowCount(), static_cast<int>(trains.size()));
    QCOMPARE(session.trainIndexModel()->rowCount(), static_cast<int>(trains.size()));
    for (int row : {0, model->rowCount() / 2, model->rowCount() - 1}) {
        if (row < 0) continue;
        QCOMPARE(model->index(row, 0).data().toString(), QString::number(row));
        QCOMPARE(model->index(row, 10).data().toString(),
                 QString::number(trains[static_cast<std::size_t>(row)].arrivalNumber));
    }
}

// The arranged list shows exactly the trains that match its search, by their numbers falling,
// equal numbers in file order.
void checkArrangedList(const EditingSession& session, const editing::TrainFilterModel& arranged,
                       const QString& search) {
    const auto* model = session.trainListModel();
    const auto& trains = session.content().trains;
    std::vector<int> expected;
    for (int i = 0; i < static_cast<int>(trains.size()); ++i)
        if (model->searchText(i).contains(search)) expected.push_back(i);
    const auto number = [&](int i) { return trains[static_cast<std::size_t>(i)].arrivalNumber; };
    std::stable_sort(expected.begin(), expected.end(),
                     [&](int a, int b) { return number(a) > number(b); });
    QCOMPARE(arranged.rowCount(), static_cast<int>(expected.size()));
    for (int row = 0; row < arranged.rowCount(); ++row) {
        QCOMPARE(arranged.trainAt(row), expected[static_cast<std::size_t>(row)]);
        QCOMPARE(arranged.rowOf(expected[static_cast<std::size_t>(row)]), row);
        QCOMPARE(arranged.index(row, 10).data().toInt(), number(expected[std::size_t(row)]));
    }
}

// A session opened on a generated timetable, a list over it sorted by the numbers falling and
// searched for "7", and a source of random numbers.
struct RandomEditing {
    EditingSession session;
    TimetableContent original;
    editing::TrainFilterModel arranged{session.trainListModel()};
    const QString search = QStringLiteral("7");
    std::mt19937 random;

    RandomEditing(int trains, unsigned seed) : original(generatedTimetable(trains)), random(seed) {
        session.open(original, "/tmp/", "a.roz");
        arranged.sort(10, Qt::DescendingOrder);
        arranged.setSearch(search);
    }
    int below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
    // Both lists show exactly the session's trains.
    void check() {
        checkListFollows(session);
        checkArrangedList(session, arranged, search);
    }
    // Undoing every step gives back the opened timetable, redoing them the edited one.
    void undoAndRedoAll() {
        const TimetableContent edited = session.content();
        QVERIFY(session.isModified());
        while (session.undoStack().canUndo()) session.undoStack().undo();
        QCOMPARE(session.content(), original);
        QVERIFY(!session.isModified());
        check();
        while (session.undoStack().canRedo()) session.undoStack().redo();
        QCOMPARE(session.content(), edited);
        QVERIFY(session.isModified());
        check();
    }
};

}  // namespace

class EditingSessionTest : public QObject {
    Q_OBJECT
private slots:
    // Random inserts, replacements and removals of trains, each one step; undoing all of them
    // gives back the opened timetable, redoing all of them the edited one, and the lists follow
    // every step.
    void randomTrainEditsUndoAndRedoExactly() {
        RandomEditing r(40, 20261206);
        EditingSession& session = r.session;
        for (int i = 0; i < 300; ++i) {
            const int count = static_cast<int>(session.content().trains.size());
            Train train = r.original.trains[static_cast<std::size_t>(r.below(40))];
            train.arrivalNumber = r.below(50) * 10;  // equal numbers keep the file order
            const int kind = count == 0 ? 0 : r.below(3);
            if (kind == 0) {
                session.insertEntry(&TimetableContent::trains, r.below(count + 1), train,
                                    QStringLiteral("dodanie pociągu"));
            } else if (kind == 1) {
                const int row = r.below(count);
                session.replaceEntry(&TimetableContent::trains, row, train,
                                     QStringLiteral("zmianę pociągu"));
                QCOMPARE(session.content().trains[static_cast<std::size_t>(row)], train);
            } else {
                session.removeEntry(&TimetableContent::trains, r.below(count),
                                    QStringLiteral("usunięcie pociągu"));
                QCOMPARE(static_cast<int>(session.content().trains.size()), count - 1);
            }
            QCOMPARE(session.undoStack().count(), i + 1);
            r.check();
        }
        r.undoAndRedoAll();
    }

    // Copies, time shifts, pastes and deletions of random selections, each one step, undo and
    // redo exactly; scattered selections come to the lists as the list anew.
    void severalTrainsAtOnceUndoAndRedoExactly() {
        RandomEditing r(120, 20261207);
        EditingSession& session = r.session;
        QSignalSpy resets(&session, &EditingSession::listReset);
        for (int i = 0; i < 50; ++i) {
            const std::vector<Train>& trains = session.content().trains;
            const int count = static_cast<int>(trains.size());
            // Up to 70 scattered trains, in no order: often more runs than views follow one
            // by one.
            std::vector<int> rows(static_cast<std::size_t>(count));
            std::iota(rows.begin(), rows.end(), 0);
            std::shuffle(rows.begin(), rows.end(), r.random);
            rows.resize(static_cast<std::size_t>(std::min(count, 1 + r.below(70))));
            const std::vector<std::size_t> group(rows.begin(), rows.end());
            const int stepsBefore = session.undoStack().count();
            switch (r.below(5)) {
                case 0: {
                    const CopyRule rule{r.below(2879) - 1439, r.below(11) - 5, r.below(2) + 1};
                    if (!copyRefusal(trains, group, rule).empty()) continue;
                    session.insertEntries(&TimetableContent::trains, count,
                                          trainCopies(trains, group, rule),
                                          QStringLiteral("skopiowanie"));
                    break;
                }
                case 1: {
                    std::vector<Train> moved;
                    for (int row : rows)
                        moved.push_back(shiftedTrain(trains[std::size_t(row)], r.below(100)));
                    session.replaceEntries(&TimetableContent::trains, rows, moved,
                                           QStringLiteral("przesunięcie"));
                    break;
                }
                case 2: {
                    const auto pasted =
                        std::get<PastedTrains>(readPastedTrains(trainClipboardText(trains, group)));
                    session.insertEntries(&TimetableContent::trains, count,
                                          appendedGroup(pasted.trains, pasted.from, trains.size()),
                                          QStringLiteral("wklejenie"));
                    break;
                }
                default:
                    if (rows.size() == trains.size()) continue;
                    session.removeEntries(&TimetableContent::trains, rows,
                                          QStringLiteral("usunięcie"));
                    QCOMPARE(static_cast<int>(session.content().trains.size()),
                             count - static_cast<int>(rows.size()));
            }
            QCOMPARE(session.undoStack().count(), stepsBefore + 1);
            r.check();
        }
        QVERIFY(session.undoStack().count() > 30);
        QVERIFY(resets.count() > 3);
        QVERIFY(session.content().trains.size() < 2000);
        r.undoAndRedoAll();
    }

    void textEditsAndStepsUndoExactly() {
        EditingSession session;
        const TimetableContent original = generatedTimetable(2);
        session.open(original, "/tmp/", "a.roz");

        {
            EditingSession::Step step(session, QStringLiteral("zmianę nazw"));
            session.replaceTextList(&TimetableContent::stationNames, {"A", "B"}, {});
            session.replaceEntry(&TimetableContent::depotNames, 0, std::string("Parowozownia"), {});
            session.setGeneralText(GeneralText::startTime, "815", {});
        }
        QCOMPARE(session.undoStack().count(), 1);
        QCOMPARE(session.undoStack().undoText(), QStringLiteral("zmianę nazw"));
        QCOMPARE(session.content().stationNames, (std::vector<std::string>{"A", "B"}));
        QCOMPARE(session.content().startTime, std::string("815"));
        session.undoStack().undo();
        QCOMPARE(session.content(), original);

        // A position outside the list is refused before anything is pushed.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 session.removeEntry(&TimetableContent::trains, 2, {}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, session.insertEntry(&TimetableContent::coaches,
                                                                        1, std::string("x"), {}));
        QCOMPARE(session.undoStack().index(), 0);

        // The list of train positions the dialogs offer follows deletions and their undo.
        QCOMPARE(session.trainIndexModel()->rowCount(), 2);
        session.removeEntry(&TimetableContent::trains, 0, {});
        QCOMPARE(session.trainIndexModel()->rowCount(), 1);
        session.undoStack().undo();
        QCOMPARE(session.trainIndexModel()->rowCount(), 2);
    }

    // The view's selection stays on its trains through inserts and removals (a few runs of
    // rows or many), sorting and undo; Qt's own keeping is not used, so the selection stays a
    // few ranges whatever its size.
    void selectionStaysOnItsTrains() {
        EditingSession session;
        session.open(generatedTimetable(200), "/tmp/", "a.roz");
        editing::TrainFilterModel arranged{session.trainListModel()};
        QItemSelectionModel selection(&arranged);
        arranged.followSelection(&selection);
        const auto selected = [&] {
            std::vector<int> trains;
            for (const QItemSelectionRange& range : selection.selection())
                for (int row = range.top(); row <= range.bottom(); ++row)
                    trains.push_back(arranged.trainAt(row));
            std::sort(trains.begin(), trains.end());
            return trains;
        };
        const auto selectTrains = [&](const std::vector<int>& trains) {
            QItemSelection chosen;
            for (int train : trains) {
                const int row = arranged.rowOf(train);
                chosen.select(arranged.index(row, 0),
                              arranged.index(row, arranged.columnCount() - 1));
            }
            selection.select(chosen, QItemSelectionModel::ClearAndSelect);
        };
        const auto range = [](int first, int last) {
            std::vector<int> trains(static_cast<std::size_t>(last - first + 1));
            std::iota(trains.begin(), trains.end(), first);
            return trains;
        };
        selection.select(QItemSelection(arranged.index(10, 0), arranged.index(19, 26)),
                         QItemSelectionModel::ClearAndSelect);
        session.insertEntry(&TimetableContent::trains, 15, Train{}, {});
        std::vector<int> expected = range(10, 14);
        for (int train : range(16, 20)) expected.push_back(train);
        QCOMPARE(selected(), expected);
        QCOMPARE(selection.selection().size(), 2);

        // An insert at the selected train's own position: the selection moves with the train.
        selectTrains({30});
        session.insertEntry(&TimetableContent::trains, 30, Train{}, {});
        QCOMPARE(selected(), std::vector<int>{31});
        session.undoStack().undo();
        QCOMPARE(selected(), std::vector<int>{30});
        session.removeEntry(&TimetableContent::trains, 30, {});
        QVERIFY(selected().empty());

        // Sorted by numbers that scatter the file's order: a block of 40 trains takes more
        // runs of rows than go one by one (a layout change), one of 20 fewer; and their undo.
        TimetableContent scattered = generatedTimetable(200);
        for (std::size_t i = 0; i < scattered.trains.size(); ++i)
            scattered.trains[i].arrivalNumber = static_cast<int32_t>((i * 149) % 200);
        session.open(scattered, "/tmp/", "b.roz");
        arranged.sort(10, Qt::AscendingOrder);
        const std::vector<int> chosen{0, 1, 2, 50, 51, 198};
        for (int first : {100, 20}) {
            selectTrains(chosen);
            const int count = first == 100 ? 40 : 20;
            session.removeEntries(&TimetableContent::trains, range(first, first + count - 1), {});
            QCOMPARE(arranged.rowCount(), 200 - count);
            std::vector<int> moved;
            for (int train : chosen) moved.push_back(train > first ? train - count : train);
            QCOMPARE(selected(), moved);
            session.undoStack().undo();
            QCOMPARE(selected(), chosen);
            QVERIFY(selection.selection().size() <= 6);
        }
    }

    // Searched but not sorted, an edited train is shown or hidden by its new texts; a search
    // that matches the very end of a text finds it; texts gathered in the background before an
    // edit are never installed after it.
    void searchFollowsEditsToTheLastCharacter() {
        EditingSession session;
        session.open(generatedTimetable(2000), "/tmp/", "a.roz");
        // An edit while the texts are still being gathered.
        QVERIFY(session.trainListModel()->isGatheringSearchTexts());
        Train marked = session.content().trains[5];
        marked.reserved = 987654;  // the last field: the end of the text
        session.replaceEntry(&TimetableContent::trains, 5, marked, {});
        QTRY_VERIFY_WITH_TIMEOUT(!session.trainListModel()->isGatheringSearchTexts(), 60000);
        QVERIFY(session.trainListModel()->searchText(5).endsWith(QStringLiteral("987654")));

        editing::TrainFilterModel arranged{session.trainListModel()};
        arranged.setSearch(QStringLiteral("987654"));
        QCOMPARE(arranged.rowCount(), 1);
        QCOMPARE(arranged.trainAt(0), 5);
        marked.reserved = 0;
        session.replaceEntry(&TimetableContent::trains, 5, marked, {});
        QCOMPARE(arranged.rowCount(), 0);
        marked.reserved = 987654;
        session.replaceEntry(&TimetableContent::trains, 7, marked, {});
        QCOMPARE(arranged.rowCount(), 1);
        QCOMPARE(arranged.trainAt(0), 7);
    }

    // A deletion and the changes that keep the other references right are one step: undo
    // gives back the content exactly, redo the content after; off, only the rows go.
    void deletingKeepsReferencesAsOneStep() {
        TimetableContent original = generatedTimetable(40);
        original.coaches = {"W1", "W2", "W3"};
        original.compositions = {"", "1,2,1,3,0,", "2,4,0,"};
        original.probabilities = {"100,"};
        for (std::size_t i = 0; i < original.trains.size(); ++i) {
            Train& t = original.trains[i];
            t.coupledWith = static_cast<int32_t>((i * 7) % 40) * 10 + 1;
            t.symbolVehicle = static_cast<int32_t>(i % 5);
            t.composition = static_cast<int32_t>(i % 3);
            original.passages.push_back(
                {1, 0, static_cast<int32_t>(i), static_cast<int32_t>(39 - i), 1});
        }
        struct Case {
            editing::EntryList list;
            std::vector<int> rows;
        };
        const Case cases[] = {
            {editing::EntryList::trains, {0, 5, 6, 39}}, {editing::EntryList::coaches, {0}},
            {editing::EntryList::compositions, {1}},     {editing::EntryList::locomotiveTypes, {0}},
            {editing::EntryList::probabilities, {0}},    {editing::EntryList::stationNames, {1}}};
        for (const Case& c : cases) {
            for (bool keep : {true, false}) {
                EditingSession session;
                session.open(original, "/tmp/", "a.roz");
                session.setKeepsReferences(keep);
                const ReferenceChanges changes = session.deletionChanges(c.list, c.rows);
                QCOMPARE(changes.effects.any(), keep);
                session.deleteEntries(c.list, c.rows, changes, QStringLiteral("usunięcie"));
                QCOMPARE(session.undoStack().count(), 1);
                QCOMPARE(session.content().locomotiveTypeCount,
                         static_cast<int32_t>(session.content().locomotiveTypes.size()));
                const TimetableContent after = session.content();
                QVERIFY(!(after == original));
                session.undoStack().undo();
                QVERIFY(session.content() == original);
                session.undoStack().redo();
                QVERIFY(session.content() == after);
                checkListFollows(session);
            }
        }
    }

    // What the one step leaves, reference by reference: deleting trains 0, 5, 6 and 39 of 40
    // (the first, a run, the last) keeps every coupling and passage naming the train it named,
    // drops the couplings to deleted trains and the passages that move their locomotives.
    void deletingTrainsKeepsEveryReferenceOnItsTrain() {
        TimetableContent original = generatedTimetable(40);
        original.passages.clear();
        for (int32_t i = 0; i < 40; ++i) {
            Train& t = original.trains[static_cast<std::size_t>(i)];
            t.arrivalNumber = 1000 + i;  // who each train is
            t.coupledWith = ((i * 7) % 40) * 10 + 1;
            original.passages.push_back({1, 0, i, 39 - i, 1});
        }
        original.passages.push_back({1, 0, -6, 7, 1});  // from the depot, with train 6's sign
        original.passages.push_back({1, 0, -8, 7, 1});
        const std::vector<int> deleted = {0, 5, 6, 39};
        const auto gone = [&](int32_t train) {
            return std::find(deleted.begin(), deleted.end(), std::abs(train)) != deleted.end();
        };
        EditingSession session;
        session.open(original, "/tmp/", "a.roz");
        session.setKeepsReferences(true);
        session.deleteEntries(editing::EntryList::trains, deleted,
                              session.deletionChanges(editing::EntryList::trains, deleted),
                              QStringLiteral("usunięcie"));
        QCOMPARE(session.undoStack().count(), 1);
        const TimetableContent& after = session.content();
        QCOMPARE(after.trains.size(), std::size_t(36));
        const auto tagOf = [](const TimetableContent& c, int32_t train) {
            return c.trains[static_cast<std::size_t>(std::abs(train))].arrivalNumber;
        };
        for (const Train& t : after.trains) {
            const int32_t was = t.arrivalNumber - 1000;
            const int32_t target = original.trains[static_cast<std::size_t>(was)].coupledWith / 10;
            if (gone(target)) {
                QCOMPARE(t.coupledWith, 0);
            } else {
                QCOMPARE(t.coupledWith % 10, 1);
                QCOMPARE(tagOf(after, t.coupledWith / 10), 1000 + target);
            }
        }
        std::vector<std::pair<int32_t, int32_t>> expected, kept;
        for (const LocomotivePassage& p : original.passages) {
            if (gone(p.arrivingTrain) || gone(p.departingTrain)) continue;
            expected.emplace_back((p.arrivingTrain < 0 ? -1 : 1) * tagOf(original, p.arrivingTrain),
                                  tagOf(original, p.departingTrain));
        }
        for (const LocomotivePassage& p : after.passages) {
            kept.emplace_back((p.arrivingTrain < 0 ? -1 : 1) * tagOf(after, p.arrivingTrain),
                              tagOf(after, p.departingTrain));
        }
        QCOMPARE(kept, expected);
        session.undoStack().undo();
        QVERIFY(session.content() == original);
    }

    void modifiedFollowsTheSavedState() {
        EditingSession session;
        QSignalSpy changes(&session, &EditingSession::modifiedChanged);
        session.open(generatedTimetable(3), "/tmp/", "a.roz");
        session.setGeneralText(GeneralText::authorInfo, "Ja",
                               QStringLiteral("zmianę danych ogólnych"));
        QVERIFY(session.isModified());
        QVERIFY(session.document().modified);
        session.undoStack().undo();
        QVERIFY(!session.isModified());  // an edit and its undo: nothing to save

        session.undoStack().redo();
        session.markSaved("/tmp/", "b.roz");
        QVERIFY(!session.isModified());
        QCOMPARE(session.document().fileName, std::string("b.roz"));
        session.undoStack().undo();  // back past the save
        QVERIFY(session.isModified());
        session.undoStack().redo();
        QVERIFY(!session.isModified());
        QCOMPARE(changes.count(), 6);

        // Opening and "Nowy" start a new history.
        session.setGeneralText(GeneralText::authorInfo, "On", {});
        session.startUntitled();
        QVERIFY(!session.isModified());
        QVERIFY(!session.undoStack().canUndo());
        QVERIFY(session.document().untitled);
        QCOMPARE(session.content().authorInfo, std::string("On"));
    }
};

int main(int argc, char** argv) {
    return test::runSuites<QGuiApplication>(argc, argv, {test::suite<EditingSessionTest>()});
}

#include "EditingSessionTest.moc"
