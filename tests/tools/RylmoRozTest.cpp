#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <cstdio>
#include <filesystem>

#include "StationDay.h"
#include "TestFiles.h"
#include "document/RozWriter.h"

using rylmo::test::dataPath;
using rylmo::test::readBytes;
using rylmo::test::TempFolder;
using rylmo::test::writeBytes;

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the built rylmo-roz with the given arguments (already quoted for the shell).
ToolRun run(const std::string& arguments) {
    TempFolder folder;
    const std::string errFile = (folder / "stderr").string();
    const std::string command =
        std::string("'") + RYLMO_ROZ + "' " + arguments + " 2>'" + errFile + "'";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, readBytes(errFile)};
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

const char* const kWorkedExampleJson =
    R"({"version":2,"stationPicture":"Wola","depot":[[1,2,0,0,0,0]],)"
    R"("trains":[[2,830,1,0,0,835,2,0,0,1234,1234,0,0,2,2,0,2,0,1,1,0,0,0,0,0,0]],)"
    R"("startTime":"600","passages":[],"locomotiveTypeCount":1,"probabilities":["100,"],)"
    R"("compositions":["2,2,0,"],"locomotiveTypes":[{"pictureName":"lok1",)"
    R"("typeName":"Lokomotywa","kind":"3","hierarchy":"1"}],"coaches":["wagon1"],)"
    R"("depotNames":["Parowozownia"],"stationNames":["Wola"],"trainNames":[],"authorInfo":"brak"})"
    "\n";

}  // namespace

TEST(RylmoRoz, DumpPrintsTheDocumentAsJson) {
    const ToolRun r = run("dump " + quoted(dataPath("worked-example.roz")));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kWorkedExampleJson);
    // Windows-1250 texts come out as UTF-8, line breaks as CR LF.
    const ToolRun v1 = run("dump " + quoted(dataPath("version1.roz")));
    EXPECT_NE(v1.out.find(R"("version":1,)"), std::string::npos);
    EXPECT_NE(v1.out.find(R"("Łódź_Fabryczna")"), std::string::npos);
    EXPECT_NE(v1.out.find(R"("authorInfo":"Autor: Jan\r\nWiersz drugi")"), std::string::npos);
    // The author's text is Windows-1250 in the file and UTF-8 in the dump.
    TempFolder folder;
    rylmo::TimetableContent polish = rylmo::test::workedExample();
    polish.authorInfo = "Autor: \xa3ukasz z \xa3odzi";
    const std::string file = (folder / "autor.roz").string();
    rylmo::saveTimetableFile(polish, file);
    EXPECT_NE(run("dump " + quoted(file)).out.find(R"("authorInfo":"Autor: Łukasz z Łodzi")"),
              std::string::npos);
}

// A dump far longer than one output buffer arrives whole: read back by from-json, it gives the
// very file it came from.
TEST(RylmoRoz, ADumpOfMegabytesIsWholeJson) {
    TempFolder folder;
    rylmo::TimetableContent big = rylmo::test::workedExample();
    for (int i = 0; i < 60000; ++i) {
        rylmo::Train t = big.trains.front();
        t.arrivalNumber = i;
        t.departureTime = -i;
        big.trains.push_back(t);
        big.stationNames.push_back("Stacja " + std::to_string(i));
    }
    const std::string file = (folder / "duzy.roz").string();
    rylmo::saveTimetableFile(big, file);
    const ToolRun dumped = run("dump " + quoted(file));
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    EXPECT_GT(dumped.out.size(), 4u << 20);
    EXPECT_EQ(dumped.out.substr(dumped.out.size() - 2), "}\n");
    const std::string json = (folder / "duzy.json").string();
    writeBytes(json, dumped.out);
    const std::string back = (folder / "z-powrotem.roz").string();
    ASSERT_EQ(run("from-json " + quoted(json) + " " + quoted(back)).status, 0);
    EXPECT_TRUE(readBytes(back) == readBytes(file));
}

