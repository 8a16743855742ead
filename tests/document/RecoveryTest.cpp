#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "TestFiles.h"
#include "document/Error.h"
#include "document/FileStamp.h"
#include "document/RecoveryFolder.h"
#include "document/RozWriter.h"

using namespace rylmo;
using test::workedExample;

namespace {

// A content the .roz writer refuses: empty texts, line breaks, blanks, a NUL byte, a long
// locomotive word, the extremes of a number.
TimetableContent awkwardContent() {
    TimetableContent c = workedExample();
    c.stationPicture = "";
    c.authorInfo = "dwa\r\nwiersze";
    c.startTime = "4:30, rano";
    c.trains[0].arrivalTime = std::numeric_limits<int32_t>::min();
    c.trains[0].reserved = std::numeric_limits<int32_t>::max();
    c.stationNames.push_back("");
    c.stationNames.push_back(std::string("z\0zerem", 7));
    c.locomotiveTypes.emplace_back(std::string(200, 'x'), "EU 07", "", "1");
    c.locomotiveTypeCount = 99;  // disagreeing with the list: kept as it is
    return c;
}

// A file whose body was made by hand, framed as the writer frames it.
std::string framed(const std::string& body) {
    BytesHash hash;
    hash.add(body);
    return "RYLMO-ODZYSK 1\n0  1 2 " + std::to_string(body.size()) + " " +
           std::to_string(static_cast<int64_t>(hash.value())) + " \n" + body;
}

}  // namespace

// Every content reads back equal, also one that cannot be written as a .roz file; the
// header keeps any path.
TEST(RecoveryFile, KeepsAnyContentAndPath) {
    const TimetableContent content = awkwardContent();
    EXPECT_THROW(writeTimetable(content), Error);
    const RecoveryHeader header{"C:\\Gra\\100%\nZielonka.roz", 1796652300, 12};
    const std::string bytes = recoveryBytes(header, content);
    EXPECT_EQ(readRecoveryContent(bytes), content);
    EXPECT_EQ(readRecoveryHeader(bytes), header);
    EXPECT_EQ(readRecoveryContent(recoveryBytes({}, TimetableContent{})), TimetableContent{});
    EXPECT_EQ(readRecoveryIndex(recoveryIndexText(header)), header);
    const std::string index = recoveryIndexText(header);
    EXPECT_EQ(std::count(index.begin(), index.end(), '\n'), 4) << "the path's break is escaped";
}

// A file cut anywhere, one byte changed, one byte more or another program's file never
// reads as a content.
TEST(RecoveryFile, RefusesAnythingButAWholeFile) {
    const std::string bytes = recoveryBytes({"a.roz", 1, 2}, workedExample());
    for (std::size_t length = 0; length < bytes.size(); ++length)
        EXPECT_THROW(readRecoveryContent(bytes.substr(0, length)), Error) << length;
    std::string changed = bytes;
    changed[changed.size() - 3] ^= 1;
    EXPECT_THROW(readRecoveryContent(changed), Error);
    EXPECT_THROW(readRecoveryContent(bytes + " "), Error);
    EXPECT_THROW(readRecoveryContent(writeTimetable(workedExample())), Error);
    EXPECT_THROW(readRecoveryHeader("RYLMO-ODZYSK 1\n5 a.r"), Error);
    EXPECT_EQ(readRecoveryHeader(bytes.substr(0, bytes.find('\n', 15) + 1)).documentPath, "a.roz");
}

// A well framed body that lies: counts past what follows, numbers past 32 bits, missing or
// extra parts.
TEST(RecoveryFile, RefusesBodiesThatLie) {
    const std::string empty = recoveryBytes({}, TimetableContent{});
    const std::string body = empty.substr(empty.find('\n', 15) + 1);
    EXPECT_EQ(readRecoveryContent(framed(body)), TimetableContent{});
    EXPECT_THROW(readRecoveryContent(framed(body + "0 ")), Error);
    EXPECT_THROW(readRecoveryContent(framed(body.substr(0, body.size() - 2))), Error);
    // The version, three texts, a train count of 1 and its 26 numbers, the rest as empty.
    const std::string start = "2 0 0 0 ";
    std::string train;
    for (int field = 0; field < 26; ++field) train += "7 ";
    const std::string rest = body.substr(std::string("0 0 0 0 0 ").size());
    EXPECT_EQ(readRecoveryContent(framed(start + "1 " + train + rest)).trains.size(), 1u);
    EXPECT_THROW(readRecoveryContent(framed(start + "2 " + train + rest)), Error);
    EXPECT_THROW(readRecoveryContent(framed(start + "99999999999 " + train + rest)), Error);
    EXPECT_THROW(readRecoveryContent(framed(start + "-1 " + rest)), Error);
    std::string big = train;
    big.replace(0, 2, "2147483647 ");
    EXPECT_EQ(readRecoveryContent(framed(start + "1 " + big + rest)).trains[0].runType,
              std::numeric_limits<int32_t>::max());
    big.replace(0, 11, "2147483648 ");
    EXPECT_THROW(readRecoveryContent(framed(start + "1 " + big + rest)), Error);
    big.replace(0, 11, "-2147483649 ");
    EXPECT_THROW(readRecoveryContent(framed(start + "1 " + big + rest)), Error);
    EXPECT_THROW(readRecoveryContent(framed("2 5 abc")), Error);
}

