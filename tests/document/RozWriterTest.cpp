#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "document/Error.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"

using namespace rylmo;
using test::dataPath;
namespace fs = std::filesystem;

namespace {

std::string writeError(const TimetableContent& content) {
    return test::errorOf([&] { writeTimetable(content); });
}

}  // namespace

TEST(RozWriter, WritesTheWorkedExampleByteForByte) {
    EXPECT_EQ(writeTimetable(test::workedExample()),
              test::readBytes(dataPath("worked-example.roz")));
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
    EXPECT_EQ(refused([](auto& c) {
                  c.trainNames = {"A", "B\r\nC"};
              }),
              "Nie można zapisać rozkładu: nazwa pociągu nr 2 zawiera znak końca wiersza.");
    EXPECT_EQ(refused([](auto& c) { c.coaches[0] = "\t"; }),
              "Nie można zapisać rozkładu: pusta nazwa wagonu nr 1.");
    EXPECT_EQ(refused([](auto& c) { c.compositions[0] = ""; }),
              "Nie można zapisać rozkładu: pusty skład nr 0.");
    EXPECT_EQ(refused([](auto& c) { c.probabilities[0] = "\n"; }),
              "Nie można zapisać rozkładu: pusty indeks prawdopodobieństwa nr 1.");
    EXPECT_EQ(refused([](auto& c) { c.stationPicture = ""; }),
              "Nie można zapisać rozkładu: pusta nazwa pliku stacji.");
    EXPECT_EQ(refused([](auto& c) {
                  const LocomotiveType& t = c.locomotiveTypes[0];
                  c.locomotiveTypes[0] = {t.pictureName(), "Lokomotywa elektryczna", t.kind(),
                                          t.hierarchy()};
              }),
              "Nie można zapisać rozkładu: nazwa typu lokomotywy nr 1 zawiera spację lub znak "
              "sterujący.");
    EXPECT_EQ(refused([](auto& c) {
                  const LocomotiveType& t = c.locomotiveTypes[0];
                  c.locomotiveTypes[0] = {t.pictureName(), t.typeName(), t.kind(), ""};
              }),
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
