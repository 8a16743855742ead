#include <gtest/gtest.h>

#include "TestFiles.h"
#include "document/Error.h"
#include "document/RozReader.h"

using namespace rylmo;
using test::dataPath;

namespace {

std::string readError(const std::string& bytes) {
    return test::errorOf([&] { readTimetable(bytes); });
}

// The worked example with one line replaced.
std::string workedExampleWith(const std::string& from, const std::string& to) {
    std::string bytes = test::readBytes(dataPath("worked-example.roz"));
    const auto at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return bytes.replace(at, from.size(), to);
}

}  // namespace

TEST(RozReader, ReadsTheWorkedExample) {
    EXPECT_EQ(readTimetableFile(dataPath("worked-example.roz")), test::workedExample());
}

TEST(RozReader, VersionOneCarriesThreeIntegersPerDepotEntry) {
    const TimetableContent c = readTimetableFile(dataPath("version1.roz"));
    EXPECT_EQ(c.version, 1);
    ASSERT_EQ(c.depot.size(), 2u);
    EXPECT_EQ(c.depot[0], (DepotEntry{1, 3, 0, 0, 0, 0}));
    EXPECT_EQ(c.depot[1], (DepotEntry{2, 1, 1, 0, 0, 0}));
    // Train lines without a final comma before the line break.
    ASSERT_EQ(c.trains.size(), 2u);
    EXPECT_EQ(c.trains[0].departureTime, 745);
    EXPECT_EQ(c.trains[0].reserved, 0);
    EXPECT_EQ(c.trains[1].arrivalTime, 1500);
    EXPECT_EQ(c.trains[1].departurePlatform, 2);
    EXPECT_EQ(c.startTime, "530");
    EXPECT_EQ(c.stationNames[1], "\xa3\xf3\x64\x9f_Fabryczna");  // bytes kept as in the file
    EXPECT_EQ(c.locomotiveTypes[1], (LocomotiveType{"SM42", "Lokomotywa_spalinowa", "4", "2"}));
    EXPECT_EQ(c.coaches, std::vector<std::string>{"Bdhpumn"});
    EXPECT_EQ(c.authorInfo, "Autor: Jan\r\nWiersz drugi");
}

TEST(RozReader, EveryFailureOfTheFormatHasItsMessage) {
    const std::pair<const char*, const char*> cases[] = {
        {"empty.roz", "'' is not a valid integer value"},
        {"starts-with-letter.roz", "'W' is not a valid integer value"},
        {"starts-with-blank-line.roz", "'\r' is not a valid integer value"},
        {"unsupported-version.roz", "Nieobsługiwana wersja pliku rozkładu: 3"},
        {"negative-count.roz", "Range check error"},
        {"count-beyond-file.roz", "Range check error"},
        {"not-an-integer.roz", "'dwa' is not a valid integer value"},
        {"integer-out-of-range.roz", "'2147483648' is not a valid integer value"},
        {"ends-early.roz", "'' is not a valid integer value"},
        {"count-without-comma.roz", "'1\r\n1' is not a valid integer value"},
        {"depot-field-ended-by-line-break.roz", "'0\r\n0' is not a valid integer value"},
    };
    for (const auto& [file, message] : cases)
        EXPECT_EQ(test::errorOf([&] { readTimetableFile(dataPath(file)); }), message) << file;
}

TEST(RozReader, FilesThatCannotBeOpened) {
    test::TempFolder folder;
    const auto fail = [](const std::string& path) {
        return test::errorOf([&] { readTimetableFile(path); });
    };
    // The message the file format's tools give, then why, in Polish.
    EXPECT_EQ(fail((folder / "missing.roz").string()),
              "niemozliwe otwarcie pliku: Nie ma takiego pliku ani folderu");
#ifdef _WIN32
    EXPECT_EQ(fail(folder.path().string()), "niemozliwe otwarcie pliku: Brak dostępu");
#else
    EXPECT_EQ(fail(folder.path().string()), "niemozliwe otwarcie pliku: To jest folder, nie plik");
    EXPECT_EQ(fail((folder / std::string(300, 'a')).string()),
              "niemozliwe otwarcie pliku: Nazwa pliku jest zbyt długa");
#endif
}

TEST(RozReader, ANulByteEndsTheText) {
    std::string bytes = test::readBytes(dataPath("worked-example.roz"));
    const std::string clean = bytes;
    bytes.replace(bytes.rfind("brak"), 4, std::string("brak\0garbage, 12,\r\n", 19));
    EXPECT_EQ(readTimetable(bytes), readTimetable(clean));
    EXPECT_EQ(readError(std::string("2\0,", 3)), "'' is not a valid integer value");
}

