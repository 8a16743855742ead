#include <QTest>
#include <QUndoCommand>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "AppTests.h"
#include "document/FileStamp.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"

using namespace rylmo;

namespace {

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

class FileOnDiskTest : public QObject {
    Q_OBJECT
private slots:
    // A stamp tells a file that another program changed by its size, its time, or (when both
    // are equal) its bytes; one that is gone, and one that is back.
    void stampsTellChangedFiles() {
        test::TempFolder folder;
        const std::string path = (folder / "a.roz").string();
        writeBytes(path, "abcd");
        const FileStamp stamp = fileStamp(path);
        QVERIFY(stamp.exists && stamp.size == 4);
        QVERIFY(!changedSince(stamp, path));
        const auto time = std::filesystem::last_write_time(path);
        writeBytes(path, "abce");  // same size, same time: only the bytes tell
        std::filesystem::last_write_time(path, time);
        QVERIFY(changedSince(stamp, path));
        writeBytes(path, "abcde");
        QVERIFY(changedSince(stamp, path));
        std::filesystem::remove(path);
        QVERIFY(changedSince(stamp, path));
        const FileStamp gone = fileStamp(path);
        QVERIFY(!gone.exists && !changedSince(gone, path));
        writeBytes(path, "");
        QVERIFY(changedSince(gone, path));
        BytesHash whole;
        whole.add("abcd");
        BytesHash pieces;
        pieces.add("ab");
        pieces.add("cd");
        QCOMPARE(whole.value(), pieces.value());
    }

    // Coming back to the window after another program changed the file asks once whether to
    // read it again ("Nie" keeps the window's content and the next save asks before replacing
    // the file); a deleted file is said once, and saving makes it again; an unchanged file asks
    // nothing.
    void theWindowNoticesAFileChangedElsewhere() {
        test::WindowFixture f;
        const std::filesystem::path file = f.folder / "a.roz";
        saveTimetableFile(test::listContent(), file.string());
        f.window.openFile(qpath(file));
        f.window.checkFileOnDisk();
        QVERIFY(f.prompter.messages.empty());

        TimetableContent changed = test::listContent();
        changed.trains.pop_back();
        saveTimetableFile(changed, file.string());
        f.prompter.answers.push_back(QMessageBox::No);
        f.window.checkFileOnDisk();
        QCOMPARE(f.prompter.messages.size(), std::size_t(1));
        QCOMPARE(f.prompter.messages.back().text,
                 QStringLiteral("Plik a.roz został zmieniony przez inny program. Wczytać go "
                                "ponownie?"));
        QCOMPARE(f.window.session().content().trains.size(), std::size_t(3));
        f.window.checkFileOnDisk();  // the same change is not asked about twice
        QCOMPARE(f.prompter.messages.size(), std::size_t(1));

        // "Zapisz" asks before replacing what the other program wrote.
        f.prompter.answers.push_back(QMessageBox::No);
        f.window.saveDocument();
        QCOMPARE(f.prompter.messages.back().text,
                 QStringLiteral("Plik a.roz został zmieniony przez inny program. Zastąpić "
                                "zmiany zapisane przez inny program?"));
        QCOMPARE(readTimetableFile(file.string()).trains.size(), std::size_t(2));
        f.prompter.answers.push_back(QMessageBox::Yes);
        f.window.saveDocument();
        QCOMPARE(readTimetableFile(file.string()).trains.size(), std::size_t(3));
        const std::size_t asked = f.prompter.messages.size();
        f.window.saveDocument();  // the file is ours again: nothing to ask
        QCOMPARE(f.prompter.messages.size(), asked);

        // Changed again, with unsaved changes: the question says they will be lost; "Tak"
        // reads the file.
        saveTimetableFile(changed, file.string());
        f.window.session().undoStack().push(new QUndoCommand(QStringLiteral("zmiana")));
        f.prompter.answers.push_back(QMessageBox::Yes);
        f.window.checkFileOnDisk();
        QVERIFY(f.prompter.messages.back().text.endsWith(
            QStringLiteral("\nNiezapisane zmiany w oknie zostaną utracone.")));
        QCOMPARE(f.prompter.messages.back().defaultButton, QMessageBox::No);
        QCOMPARE(f.window.session().content().trains.size(), std::size_t(2));
        QVERIFY(!f.window.session().isModified());

        std::filesystem::remove(file);
        f.window.checkFileOnDisk();
        QCOMPARE(f.prompter.messages.back().text,
                 QStringLiteral("Plik a.roz został usunięty lub przeniesiony przez inny program. "
                                "„Zapisz” utworzy go ponownie."));
        const std::size_t told = f.prompter.messages.size();
        f.window.checkFileOnDisk();
        QCOMPARE(f.prompter.messages.size(), told);
        f.window.session().undoStack().push(new QUndoCommand(QStringLiteral("zmiana")));
        f.window.saveDocument();
        QVERIFY(std::filesystem::exists(file));
        QCOMPARE(f.prompter.messages.size(), told);

        // A folder where the file was: said as what it is, and "Zapisz" leaves it alone.
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
        f.window.checkFileOnDisk();
        QCOMPARE(f.prompter.messages.back().text,
                 QStringLiteral("W miejscu pliku a.roz jest teraz folder. „Zapisz” nie zapisze "
                                "rozkładu w tym miejscu; zapisz go pod inną nazwą („Zapisz "
                                "jako...”)."));
        f.window.session().undoStack().push(new QUndoCommand(QStringLiteral("zmiana")));
        f.window.saveDocument();
        QVERIFY(std::filesystem::is_directory(file));
        QVERIFY(
            f.prompter.messages.back().text.contains(QStringLiteral("nie jest zwykłym plikiem")));
        QVERIFY(f.window.session().isModified());
#ifndef _WIN32
        std::filesystem::remove(file);
        QCOMPARE(::mkfifo(file.c_str(), 0600), 0);
        f.window.checkFileOnDisk();
        QVERIFY(f.prompter.messages.back().text.startsWith(
            QStringLiteral("W miejscu pliku a.roz jest teraz plik specjalny")));
        std::filesystem::remove(file);
#endif
        f.window.session().undoStack().setClean();
    }
};

std::unique_ptr<QObject> makeFileOnDiskTest() {
    return std::make_unique<FileOnDiskTest>();
}

#include "FileOnDiskTest.moc"