TEST(RylmoRoz, ConvertAndFromJsonWriteVersionTwo) {
    TempFolder folder;
    const std::string out = (folder / "out.roz").string();
    ToolRun r = run("convert " + quoted(dataPath("worked-example.roz")) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readBytes(out), readBytes(dataPath("worked-example.roz")));

    r = run("convert " + quoted(dataPath("version1.roz")) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readBytes(out), readBytes(dataPath("version1-saved-as-version2.roz")));

    // dump and from-json are each other's inverse.
    const std::string json = (folder / "v1.json").string();
    writeBytes(json, run("dump " + quoted(dataPath("version1.roz"))).out);
    r = run("from-json " + quoted(json) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readBytes(out), readBytes(dataPath("version1-saved-as-version2.roz")));
}

TEST(RylmoRoz, FromJsonRefusesWhatItCannotWrite) {
    TempFolder folder;
    const std::string json = (folder / "in.json").string();
    const std::string out = (folder / "out.roz").string();
    const auto fromJson = [&](std::string text) {
        writeBytes(json, text);
        return run("from-json " + quoted(json) + " " + quoted(out));
    };
    std::string text = kWorkedExampleJson;
    ToolRun r = fromJson(text.replace(text.find("Wola"), 4, "Москва"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("„М” (U+041C)"), std::string::npos) << r.err;

    text = kWorkedExampleJson;
    const std::string names = R"("stationNames":["Wola"])";
    r = fromJson(text.replace(text.find(names), names.size(), R"("stationNames":[""])"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nie można zapisać rozkładu: pusta nazwa stacji nr 1.\n");

    r = fromJson(R"({"version":2})");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Brak klucza JSON „stationPicture”.\n");

    // Numbers beyond 32 bits and fractions are refused, named as the JSON has them.
    for (const char* number : {"18446744073709551615", "-2147483649", "1234.5"}) {
        text = kWorkedExampleJson;
        r = fromJson(text.replace(text.find("1234"), 4, number));
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("„trains”"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(number), std::string::npos) << r.err;
    }

    r = fromJson("{nie json");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(RylmoRoz, CheckReportsProblemsWithItsOwnExitStatus) {
    ToolRun r = run("check " + quoted(dataPath("worked-example.roz")));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");

    TempFolder folder;
    const std::string file = (folder / "bad.roz").string();
    std::string bytes = readBytes(dataPath("worked-example.roz"));
    bytes.replace(bytes.find("2,830,1,0"), 9, "2,830,1,4");
    writeBytes(file, bytes);
    r = run("check " + quoted(file));
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out,
              "Pociągi: pociąg nr 0, stacja początkowa: pozycja 4 poza listą stacji (1 pozycja)\n");
}

TEST(RylmoRoz, FailuresAndUsage) {
    ToolRun r = run("dump " + quoted(dataPath("unsupported-version.roz")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nieobsługiwana wersja pliku rozkładu: 3.\n");
    EXPECT_EQ(r.out, "");

    r = run("check /nonexistent/file.roz");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "niemozliwe otwarcie pliku: Nie ma takiego pliku ani folderu.\n");

    r = run("convert " + quoted(dataPath("worked-example.roz")) + " /nonexistent/out.roz");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Nie ma takiego pliku ani folderu.\n");
    // A file where a folder should be: said in Polish, as every failure of a file.
    r = run("convert " + quoted(dataPath("worked-example.roz")) + " " +
            quoted(dataPath("worked-example.roz") + "/out.roz"));
    EXPECT_EQ(r.status, 1);
#ifdef _WIN32
    EXPECT_NE(r.err, "");
#else
    EXPECT_EQ(r.err, "Część ścieżki nie jest folderem.\n");
#endif

    for (const char* wrong : {"", "dump", "dump a b", "frobnicate x", "--version x", "-version"}) {
        r = run(wrong);
        EXPECT_EQ(r.status, 2) << wrong;
        EXPECT_NE(r.err.find("Użycie: rylmo-roz"), std::string::npos) << wrong;
    }
    r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("from-json JSON WYNIK"), std::string::npos);
    r = run("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Rylmo " RYLMO_VERSION "\n");
    EXPECT_EQ(r.out, "Rylmo 0.2.0\n") << "the version CMake's project gives";
}

// Hostile counts fail at once: memory stays near the file's size, and the message quotes only
// the start of a bad token.
TEST(RylmoRoz, HostileFilesFailCheaply) {
    TempFolder folder;
    const std::string head = "2,\r\nA\r\n0,\r\n0,\r\n600,\r\n0,\r\n";
    const std::size_t size = 20'000'000;
    const std::pair<const char*, std::string> files[] = {
        {"types.roz", head + "20000000,\r\n0,\r\n0,\r\n0,\r\n" + std::string(size, 'x')},
        {"probabilities.roz", head + "0,\r\n20000000,\r\n" + std::string(size, 'x')},
    };
    for (const auto& [name, bytes] : files) {
        const std::string path = (folder / name).string();
        writeBytes(path, bytes);
        const ToolRun r = run("dump " + quoted(path));
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "Range check error.\n") << name;
    }
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    // Twenty times the file plus room for the sanitizers' shadow memory.
    EXPECT_LT(static_cast<std::size_t>(usage.ru_maxrss) * 1024, 20 * size + 300'000'000);

    const std::string digits = (folder / "digits.roz").string();
    writeBytes(digits, "2,\r\nA\r\n" + std::string(2'000'000, '7'));
    const ToolRun r = run("dump " + quoted(digits));
    EXPECT_EQ(r.err, "'" + std::string(40, '7') + "…' is not a valid integer value.\n");
}

// Output that cannot be written is a failure, not a success with half the JSON.
TEST(RylmoRoz, AFullOutputIsAFailure) {
    TempFolder folder;
    const std::string file = (folder / "bad.roz").string();
    std::string bytes = readBytes(dataPath("worked-example.roz"));
    writeBytes(file,
               bytes.replace(bytes.find("2,830,1,0"), 9, "2,830,1,4"));  // a problem to report
    for (const char* command : {"dump", "check"}) {
        const std::string line = std::string("'") + RYLMO_ROZ + "' " + command + " " +
                                 quoted(file) + " >/dev/full 2>/dev/null";
        const int status = std::system(line.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << command;
    }
    const int help =
        std::system((std::string("'") + RYLMO_ROZ + "' --help >/dev/full 2>/dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(help) && WEXITSTATUS(help) == 1);
}

// The realistic day: every conflict resolved on its six platforms, each move a line; with
// fewer platforms than stays at once, the trains left in conflict are listed and the status
// says so. OUT is written either way.
TEST(RylmoRoz, AssignPlatformsResolvesTheDayAndSaysWhatItCouldNot) {
    TempFolder folder;
    const std::string day = (folder / "dzien.roz").string();
    const std::string out = (folder / "wynik.roz").string();
    rylmo::saveTimetableFile(rylmo::bench::stationDay(), day);
    ASSERT_EQ(run("check " + quoted(day)).status, 3);
    ToolRun r = run("assign-platforms " + quoted(day) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" → "), std::string::npos);
    EXPECT_NE(r.out.find("Zmienione perony: "), std::string::npos);
    EXPECT_EQ(r.out.find("bez wolnego peronu"), std::string::npos);
    EXPECT_EQ(run("check " + quoted(out)).status, 0);
    // Already resolved: nothing moves, and the file stays byte for byte.
    const std::string again = (folder / "znowu.roz").string();
    r = run("assign-platforms " + quoted(out) + " " + quoted(again) + " --dwell 10,10");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Zmienione perony: 0 pociągów.\n");
    EXPECT_EQ(readBytes(again), readBytes(out));
    // Three platforms for a day that needs more at its busiest minutes.
    r = run("assign-platforms " + quoted(day) + " " + quoted(again) + " --platforms 1-3");
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.out.find("bez wolnego peronu: pociąg "), std::string::npos);
    EXPECT_NE(r.out.find("na 3 peronach"), std::string::npos);
    EXPECT_EQ(run("check " + quoted(again)).status, 3);
    // Longer dwell times make more stays meet.
    EXPECT_EQ(
        run("assign-platforms " + quoted(day) + " " + quoted(again) + " --dwell 180,180").status,
        3);
}

TEST(RylmoRoz, AssignPlatformsRefusesOptionsAtTheirLimits) {
    TempFolder folder;
    const std::string file = (folder / "a.roz").string();
    const std::string out = (folder / "b.roz").string();
    rylmo::saveTimetableFile(rylmo::test::workedExample(), file);
    const std::string call = "assign-platforms " + quoted(file) + " " + quoted(out);
    for (const char* good :
         {" --platforms 1", " --platforms 9", " --platforms 1-9", " --platforms 3-3,1",
          " --dwell 0,0", " --dwell 180,180", " --platforms 1 --dwell 5,7"}) {
        EXPECT_EQ(run(call + good).status, 0) << good;
    }
    std::filesystem::remove(out);
    for (const char* bad :
         {" --platforms 0", " --platforms 10", " --platforms 1-10", " --platforms 4-1",
          " --platforms 1,", " --platforms ,1", " --platforms", " --platforms 1-", " --dwell 181,0",
          " --dwell 0,181", " --dwell -1,0", " --dwell 10", " --dwell 10,10,10", " --dwell x,1",
          " --platforms 1 --platforms 2", " --inne 1", " extra", " --dwell 1,1 --dwell 2,2"}) {
        const ToolRun r = run(call + bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_FALSE(r.err.empty()) << bad;
        EXPECT_FALSE(std::filesystem::exists(out)) << bad;
    }
    // Each wrong call says what is wrong before the usage.
    for (const auto& [bad, said] :
         {std::pair{" --platforms 1 --platforms 2", "Opcja --platforms podana więcej niż raz\n"},
          std::pair{" --dwell 1,1 --dwell 2,2", "Opcja --dwell podana więcej niż raz\n"},
          std::pair{" --inne 1", "Nieznana opcja: --inne\n"},
          std::pair{" extra", "Nieznana opcja: extra\n"},
          std::pair{" --platforms", "Brak wartości opcji --platforms\n"},
          std::pair{" --dwell 1,1 --platforms", "Brak wartości opcji --platforms\n"}}) {
        const std::string err = run(call + bad).err;
        EXPECT_TRUE(err.starts_with(said)) << bad << ": " << err;
        EXPECT_NE(err.find("Użycie: rylmo-roz"), std::string::npos) << bad;
    }
    EXPECT_EQ(run("assign-platforms " + quoted(file)).status, 2);
    const std::string missing = (folder / "brak.roz").string();
    ToolRun r = run("assign-platforms " + quoted(missing) + " " + quoted(out));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.starts_with("Nie można odczytać pliku " + missing + ": ")) << r.err;
}

// OUT is written before the report: a report cut short by a closed pipe still leaves the
// resolved file, and an OUT that cannot be written is said, naming it, before any line.
TEST(RylmoRoz, AssignPlatformsWritesOutBeforeItReports) {
    TempFolder folder;
    const std::string day = (folder / "dzien.roz").string();
    const std::string out = (folder / "wynik.roz").string();
    rylmo::saveTimetableFile(rylmo::bench::stationDay(), day);
    const std::string line = std::string("'") + RYLMO_ROZ + "' assign-platforms " + quoted(day) +
                             " " + quoted(out) + " 2>/dev/null | head -c 10 >/dev/null";
    std::system(line.c_str());
    ASSERT_TRUE(std::filesystem::exists(out));
    EXPECT_EQ(run("check " + quoted(out)).status, 0);
    const std::string nowhere = (folder / "brak" / "wynik.roz").string();
    const ToolRun r = run("assign-platforms " + quoted(day) + " " + quoted(nowhere));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("Nie można zapisać pliku " + nowhere + ": ")) << r.err;
}
