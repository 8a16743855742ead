// rylmo-roz: the timetable core from the command line.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "TimetableJson.h"
#include "document/ConsistencyCheck.h"
#include "document/Error.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"

namespace {

constexpr int kOk = 0;
constexpr int kFileError = 1;
constexpr int kUsage = 2;
constexpr int kProblems = 3;

const char* const kUsageText =
    "Użycie: rylmo-roz POLECENIE ...\n"
    "  dump PLIK             wypisuje rozkład PLIK jako obiekt JSON (UTF-8)\n"
    "  from-json JSON WYNIK  zapisuje rozkład opisany w JSON jako plik WYNIK (wersja 2)\n"
    "  convert PLIK WYNIK    zapisuje rozkład PLIK (wersja 1 lub 2) jako WYNIK w wersji 2\n"
    "  check PLIK            wypisuje problemy rozkładu, po jednym w wierszu\n"
    "  --help                wypisuje ten opis\n"
    "Kod wyjścia: 0 gdy wszystko w porządku, 1 gdy pliku nie można odczytać lub zapisać,\n"
    "2 przy błędnym wywołaniu, 3 gdy check znalazł problemy.\n";

int usage() {
    std::cerr << kUsageText;
    return kUsage;
}

int dump(const std::string& path) {
    const rylmo::TimetableContent content = rylmo::readTimetableFile(path);
    std::cout << rylmo::timetableToJson(content).dump() << '\n';
    return kOk;
}

int fromJson(const std::string& jsonPath, const std::string& outPath) {
    std::ifstream in(jsonPath, std::ios::binary);
    if (!in) throw rylmo::Error("niemozliwe otwarcie pliku");
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(in);
    } catch (const nlohmann::json::exception& e) {
        throw rylmo::Error(std::string("Niepoprawny JSON: ") + e.what());
    }
    rylmo::saveTimetableFile(rylmo::timetableFromJson(json), outPath);
    return kOk;
}

int convert(const std::string& inPath, const std::string& outPath) {
    rylmo::saveTimetableFile(rylmo::readTimetableFile(inPath), outPath);
    return kOk;
}

int check(const std::string& path) {
    const std::vector<rylmo::Problem> problems = rylmo::checkTimetable(rylmo::readTimetableFile(path));
    for (const rylmo::Problem& problem : problems) std::cout << problem.describe() << '\n';
    return problems.empty() ? kOk : kProblems;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsageText;
        return kOk;
    }
    try {
        if (args.size() == 2 && args[0] == "dump") return dump(args[1]);
        if (args.size() == 3 && args[0] == "from-json") return fromJson(args[1], args[2]);
        if (args.size() == 3 && args[0] == "convert") return convert(args[1], args[2]);
        if (args.size() == 2 && args[0] == "check") return check(args[1]);
    } catch (const rylmo::Error& e) {
        std::cerr << rylmo::displayMessage(e.what()) << '\n';
        return kFileError;
    } catch (const std::exception& e) {
        std::cerr << rylmo::displayMessage(e.what()) << '\n';
        return kFileError;
    }
    return usage();
}