TEST(RozReader, LocomotiveTypeLinesSplitIntoFourWords) {
    TimetableContent c = readTimetable(workedExampleWith("lok1 Lokomotywa 3 1 ", "a  b c d e"));
    EXPECT_EQ(c.locomotiveTypes[0], (LocomotiveType{"a", "b", "c", "d"}));
    c = readTimetable(workedExampleWith("lok1 Lokomotywa 3 1 ", "a b"));
    EXPECT_EQ(c.locomotiveTypes[0], (LocomotiveType{"a", "b", "", ""}));
    EXPECT_EQ(c.coaches[0], "wagon1");
    // The words are stored together; long, empty and blank-holding ones read back exactly.
    const std::string longWord(300, 'w');
    const LocomotiveType odd{longWord, "z spacja", "", "9"};
    EXPECT_EQ(odd.pictureName(), longWord);
    EXPECT_EQ(odd.typeName(), "z spacja");
    EXPECT_EQ(odd.kind(), "");
    EXPECT_EQ(odd.hierarchy(), "9");
}

TEST(RozReader, BlankLinesBetweenTokensAreFreeButLineBreaksDoNotEndDepotFields) {
    TimetableContent c = readTimetable(workedExampleWith("600,\r\n", "\r\n\r\n  600,\r\n\r\n"));
    EXPECT_EQ(c, test::workedExample());
    // Train fields may end at a line break instead of a comma.
    c = readTimetable(workedExampleWith("0,0,0,0,0,0,\r\n600", "0,0,0,0,0,0\r\n600"));
    EXPECT_EQ(c, test::workedExample());
    EXPECT_EQ(readError(workedExampleWith("1,2,0,0,0,0,\r\n", "1,2,0,0,0,0\r\n")),
              "'0\r\n1' is not a valid integer value");
    // LF-only line ends work wherever a comma ends the field.
    c = readTimetable(workedExampleWith("\r\n600,\r\n", "\n600,\n"));
    EXPECT_EQ(c, test::workedExample());
}

TEST(RozReader, StartTimeEndsAtACommaOrABlank) {
    EXPECT_EQ(readTimetable(workedExampleWith("600,", "600 ")), test::workedExample());
    EXPECT_EQ(readError(workedExampleWith("600,", "600 ,")), "'' is not a valid integer value");
}

TEST(RozReader, EmptyTextEntryShiftsLaterTokens) {
    // An empty depot name is skipped as blank space: "Wola" becomes the depot name and
    // the station count meets a text.
    EXPECT_EQ(readError(workedExampleWith("Parowozownia", "")),
              "'Wola\r\n0' is not a valid integer value");
}

TEST(RozReader, EmptyTrainsSectionAndTextsPastTheEnd) {
    TimetableContent c = readTimetable(workedExampleWith(
        "1,\r\n2,830,1,0,0,835,2,0,0,1234,1234,0,0,2,2,0,2,0,1,1,0,0,0,0,0,0,\r\n", "0,\r\n"));
    EXPECT_TRUE(c.trains.empty());
    // The last train name and the author text may be missing at the very end.
    std::string bytes = test::readBytes(dataPath("worked-example.roz"));
    bytes.replace(bytes.find("0,\r\nbrak"), std::string::npos, "1,\r\nEkspres");
    c = readTimetable(bytes);
    EXPECT_EQ(c.trainNames, std::vector<std::string>{"Ekspres"});
    EXPECT_EQ(c.authorInfo, "");
}

TEST(RozReader, CountsAreBoundedByTheRestOfTheFile) {
    EXPECT_EQ(readError(workedExampleWith("\r\n1,\r\nlok1", "\r\n99,\r\nlok1")),
              "Range check error");  // 99 coaches, but few bytes left
    EXPECT_EQ(readError(workedExampleWith("0,\r\nbrak", "50,\r\nbrak")), "Range check error");
    EXPECT_EQ(readError(workedExampleWith("\r\n1,\r\n1,\r\n100,", "\r\n-1,\r\n1,\r\n100,")),
              "Range check error");  // negative locomotive type count
    EXPECT_EQ(readError(workedExampleWith("\r\n1,\r\n1,\r\n100,", "\r\n99999,\r\n1,\r\n100,")),
              "Range check error");
    // A line ends at CR LF, counted once: two lines hold two names, not three.
    const std::string twoNames =
        "2,\r\nX\r\n0,\r\n0,\r\n530,\r\n0,\r\n0,\r\n0,\r\n0,\r\n0,\r\n0,\r\n0,\r\n";
    EXPECT_EQ(readTimetable(twoNames + "2,\r\na\r\nb").trainNames,
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(readError(twoNames + "3,\r\na\r\nb"), "Range check error");
}
