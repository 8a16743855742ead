// Saving on POSIX systems: links, special files, owners, signals and full disks.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestFiles.h"
#include "document/AtomicFile.h"
#include "document/Error.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"
#include "document/SystemError.h"

using namespace rylmo;
using test::dataPath;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

TimetableContent bigTimetable() {
    TimetableContent c = test::workedExample();
    c.trains.resize(20000, c.trains[0]);
    return c;
}

}  // namespace

TEST(SavingPosix, KeepsPermissionsAndWritesThroughLinks) {
    test::TempFolder folder;
    const fs::path target = folder / "stacja.roz";
    test::writeBytes(target, "old content");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    saveTimetableFile(test::workedExample(), target);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::create_directory(folder / "gra");
    fs::create_symlink(target, folder / "gra" / "skrot.roz");
    fs::create_symlink(folder / "gra" / "nowa.roz", folder / "wiszacy.roz");  // dangling
    saveTimetableFile(test::workedExample(), (folder / "gra" / "skrot.roz").string());
    saveTimetableFile(test::workedExample(), (folder / "wiszacy.roz").string());
    EXPECT_TRUE(fs::is_symlink(folder / "gra" / "skrot.roz"));
    EXPECT_TRUE(fs::is_symlink(folder / "wiszacy.roz"));
    EXPECT_EQ(test::readBytes(folder / "gra" / "nowa.roz"),
              test::readBytes(dataPath("worked-example.roz")));

    // A relative link names a file from the link's own folder, not the working folder.
    fs::create_symlink("../stacja.roz", folder / "gra" / "wzgledny.roz");
    TimetableContent changed = test::workedExample();
    changed.startTime = "705";
    saveTimetableFile(changed, (folder / "gra" / "wzgledny.roz").string());
    EXPECT_EQ(readTimetableFile(target.string()).startTime, "705");
    EXPECT_TRUE(fs::is_symlink(folder / "gra" / "wzgledny.roz"));
}

TEST(SavingPosix, SpecialFilesAreRefusedAndLeftAlone) {
    test::TempFolder folder;
    const fs::path fifo = folder / "kolejka.roz";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(saveTimetableFile(test::workedExample(), fifo), Error);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_THROW(readTimetableFile(fifo), Error);  // and opening it neither blocks nor reads
    EXPECT_THROW(saveTimetableFile(test::workedExample(), "/dev/null"), Error);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"kolejka.roz"});
    const auto message = [](auto action) {
        try {
            action();
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { readTimetableFile(fifo); }),
              "niemozliwe otwarcie pliku: „kolejka.roz” nie jest zwykłym plikiem");

    // A loop of links is refused with the system's reason, both links left as they were; a
    // file inside a file is no folder.
    fs::create_symlink("petla2", folder / "petla1");
    fs::create_symlink("petla1", folder / "petla2");
    EXPECT_EQ(message([&] { saveTimetableFile(test::workedExample(), folder / "petla1"); }),
              "Zbyt wiele dowiązań symbolicznych");
    EXPECT_TRUE(fs::is_symlink(folder / "petla1") && fs::is_symlink(folder / "petla2"));
    EXPECT_EQ(message([&] { readTimetableFile(folder / "petla1"); }),
              "niemozliwe otwarcie pliku: Zbyt wiele dowiązań symbolicznych");
    const fs::path file = folder / "plik.roz";
    saveTimetableFile(test::workedExample(), file);
    EXPECT_EQ(message([&] { saveTimetableFile(test::workedExample(), file / "w.roz"); }),
              "Część ścieżki nie jest folderem");
}

TEST(SavingPosix, FailuresOfTheStandardLibrarySayWhatInPolish) {
    EXPECT_EQ(failureMessage(std::bad_alloc()), "Za mało pamięci");
    EXPECT_EQ(
        failureMessage(fs::filesystem_error("x", std::make_error_code(std::errc::not_a_directory))),
        "Część ścieżki nie jest folderem");
    EXPECT_EQ(failureMessage(std::logic_error("vector::_M_range_check")),
              "Błąd wewnętrzny programu");
    EXPECT_EQ(failureMessage(Error("Brak dostępu")), "Brak dostępu");
    EXPECT_EQ(errnoText(EPIPE), "Odbiorca danych zamknął połączenie (potok)");
    EXPECT_EQ(errnoText(9999), "Błąd systemu nr 9999");
}

TEST(SavingPosix, AWriteThatFailsMidwayLeavesTheOldFileIntact) {
    test::TempFolder folder;
    const fs::path target = folder / "stacja.roz";
    test::writeBytes(target, "old content");
    const TimetableContent big = bigTimetable();
    std::string message;
    {
        FileSizeLimit limit(100000);  // the timetable takes well over a megabyte
        try {
            saveTimetableFile(big, target);
        } catch (const Error& e) {
            message = e.what();
        }
    }
    EXPECT_EQ(message, "Plik jest zbyt duży");
    EXPECT_EQ(test::readBytes(target), "old content");
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"stacja.roz"});
    saveTimetableFile(big, target);
    EXPECT_EQ(readTimetableFile(target), big);
}

TEST(SavingPosix, ATerminatedSaveRemovesItsTemporaryFile) {
    test::TempFolder folder;
    const fs::path target = folder / "stacja.roz";
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const pid_t child = fork();
        if (child == 0) {
            removeTemporaryFileOnSignals();
            AtomicFile file(target.string());
            file.write("half of a timetable");
            std::raise(signal);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
        EXPECT_TRUE(folderEntries(folder.path()).empty()) << signal;
    }
}

// A file the user may write in a folder the user may not: written in place, keeping its
// owner. Root may write any folder, so this needs another user.
TEST(SavingPosix, AWritableFileInAFolderThatIsNot) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write every folder";
    test::TempFolder folder;
    const fs::path target = folder / "stacja.roz";
    test::writeBytes(target, "old content, longer than nothing at all, and then some more text");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    saveTimetableFile(test::workedExample(), target);
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(test::readBytes(target), test::readBytes(dataPath("worked-example.roz")));
}
