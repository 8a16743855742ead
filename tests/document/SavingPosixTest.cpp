// Saving on POSIX systems: links, special files, owners, signals and full disks.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestFiles.h"
#include "document/AtomicFile.h"
#include "document/Error.h"
#include "document/FileStamp.h"
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

// Runs body in a process of its own as a user who is not root (nobody), with folder and what
// it holds given to that user, when this process runs as root (root may write any folder and
// read any file); here otherwise. Returns what body returns: empty, or what went wrong.
std::string asAnotherUser(const fs::path& folder, const std::function<std::string()>& body) {
    if (geteuid() != 0) return body();
    constexpr uid_t kNobody = 65534;
    if (::chown(folder.c_str(), kNobody, kNobody) != 0) return "chown";
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (::chown(entry.path().c_str(), kNobody, kNobody) != 0) return "chown";
    }
    int channel[2];
    if (::pipe(channel) != 0) return "pipe";
    const pid_t child = fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string result =
            (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) ? body() : std::string("setuid");
        if (::write(channel[1], result.data(), result.size()) < 0) _exit(2);
        _exit(0);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) result += " (the child failed)";
    return result;
}

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
    const auto message = [](auto action) { return test::errorOf(action); };
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
        message = test::errorOf([&] { saveTimetableFile(big, target); });
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

// A file written in place (its folder takes no new file) on a disk that fills up: the new
// size is reserved before a byte changes, so the old bytes stay, the message says so, and the
// copy kept in the backup folder while writing goes. A save that fits replaces the bytes
// whole, longer or shorter.
TEST(SavingPosix, AFullDiskLeavesAFileWrittenInPlaceAsItWas) {
    test::TempFolder folder;
    const fs::path inner = folder / "stacja";
    const fs::path target = inner / "stacja.roz";
    const fs::path backups = folder / "odzysk";
    fs::create_directories(inner);
    const std::string old = writeTimetable(test::workedExample());
    test::writeBytes(target, old);
    const TimetableContent big = bigTimetable();
    const std::string result = asAnotherUser(folder.path(), [&]() -> std::string {
        fs::permissions(inner, fs::perms::owner_read | fs::perms::owner_exec);
        std::string said;
        try {
            FileSizeLimit limit(old.size() + 1000);
            saveTimetableFile(big, target.string(), nullptr, backups.string());
            said = "saved";
        } catch (const Error& e) {
            said = e.what();
        }
        if (said != "Plik jest zbyt duży. Plik stacja.roz nie został zmieniony") return said;
        if (test::readBytes(target) != old) return "the old bytes are gone";
        if (!fs::is_empty(backups)) return "the backup stayed";
        if (folderEntries(inner) != std::vector<std::string>{"stacja.roz"}) return "left files";
        saveTimetableFile(big, target.string(), nullptr, backups.string());
        if (readTimetableFile(target.string()) != big) return "not written";
        saveTimetableFile(test::workedExample(), target.string(), nullptr, backups.string());
        if (test::readBytes(target) != old) return "not shortened";
        if (!fs::is_empty(backups)) return "the backup stayed after a save";
        fs::permissions(inner, fs::perms::owner_all);
        return {};
    });
    EXPECT_EQ(result, "");
    EXPECT_EQ(test::readBytes(target), old);
}

// A file that another program made unreadable (write-only) counts as changed, so that saving
// asks before replacing it; folders and FIFOs at the path are told apart from a gone file.
TEST(SavingPosix, WhatStandsAtTheDocumentsPathIsTold) {
    test::TempFolder folder;
    const fs::path target = folder / "stacja.roz";
    test::writeBytes(target, "abc");
    const std::string result = asAnotherUser(folder.path(), [&]() -> std::string {
        const FileStamp stamp = fileStamp(target.string());
        if (stamp.kind != PathKind::file) return "not a file at first";
        fs::permissions(target, fs::perms::owner_write);  // size and time stay
        if (!changedSince(stamp, target.string())) return "unreadable taken as unchanged";
        const FileStamp now = fileStamp(target.string());
        if (!now.exists || now.kind != PathKind::unreadable) return "not unreadable";
        if (!changedSince(now, target.string())) return "unreadable unchanged against itself";
        return {};
    });
    EXPECT_EQ(result, "");
    const FileStamp file = fileStamp(target.string());
    fs::remove(target);
    fs::create_directory(target);
    EXPECT_TRUE(changedSince(file, target.string()));
    EXPECT_EQ(fileStamp(target.string()).kind, PathKind::folder);
    fs::remove(target);
    ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
    EXPECT_EQ(fileStamp(target.string()).kind, PathKind::special);  // and nothing blocks
    fs::remove(target);
    EXPECT_EQ(fileStamp(target.string()).kind, PathKind::missing);
    EXPECT_FALSE(fileStamp(target.string()).exists);
}
