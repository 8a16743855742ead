#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <chrono>
#include <fstream>
#include <random>

#include "AppTests.h"
#include "document/FileStamp.h"
#include "document/RecoveryFolder.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"

using namespace rylmo;

namespace {

constexpr std::string_view kChildFlag = "--edit-until-killed";

int64_t nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

uint64_t hashOf(const TimetableContent& content) {
    BytesHash hash;
    hash.add(recoveryBytes({}, content));
    return hash.value();
}

// The main window over a.roz in a fresh folder, its recovery files in folder/odzysk.
struct RecoveryFixture {
    test::TempFolder folder;
    test::ScriptedPrompter prompter;
    std::filesystem::path file = folder / "a.roz";
    std::string recovery = (folder / "odzysk").string();
    std::unique_ptr<app::MainWindow> window = makeWindow();

    RecoveryFixture() {
        saveTimetableFile(test::listContent(), file.string());
        window->openFile(qpath(file));
    }
    std::unique_ptr<app::MainWindow> makeWindow() {
        auto made = std::make_unique<app::MainWindow>(qpath(folder / "Rylmo.ini"), QString(),
                                                      QString::fromStdString(recovery));
        made->recovery().setDelay(150);
        return made;
    }
    editing::EditingSession& session() { return window->session(); }
    void editTrain(int32_t arrival) {
        Train train = session().content().trains[0];
        train.arrivalTime = arrival;
        session().replaceEntry(&TimetableContent::trains, 0, train, QStringLiteral("zmiana"));
    }
    // The files of this window's set, after the writer has done its work.
    std::size_t recoveryFiles() {
        window->recovery().waitForWriter();
        std::size_t count = 0;
        std::error_code error;
        for (std::filesystem::directory_iterator entry(recovery, error), end;
             !error && entry != end; entry.increment(error)) {
            if (entry->path().extension() != ".blokada") ++count;
        }
        return count;
    }
    // The window ends as a crash would end it: nothing asked, the files left behind.
    void crash() {
        window->recovery().waitForWriter();
        window.reset();
    }
};

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    // A copy is written a moment after the first edit that is not in it, however the edits go
    // on; saving removes it, and so does undoing back to what the file holds.
    void keepsACopyWhileEditsAreUnsaved() {
        RecoveryFixture f;
        f.window->recovery().setDelay(300);
        f.editTrain(801);
        QCOMPARE(f.recoveryFiles(), std::size_t(0));
        QTRY_COMPARE_WITH_TIMEOUT(f.recoveryFiles(), std::size_t(2), 2000);
        std::vector<RecoverySet> none = abandonedRecoveries(f.recovery);
        QVERIFY(none.empty());  // its window lives

        // Edits every 50 ms, on and on: the copy still follows within the delay (and a margin
        // for a slow machine), not only once they stop.
        const auto writtenChanges = [&] {
            for (const auto& entry : std::filesystem::directory_iterator(f.recovery)) {
                if (entry.path().extension() == ".odzysk")
                    return readRecoveryHeader(test::readBytes(entry.path())).changes;
            }
            return int64_t(-1);
        };
        f.window->recovery().waitForWriter();
        QCOMPARE(writtenChanges(), int64_t(1));
        QElapsedTimer clock;
        clock.start();
        int edits = 1;
        int64_t firstSeenAt = -1;
        while (clock.elapsed() < 1500) {
            f.editTrain(802 + edits++);
            QTest::qWait(50);
            f.window->recovery().waitForWriter();
            if (firstSeenAt < 0 && writtenChanges() > 1) firstSeenAt = clock.elapsed();
        }
        QVERIFY2(firstSeenAt >= 0 && firstSeenAt < 300 + 700,
                 qPrintable(QString::number(firstSeenAt)));

        f.window->saveDocument();
        QCOMPARE(f.recoveryFiles(), std::size_t(0));
        f.editTrain(1200);
        f.window->recovery().writeNow();
        QCOMPARE(f.recoveryFiles(), std::size_t(2));
        f.session().undoStack().undo();
        QCOMPARE(f.recoveryFiles(), std::size_t(0));
        QVERIFY(f.prompter.messages.empty());
    }

    // "Nie" to saving on closing removes the copy; "Anuluj" keeps window and copy.
    void closingWithoutSavingRemovesTheCopy() {
        RecoveryFixture f;
        f.editTrain(801);
        f.window->recovery().writeNow();
        f.prompter.answers = {QMessageBox::Cancel, QMessageBox::No};
        QVERIFY(!f.window->close());
        QCOMPARE(f.recoveryFiles(), std::size_t(2));
        QVERIFY(f.window->close());
        QCOMPARE(f.recoveryFiles(), std::size_t(0));
    }