TEST(RecoveryFile, IndexNeedsEveryKeyAndWholeEscapes) {
    const std::string good = "Rylmo odzysk 1\nplik=a%25b\nczas=5\nzmiany=3\n";
    EXPECT_EQ(readRecoveryIndex(good), (RecoveryHeader{"a%b", 5, 3}));
    EXPECT_EQ(readRecoveryIndex(good + "inne=1\n").changes, 3);
    EXPECT_THROW(readRecoveryIndex("Rylmo odzysk 1\nplik=a\nczas=5\n"), Error);
    EXPECT_THROW(readRecoveryIndex("Rylmo odzysk 1\nplik=a%2\nczas=5\nzmiany=3\n"), Error);
    EXPECT_THROW(readRecoveryIndex("Rylmo odzysk 1\nplik=a%zz\nczas=5\nzmiany=3\n"), Error);
    EXPECT_THROW(readRecoveryIndex("Rylmo odzysk 1\nplik=a\nczas=5x\nzmiany=3\n"), Error);
    EXPECT_THROW(readRecoveryIndex(good.substr(0, good.size() - 1)), Error);
    EXPECT_THROW(readRecoveryIndex("[Rylmo]\nplik=a\n"), Error);
}

// A set's lock keeps it from every other taker; the sets of windows that are gone are found,
// oldest first by their document's own header, an unreadable document before them, whatever
// their index says; what a gone window left without a document goes; removing leaves nothing.
// Only the owner may read the folder and the files.
TEST(RecoveryFolder, FindsOnlyTheSetsOfWindowsThatAreGone) {
    test::TempFolder temp;
    const std::string folder = (temp.path() / "odzysk").string();
    EXPECT_TRUE(abandonedRecoveries(folder).empty());  // no folder yet

    RecoverySet living(folder, newRecoveryId());
    living.write({"a.roz", 300, 1}, workedExample());
    RecoverySet older(folder, newRecoveryId());
    older.write({"b.roz", 100, 2}, awkwardContent());
    test::writeBytes(older.indexFile(), "Rylmo odzysk 1\nplik=c.roz\n");  // damaged
    RecoverySet damaged(folder, "zepsuty");
    damaged.write({"c.roz", 500, 3}, workedExample());
    test::writeBytes(damaged.documentFile(), "RYLMO-ODZYSK 1\n");
    EXPECT_NE(living.id(), older.id());
    EXPECT_FALSE(RecoverySet(folder, living.id()).lock());
#ifndef _WIN32
    const auto modeOf = [](const std::filesystem::path& path) {
        return std::filesystem::status(path).permissions() & std::filesystem::perms::all;
    };
    EXPECT_EQ(modeOf(folder), std::filesystem::perms::owner_all);
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_EQ(modeOf(entry.path()),
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
            << entry.path();
    }
    // A folder made open by an earlier version is closed at the next write.
    std::filesystem::permissions(folder, std::filesystem::perms::all);
    living.write({"a.roz", 300, 1}, workedExample());
    EXPECT_EQ(modeOf(folder), std::filesystem::perms::owner_all);
#endif
    // Left by windows that never wrote a document: a lone lock, a lone index, a temporary file.
    test::writeBytes(std::filesystem::path(folder) / "samotna.blokada", "");
    test::writeBytes(std::filesystem::path(folder) / "indeks.indeks", "x");
    test::writeBytes(std::filesystem::path(folder) / ".ucieta.odzysk.rylmo~123456", "x");

    older = RecoverySet(folder, older.id());  // its window ends: the lock is let go of
    damaged = RecoverySet(folder, damaged.id());
    std::vector<RecoverySet> found = abandonedRecoveries(folder);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].id(), "zepsuty");
    EXPECT_THROW(found[0].header(), Error);
    EXPECT_EQ(found[1].id(), older.id());
    EXPECT_THROW(found[1].index(), Error);
    RecoveryHeader header;
    EXPECT_EQ(found[1].content(&header), awkwardContent());
    EXPECT_EQ(header, (RecoveryHeader{"b.roz", 100, 2}));
    EXPECT_EQ(found[1].header(), header);
    EXPECT_TRUE(abandonedRecoveries(folder).empty()) << "the finder holds them";
    for (const char* gone : {"samotna.blokada", "indeks.indeks", ".ucieta.odzysk.rylmo~123456"})
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(folder) / gone)) << gone;

    // A temporary file of a cut write goes with its set.
    test::writeBytes(std::filesystem::path(folder) / ("." + found[1].id() + ".indeks.rylmo~abcdef"),
                     "x");
    for (RecoverySet& set : found) set.remove();
    living.remove();
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}
