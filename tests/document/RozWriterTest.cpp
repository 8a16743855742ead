#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>

#include "TestFiles.h"
#include "document/Error.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"

using namespace rylmo;
using test::dataPath;
namespace fs = std::filesystem;

namespace {

std::string writeError(const TimetableContent& content) {
    try {
        writeTimetable(content);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
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

TEST(RozWriter, WritesTheWorkedExampleByteForByte) {
    EXPECT_EQ(writeTimetable(test::workedExample()), test::readBytes(dataPath("worked-example.roz")));
}

TEST(RozWriter, SavesAVersionOneFileAsVersionTwo) {
    const TimetableContent c = readTimetableFile(dataPath("version1.roz"));
    EXPECT_EQ(writeTimetable(c), test::readBytes(dataPath("version1-saved-as-version2.roz")));
    EXPECT_EQ(c.version, 1);  // the writer leaves the version that was read
}

TEST(RozWriter, MultiLineAuthorInfoKeepsItsLinesButNotItsOuterBlankLines) {
    TimetableContent c = test::workedExample();
    c.authorInfo = "\r\n  Jan Kowalski\r\n\r\nul. Torowa 1  \r\n\r\n";
    TimetableContent back = readTimetable(writeTimetable(c));
    EXPECT_EQ(back.authorInfo, "Jan Kowalski\r\n\r\nul. Torowa 1");
}

TEST(RozWriter, RefusesTextsThatWouldNotReadBack) {
    const auto refused = [](auto change) {
        TimetableContent c = test::workedExample();
        change(c);
        return writeError(c);
    };
    EXPECT_EQ(refused([](auto& c) { c.stationNames.push_back(" "); }),
              "Nie można zapisać rozkładu: pusta nazwa stacji nr 2.");
    EXPECT_EQ(refused([](auto& c) { c.depotNames[0] = ""; }),
              "Nie można zapisać rozkładu: pusta nazwa lokomotywowni nr 1.");
    EXPECT_EQ(refused([](auto& c) { c.trainNames = {"A", "B\r\nC"}; }),
              "Nie można zapisać rozkładu: nazwa pociągu nr 2 zawiera znak końca wiersza.");
    EXPECT_EQ(refused([](auto& c) { c.coaches[0] = "\t"; }),
              "Nie można zapisać rozkładu: pusta nazwa wagonu nr 1.");
    EXPECT_EQ(refused([](auto& c) { c.compositions[0] = ""; }),
              "Nie można zapisać rozkładu: pusty skład nr 1.");
    EXPECT_EQ(refused([](auto& c) { c.probabilities[0] = "\n"; }),
              "Nie można zapisać rozkładu: pusty indeks prawdopodobieństwa nr 1.");
    EXPECT_EQ(refused([](auto& c) { c.stationPicture = ""; }),
              "Nie można zapisać rozkładu: pusta nazwa pliku stacji.");
    EXPECT_EQ(refused([](auto& c) { c.locomotiveTypes[0].typeName = "Lokomotywa elektryczna"; }),
              "Nie można zapisać rozkładu: nazwa typu lokomotywy nr 1 zawiera spację lub znak "
              "sterujący.");
    EXPECT_EQ(refused([](auto& c) { c.locomotiveTypes[0].hierarchy = ""; }),
              "Nie można zapisać rozkładu: pusta hierarchia lokomotywy nr 1.");
    EXPECT_EQ(refused([](auto& c) { c.startTime = ""; }),
              "Nie można zapisać rozkładu: pusty czas rozpoczęcia.");
    for (const char* startTime : {"6,00", "6 00"}) {
        EXPECT_EQ(refused([startTime](auto& c) { c.startTime = startTime; }),
                  "Nie można zapisać rozkładu: czas rozpoczęcia zawiera przecinek, spację lub znak "
                  "sterujący.");
    }
    EXPECT_EQ(refused([](auto& c) { c.trainNames = {std::string("A\0B", 3)}; }),
              "Nie można zapisać rozkładu: nazwa pociągu nr 1 zawiera znak o kodzie 0.");
    EXPECT_EQ(refused([](auto& c) { c.locomotiveTypeCount = 2; }),
              "Nie można zapisać rozkładu: liczba typów lokomotyw (2) różni się od liczby "
              "zdefiniowanych lokomotyw (1).");
    EXPECT_EQ(refused([](auto& c) { c.authorInfo = std::string("a\0b", 3); }),
              "Nie można zapisać rozkładu: informacja o autorze zawiera znak o kodzie 0.");
}

TEST(RozWriter, RefusedSaveWritesNothing) {
    test::TempFolder folder;
    const fs::path target = folder / "stacja.roz";
    test::writeBytes(target, "old content");
    TimetableContent c = test::workedExample();
    c.stationNames[0] = "";
    EXPECT_THROW(saveTimetableFile(c, target), Error);
    EXPECT_EQ(test::readBytes(target), "old content");
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"stacja.roz"});
}

TEST(RozWriter, SaveReplacesTheFileAndKeepsItsPermissions) {
    test::TempFolder folder;
    const fs::path target = folder / "stacja.roz";
    test::writeBytes(target, "old content");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    saveTimetableFile(test::workedExample(), target);
    EXPECT_EQ(test::readBytes(target), test::readBytes(dataPath("worked-example.roz")));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"stacja.roz"});
}

TEST(RozWriter, SavingThroughALinkReplacesTheFileItPointsAt) {
    test::TempFolder folder;
    fs::create_directory(folder / "gra");
    test::writeBytes(folder / "gra" / "stacja.roz", "old content");
    fs::create_symlink(folder / "gra" / "stacja.roz", folder / "skrot.roz");
    saveTimetableFile(test::workedExample(), (folder / "skrot.roz").string());
    EXPECT_TRUE(fs::is_symlink(folder / "skrot.roz"));
    EXPECT_EQ(test::readBytes(folder / "gra" / "stacja.roz"),
              test::readBytes(dataPath("worked-example.roz")));
}

TEST(RozWriter, AWriteThatFailsMidwayLeavesTheOldFileIntact) {
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
    EXPECT_EQ(message, "File too large");
    EXPECT_EQ(test::readBytes(target), "old content");
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"stacja.roz"});
    // The same timetable saves fine once the limit is gone.
    saveTimetableFile(big, target);
    EXPECT_EQ(readTimetableFile(target), big);
}

TEST(RozWriter, SaveIntoAMissingFolderFailsWithTheSystemText) {
    test::TempFolder folder;
    try {
        saveTimetableFile(test::workedExample(), (folder / "brak" / "stacja.roz").string());
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "No such file or directory");
    }
}