    // After a crash the next start offers the changes: "Później" keeps them, "Przywróć" opens
    // them as a modified document named after the file, which stays as it was until saved.
    void offersTheChangesOfACrashedWindow() {
        RecoveryFixture f;
        for (int change = 0; change < 12; ++change) f.editTrain(800 + change);
        f.window->recovery().writeNow();
        const TimetableContent edited = f.session().content();
        const int64_t written = nowMs() / 1000;
        f.crash();

        f.window = f.makeWindow();
        f.prompter.answers = {QMessageBox::Cancel};
        f.window->offerRecoveries();
        QCOMPARE(f.prompter.messages.size(), std::size_t(1));
        const auto& asked = f.prompter.messages.back();
        // The minute may turn between writing and asking.
        QStringList expected;
        for (int64_t second : {written, written + 60}) {
            expected << QStringLiteral(
                            "Znaleziono niezapisane zmiany pliku a.roz z %1 (12 zmian). "
                            "Przywrócić je?")
                            .arg(QDateTime::fromSecsSinceEpoch(second).toString(
                                QStringLiteral("d.M.yyyy, HH:mm")));
        }
        QVERIFY2(expected.contains(asked.text), qPrintable(asked.text));
        QCOMPARE(asked.buttonNames,
                 (QStringList{QStringLiteral("Przywróć"), QStringLiteral("Odrzuć"),
                              QStringLiteral("Później")}));
        QCOMPARE(asked.defaultButton, QMessageBox::Yes);
        QVERIFY(f.window->session().content().trains.empty());

        f.prompter.answers = {QMessageBox::Yes};
        f.window->offerRecoveries();
        QCOMPARE(f.window->session().content(), edited);
        QVERIFY(f.window->session().isModified());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Rylmo - a.roz"));
        QCOMPARE(readTimetableFile(f.file.string()), test::listContent());
        QVERIFY(abandonedRecoveries(f.recovery).empty());  // the window holds it now

        // Restored changes are kept on: another crash offers them again, counted on.
        f.editTrain(900);
        f.window->recovery().writeNow();
        f.crash();
        f.window = f.makeWindow();
        f.prompter.answers = {QMessageBox::Yes};
        f.window->offerRecoveries();
        QVERIFY(f.prompter.messages.back().text.contains(QStringLiteral("(13 zmian)")));
        QCOMPARE(f.window->session().content().trains[0].arrivalTime, 900);
        f.window->saveDocument();
        QCOMPARE(readTimetableFile(f.file.string()).trains[0].arrivalTime, 900);
        QCOMPARE(f.recoveryFiles(), std::size_t(0));
    }

    // Opening a file that has changes left asks too; "Odrzuć" removes them and reads the
    // file. An untitled document's changes come back untitled. The counts take Polish forms.
    void offersOnOpeningAndForUntitledDocuments() {
        RecoveryFixture f;
        f.editTrain(801);
        f.window->recovery().writeNow();
        f.crash();
        f.window = f.makeWindow();
        f.prompter.answers = {QMessageBox::No};
        f.window->openFile(qpath(f.file));
        QVERIFY(f.prompter.messages.back().text.contains(QStringLiteral("(1 zmiana)")));
        QCOMPARE(f.window->session().content(), test::listContent());
        QVERIFY(!f.window->session().isModified());
        QCOMPARE(f.recoveryFiles(), std::size_t(0));

        f.window->newDocument();
        for (int change = 0; change < 22; ++change) f.editTrain(800 + change);
        f.window->recovery().writeNow();
        const TimetableContent edited = f.session().content();
        f.crash();
        f.window = f.makeWindow();
        f.prompter.answers = {QMessageBox::Yes};
        f.window->offerRecoveries();
        QVERIFY(f.prompter.messages.back().text.startsWith(
            QStringLiteral("Znaleziono niezapisane zmiany nowego rozkładu (bez nazwy) z ")));
        QVERIFY(f.prompter.messages.back().text.contains(QStringLiteral("(22 zmiany)")));
        QCOMPARE(f.window->session().content(), edited);
        QVERIFY(f.window->document().untitled && f.window->session().isModified());
    }

