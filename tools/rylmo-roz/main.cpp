// rylmo-roz: the timetable core from the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "AssignPlatforms.h"
#include "TimetableJson.h"
#include "document/AtomicFile.h"
#include "document/ConsistencyCheck.h"
#include "document/Error.h"
#include "document/ExitCodes.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"
#include "document/SystemError.h"

namespace {

constexpr int kOk = rylmo::exit_codes::ok;
constexpr int kFileError = rylmo::exit_codes::fileError;
constexpr int kUsage = rylmo::exit_codes::usage;
constexpr int kProblems = rylmo::exit_codes::findings;

const char* const kUsageText =
    "Użycie: rylmo-roz POLECENIE ...\n"
    "  dump PLIK             wypisuje rozkład PLIK jako obiekt JSON (UTF-8)\n"
    "  from-json JSON WYNIK  zapisuje rozkład opisany w JSON jako plik WYNIK (wersja 2)\n"
    "  convert PLIK WYNIK    zapisuje rozkład PLIK (wersja 1 lub 2) jako WYNIK w wersji 2\n"
    "  check PLIK            wypisuje problemy rozkładu, po jednym w wierszu\n"
    "  assign-platforms PLIK WYNIK [--platforms 1-4,6] [--dwell 10,10]\n"
    "                        rozdziela perony tak, by żadne dwa postoje nie kolidowały,\n"
    "                        przenosząc jak najmniej pociągów (tylko na podane perony,\n"
    "                        domyślnie te, których rozkład używa; postój w minutach po\n"
    "                        przyjeździe i przed odjazdem, domyślnie 10,10); wypisuje każde\n"
    "                        przeniesienie i zawsze zapisuje WYNIK\n"
    "  --help                wypisuje ten opis\n"
    "  --version             wypisuje wersję programu\n"
    "Kod wyjścia: 0 gdy wszystko w porządku, 1 gdy pliku nie można odczytać lub zapisać,\n"
    "2 przy błędnym wywołaniu, 3 gdy check znalazł problemy lub assign-platforms zostawił\n"
    "pociągi w konflikcie.\n";

int usage() {
    std::cerr << kUsageText;
    return kUsage;
}

// Writes to standard output and makes sure it arrived: a full disk or a closed pipe is a
// failure like any other, not a success with half the output.
void print(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        throw rylmo::Error(std::string("Błąd zapisu na standardowe wyjście: ") +
                           rylmo::errnoText(errno));
    }
}

int dump(const std::string& path) {
    const rylmo::TimetableContent content = rylmo::readTimetableFile(path);
    rylmo::writeTimetableJson(content, print);
    return kOk;
}

int fromJson(const std::string& jsonPath, const std::string& outPath) {
    std::string reason;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(rylmo::openForReading(jsonPath, &reason),
                                                         std::fclose);
    if (!file) throw rylmo::Error(rylmo::cannotOpenMessage(reason));
    std::string text;
    char buffer[65536];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get()))
        text.append(buffer, n);
    std::istringstream in(text);
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

// Prints the findings as the check makes them: a hostile file with millions of them needs no
// memory for them all.
int check(const std::string& path) {
    class Printer : public rylmo::FindingCollector {
    public:
        bool counts(rylmo::Section, std::size_t, std::size_t) override {
            ++found;
            return true;
        }
        void keep(rylmo::Problem&& problem) override {
            out += rylmo::describe(problem) + '\n';
            if (out.size() > 1 << 16) flush();
        }
        void flush() {
            print(out);
            out.clear();
        }
        std::size_t found = 0;

    private:
        std::string out;
    };
    Printer printer;
    rylmo::checkTimetable(rylmo::readTimetableFile(path), printer);
    printer.flush();
    return printer.found == 0 ? kOk : kProblems;
}

}  // namespace

int run(const std::vector<std::string>& args) {
    rylmo::removeTemporaryFileOnSignals();
    try {
        if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
            print(kUsageText);
            return kOk;
        }
        if (args.size() == 1 && args[0] == "--version") {
            print("Rylmo " RYLMO_VERSION "\n");
            return kOk;
        }
        if (args.size() == 2 && args[0] == "dump") return dump(args[1]);
        if (args.size() == 3 && args[0] == "from-json") return fromJson(args[1], args[2]);
        if (args.size() == 3 && args[0] == "convert") return convert(args[1], args[2]);
        if (args.size() == 2 && args[0] == "check") return check(args[1]);
        if (!args.empty() && args[0] == "assign-platforms") {
            const int result = rylmo::tool::assignPlatforms(args, print);
            if (result != kUsage) return result;
        }
    } catch (const std::exception& e) {
        std::cerr << rylmo::displayMessage(rylmo::failureMessage(e)) << '\n';
        return kFileError;
    }
    return usage();
}

#ifdef _WIN32
// The command line as typed, whatever the console's code page: file names with Polish
// letters reach the program intact, as UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), size, nullptr, nullptr);
        args.push_back(arg);
    }
    return run(args);
}
#else
int main(int argc, char** argv) {
    return run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
