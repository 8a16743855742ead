// Saving and opening files, as they must behave on every system.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "TestFiles.h"
#include "document/AtomicFile.h"
#include "document/AtomicFileShared.h"
#include "document/Error.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"

using namespace rylmo;
using test::dataPath;
namespace fs = std::filesystem;

namespace {

fs::path utf8Path(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}
std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(utf8Of(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

std::string saveError(const TimetableContent& content, const fs::path& target) {
    return test::errorOf([&] { saveTimetableFile(content, utf8Of(target)); });
}

}  // namespace

TEST(Saving, PolishFolderAndFileNames) {
    test::TempFolder folder;
    const fs::path polish = folder / utf8Path("Rozkłady ąęłń");
    fs::create_directory(polish);
    const fs::path target = polish / utf8Path("Łódź Kaliska.roz");
    saveTimetableFile(test::workedExample(), utf8Of(target));
    EXPECT_EQ(test::readBytes(target),
              test::readBytes(dataPath("worked-example.roz")));  // CR LF exactly
    EXPECT_EQ(readTimetableFile(utf8Of(target)), test::workedExample());
    // Saved again over itself: replaced, nothing left beside it.
    TimetableContent changed = test::workedExample();
    changed.startTime = "705";
    saveTimetableFile(changed, utf8Of(target));
    EXPECT_EQ(readTimetableFile(utf8Of(target)).startTime, "705");
    EXPECT_EQ(folderEntries(polish), std::vector<std::string>{"Łódź Kaliska.roz"});

    // What an interrupt removes is the temporary file itself, by the system's own form of its
    // name (wide on Windows), Polish letters and all; only the saves of the thread that set
    // the handlers up (the recovery writer's thread saves too).
    atomic_file::rememberOnThisThread();
    std::thread([&] {
        AtomicFile file(utf8Of(target));
        EXPECT_EQ(atomic_file::rememberedTemporary(), nullptr);
    }).join();
    {
        AtomicFile file(utf8Of(target));
        file.write("2,");
        const fs::path::value_type* remembered = atomic_file::rememberedTemporary();
        ASSERT_NE(remembered, nullptr);
        const fs::path temporary(remembered);
        EXPECT_EQ(temporary.parent_path(), polish);
        EXPECT_TRUE(fs::is_regular_file(temporary));
    }
    EXPECT_EQ(atomic_file::rememberedTemporary(), nullptr);
}

TEST(Saving, FailuresLeaveTheOldFileAndNoTemporaryFile) {
    test::TempFolder folder;
    const fs::path target = folder / "stacja.roz";
    test::writeBytes(target, "old content");
    TimetableContent refused = test::workedExample();
    refused.stationNames[0] = "";
    EXPECT_NE(saveError(refused, target), "no error");
    EXPECT_EQ(test::readBytes(target), "old content");

    // A read-only file is refused and stays as it was, read-only.
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_NE(saveError(test::workedExample(), target), "no error");
    EXPECT_EQ(test::readBytes(target), "old content");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
    // ... but opens, since reading never writes.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    saveTimetableFile(test::workedExample(), utf8Of(target));
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_EQ(readTimetableFile(utf8Of(target)), test::workedExample());
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);

    // Not a regular file: refused, left as it is.
    fs::create_directory(folder / "katalog.roz");
    EXPECT_NE(saveError(test::workedExample(), folder / "katalog.roz"), "no error");
    EXPECT_TRUE(fs::is_directory(folder / "katalog.roz"));
    EXPECT_NE(saveError(test::workedExample(), folder / "brak" / "stacja.roz"), "no error");
    EXPECT_EQ(folderEntries(folder.path()),
              (std::vector<std::string>{"katalog.roz", "stacja.roz"}));
}

TEST(Saving, TemporaryNamesFitAndStaleOnesGo) {
    test::TempFolder folder;
    // The longest name a file may have still saves: the temporary name is cut to fit.
    const std::string longest = std::string(251, 'a') + ".roz";
    saveTimetableFile(test::workedExample(), utf8Of(folder / longest));
    EXPECT_EQ(readTimetableFile(utf8Of(folder / longest)), test::workedExample());

    // A temporary file that a killed save left behind goes with the next save of its target;
    // another target's stays.
    test::writeBytes(folder / ".stacja.roz.rylmo~Ab12Cd", "half");
    test::writeBytes(folder / ".inna.roz.rylmo~Ab12Cd", "half");
    saveTimetableFile(test::workedExample(), utf8Of(folder / "stacja.roz"));
    const std::vector<std::string> entries = folderEntries(folder.path());
    EXPECT_EQ(entries, (std::vector<std::string>{".inna.roz.rylmo~Ab12Cd", longest, "stacja.roz"}));
}