    // A copy that cannot be read (cut short, another program's file) is said, never opened;
    // "Tak" removes it. The copy of a window that still lives is never offered.
    void saysACopyThatCannotBeRead() {
        RecoveryFixture f;
        auto other = f.makeWindow();
        other->session().open(test::listContent(), "/tmp/", "b.roz");
        Train train = other->session().content().trains[0];
        train.arrivalTime = 999;
        other->session().replaceEntry(&TimetableContent::trains, 0, train, QStringLiteral("x"));
        other->recovery().writeNow();
        other->recovery().waitForWriter();

        f.editTrain(801);
        f.window->recovery().writeNow();
        f.crash();
        const std::filesystem::path document = [&] {
            for (const auto& entry : std::filesystem::directory_iterator(f.recovery)) {
                if (entry.path().extension() == ".odzysk" &&
                    !RecoverySet(f.recovery, entry.path().stem().string()).lock()) {
                    continue;
                }
                if (entry.path().extension() == ".odzysk") return entry.path();
            }
            return std::filesystem::path();
        }();
        QVERIFY(!document.empty());
        for (const std::string& bytes :
             {test::readBytes(document).substr(0, 100), writeTimetable(test::listContent())}) {
            test::writeBytes(document, bytes);
            f.window = f.makeWindow();
            f.prompter.messages.clear();
            f.prompter.answers = {QMessageBox::No};
            f.window->offerRecoveries();
            // Read whole before it is offered: what cannot be restored is never offered.
            QCOMPARE(f.prompter.messages.size(), std::size_t(1));
            QCOMPARE(f.prompter.messages.back().icon, QMessageBox::Warning);
            QVERIFY2(f.prompter.messages.back().text.startsWith(
                         QStringLiteral("Nie można odczytać pliku odzysku ")),
                     qPrintable(f.prompter.messages.back().text));
            QVERIFY(f.prompter.messages.back().text.endsWith(
                QStringLiteral(". Nie został otwarty. Usunąć go?")));
            QVERIFY(f.window->session().content().trains.empty());
        }
        f.prompter.answers = {QMessageBox::Yes};
        f.window->offerRecoveries();
        QVERIFY(!std::filesystem::exists(document));
        QCOMPARE(f.prompter.messages.size(), std::size_t(2));  // the living window's: never
    }

    // Leaving a document asks whether to save it, and only a save that happened lets the
    // command go on: "Tak" with "Nie" to replacing another program's changes, or with the save
    // dialog cancelled, keeps the window on its edits and their copy. No open dialog comes,
    // the window stays open. "Nie" goes on and drops the copy.
    void aSaveThatDidNotHappenKeepsTheEdits() {
        RecoveryFixture f;
        f.editTrain(801);
        f.window->recovery().writeNow();
        const TimetableContent edited = f.session().content();
        TimetableContent elsewhere = test::listContent();
        elsewhere.trains.pop_back();
        saveTimetableFile(elsewhere, f.file.string());
        const auto keptItsEdits = [&](const TimetableContent& content) {
            QCOMPARE(f.session().content(), content);
            QVERIFY(f.session().isModified());
            QCOMPARE(f.recoveryFiles(), std::size_t(2));
        };
        for (const auto leave : {0, 1}) {
            f.prompter.messages.clear();
            f.prompter.answers = {QMessageBox::Yes, QMessageBox::No};
            if (leave == 0) {
                f.window->openDocument();
            } else {
                QVERIFY(!f.window->close());
            }
            QCOMPARE(f.prompter.messages.size(), std::size_t(2));
            QVERIFY(f.prompter.messages[1].text.contains(QStringLiteral("Zastąpić")));
            QVERIFY(f.prompter.fileDialogs.empty());
            keptItsEdits(edited);
            QCOMPARE(readTimetableFile(f.file.string()), elsewhere);
        }

        // Untitled: "Tak" opens the save dialog; cancelled, nothing goes on.
        f.window->newDocument();
        f.editTrain(802);
        f.window->recovery().writeNow();
        const TimetableContent untitled = f.session().content();
        for (const auto leave : {0, 1}) {
            f.prompter.messages.clear();
            f.prompter.fileDialogs.clear();
            f.prompter.answers = {QMessageBox::Yes};
            f.prompter.fileNames = {QString()};
            if (leave == 0) {
                f.window->openDocument();
            } else {
                QVERIFY(!f.window->close());
            }
            QCOMPARE(f.prompter.messages.size(), std::size_t(1));
            QCOMPARE(f.prompter.messages[0].text,
                     QStringLiteral("Zapisać zmiany w nowym rozkładzie?"));
            QCOMPARE(f.prompter.fileDialogs.size(), std::size_t(1));
            QVERIFY(f.prompter.fileDialogs[0].startsWith(QStringLiteral("save|")));
            keptItsEdits(untitled);
        }
        // "Anuluj" stays too; "Nie" goes on to the open dialog and drops the copy.
        f.prompter.fileDialogs.clear();
        f.prompter.answers = {QMessageBox::Cancel};
        f.window->openDocument();
        QVERIFY(f.prompter.fileDialogs.empty());
        keptItsEdits(untitled);
        f.prompter.answers = {QMessageBox::No};
        f.prompter.fileNames = {QString()};
        f.window->openDocument();
        QCOMPARE(f.prompter.fileDialogs.size(), std::size_t(1));
        QVERIFY(f.prompter.fileDialogs[0].startsWith(QStringLiteral("open|")));
        QCOMPARE(f.recoveryFiles(), std::size_t(0));
    }

    // The offer reads the whole document file and says what it holds: a kill between the
    // document and its index, an index that is gone or damaged, still offer the document,
    // described as it is restored. A lone lock and temporary files of a window that is gone
    // are removed.
    void theOfferDescribesWhatItRestores() {
        RecoveryFixture f;
        f.editTrain(801);
        f.window->recovery().writeNow();
        f.crash();
        std::filesystem::path document, index;
        for (const auto& entry : std::filesystem::directory_iterator(f.recovery)) {
            if (entry.path().extension() == ".odzysk") document = entry.path();
            if (entry.path().extension() == ".indeks") index = entry.path();
        }
        QVERIFY(!document.empty() && !index.empty());
        const std::string oldIndex = test::readBytes(index);
        const std::string id = document.stem().string();
        TimetableContent newer = test::listContent();
        newer.trains[0].arrivalTime = 802;
        const int64_t savedAt = nowMs() / 1000;
        // The document written, its index not: the kill fell between them.
        test::writeBytes(document, recoveryBytes({f.file.string(), savedAt, 2}, newer));
        const std::string leftover =
            (f.folder / "odzysk" / ("." + id + ".odzysk.rylmo~a1b2c3")).string();
        test::writeBytes(leftover, "half");
        test::writeBytes(f.folder / "odzysk" / "0-gone.blokada", "");
        for (const std::string& indexBytes : {oldIndex, std::string("zepsuty"), std::string()}) {
            if (indexBytes.empty()) {
                std::filesystem::remove(index);
            } else {
                test::writeBytes(index, indexBytes);
            }
            f.window = f.makeWindow();
            f.prompter.messages.clear();
            f.prompter.answers = {QMessageBox::Cancel};
            f.window->offerRecoveries();
            QCOMPARE(f.prompter.messages.size(), std::size_t(1));
            QVERIFY2(f.prompter.messages[0].text.contains(QStringLiteral("(2 zmiany)")),
                     qPrintable(f.prompter.messages[0].text));
            QVERIFY(!std::filesystem::exists(f.folder / "odzysk" / "0-gone.blokada"));
        }
        f.prompter.answers = {QMessageBox::Yes};
        f.window->offerRecoveries();
        QCOMPARE(f.window->session().content(), newer);
        QVERIFY(f.window->session().isModified());
        // "Odrzuć" removes the set with its leftovers.
        f.crash();
        test::writeBytes(leftover, "half");
        f.window = f.makeWindow();
        f.prompter.answers = {QMessageBox::No};
        f.window->offerRecoveries();
        QVERIFY(std::filesystem::is_empty(f.recovery));
    }

    // A recovery folder that cannot be written is said in full, once, over the window, and
    // marked on the status bar while the copies fail; the editing goes on.
    void aFolderThatCannotBeWrittenIsSaid() {
        test::TempFolder folder;
        test::ScriptedPrompter prompter;
        const std::filesystem::path blocked = folder / "odzysk";
        test::writeBytes(blocked, "a file where the folder should be");
        app::MainWindow window(qpath(folder / "Rylmo.ini"), QString(), qpath(blocked / "sub"));
        window.session().open(test::listContent(), "/tmp/", "a.roz");
        Train train = window.session().content().trains[0];
        train.arrivalTime = 801;
        window.session().replaceEntry(&TimetableContent::trains, 0, train, QStringLiteral("x"));
        for (int write = 0; write < 2; ++write) {
            window.recovery().writeNow();
            window.recovery().waitForWriter();
            QCoreApplication::processEvents();
        }
        QCOMPARE(prompter.messages.size(), std::size_t(1));
        const QString said = prompter.messages[0].text;
        QCOMPARE(prompter.messages[0].icon, QMessageBox::Warning);
        QVERIFY2(said.startsWith(QStringLiteral("Nie można zapisać kopii niezapisanych zmian: "
                                                "nie można utworzyć folderu ") +
                                 qpath(blocked / "sub") + QStringLiteral(": ")),
                 qPrintable(said));
        QVERIFY(!said.contains(QStringLiteral("używany")));
        auto* mark = window.findChild<QLabel*>(QStringLiteral("recoveryProblem"));
        QVERIFY(mark && !mark->isHidden());
        QCOMPARE(mark->toolTip(), said);
        QCOMPARE(window.session().content().trains[0].arrivalTime, 801);
        window.session().undoStack().setClean();
    }

    // The editor killed while editing, in a process of its own: the copy it left holds the
    // state of a moment before the kill (at most the delay and a margin earlier), and the
    // last state when the edits had stopped the delay before.
    void aKilledEditorLosesOnlyTheLastMoments() {
        constexpr int64_t kDelay = 100, kMargin = 1000;
        std::mt19937 random(7);
        for (int round = 0; round < 3; ++round) {
            test::TempFolder folder;
            const std::string recovery = (folder / "odzysk").string();
            const std::string log = (folder / "log.txt").string();
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(kChildFlag.data()), QString::fromStdString(recovery),
                         QString::fromStdString(log), QString::number(random())});
            QVERIFY(child.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(
                std::filesystem::exists(log) && std::filesystem::file_size(log) > 0, 30000);
            QTest::qWait(std::uniform_int_distribution<int>(100, 2500)(random));
            const int64_t killedAt = nowMs();
            child.kill();
            QVERIFY(child.waitForFinished());

            std::vector<std::pair<int64_t, uint64_t>> states;  // when, what
            std::ifstream lines(log);
            for (int64_t when = 0; lines >> when;) {
                uint64_t what = 0;
                lines >> what;
                states.emplace_back(when, what);
            }
            QVERIFY(!states.empty());
            std::vector<RecoverySet> left = abandonedRecoveries(recovery);
            QVERIFY(left.size() <= 1);
            // The state restored: the first (the file's own, none left) or an edit's.
            std::size_t restored = 0;
            if (!left.empty()) {
                RecoveryHeader header;
                const uint64_t what = hashOf(left[0].content(&header));
                // The count of changes names the state; its content must be that state's.
                restored = static_cast<std::size_t>(header.changes);
                QVERIFY(restored < states.size());
                QCOMPARE(states[restored].second, what);
            }
            if (restored + 1 < states.size()) {
                QVERIFY2(states[restored + 1].first > killedAt - kDelay - kMargin,
                         qPrintable(QStringLiteral("state %1 of %2, the next %3 ms before the kill")
                                        .arg(restored)
                                        .arg(states.size())
                                        .arg(killedAt - states[restored + 1].first)));
                QVERIFY(killedAt - states.back().first < kDelay + kMargin);
            }
        }
    }
};

// The child of aKilledEditorLosesOnlyTheLastMoments: edits a timetable at random for a while,
// then waits to be killed, writing each state's time and hash to log (the file's own first).
int editUntilKilled(int argc, char** argv) {
    if (argc < 5 || argv[1] != kChildFlag) return -1;
    test::TempFolder settings;
    app::MainWindow window(qpath(settings / "Rylmo.ini"), {}, QString::fromLocal8Bit(argv[2]));
    window.recovery().setDelay(100);
    editing::EditingSession& session = window.session();
    session.open(test::listContent(), "/tmp/", "a.roz");
    std::ofstream log(argv[3]);
    std::mt19937 random(static_cast<unsigned>(std::stoul(argv[4])));
    log << nowMs() << ' ' << hashOf(session.content()) << std::endl;
    const int64_t stop = nowMs() + std::uniform_int_distribution<int>(300, 1000)(random);
    while (nowMs() < stop) {
        const auto& trains = session.content().trains;
        const int row =
            std::uniform_int_distribution<int>(0, static_cast<int>(trains.size()) - 1)(random);
        Train train = trains[static_cast<std::size_t>(row)];
        switch (random() % 3) {
            case 0:
                train.arrivalTime = static_cast<int32_t>(random() % 2400);
                session.replaceEntry(&TimetableContent::trains, row, train, QStringLiteral("x"));
                break;
            case 1:
                session.insertEntry(&TimetableContent::trains, row, train, QStringLiteral("x"));
                break;
            default:
                if (trains.size() > 1)
                    session.removeEntry(&TimetableContent::trains, row, QStringLiteral("x"));
                else
                    session.insertEntry(&TimetableContent::trains, row, train, QStringLiteral("x"));
        }
        log << nowMs() << ' ' << hashOf(session.content()) << std::endl;
        QTest::qWait(std::uniform_int_distribution<int>(5, 40)(random));
    }
    QTest::qWait(60000);  // killed long before
    return 0;
}

std::unique_ptr<QObject> makeRecoveryTest() {
    return std::make_unique<RecoveryTest>();
}

#include "RecoveryTest.moc"
