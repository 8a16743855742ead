#include "app/CommandLineExport.h"

#include <QGuiApplication>
#include <QPalette>
#include <cstring>
#include <iostream>
#include <optional>

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

#include "document/AtomicFile.h"
#include "document/ConsistencyCheck.h"
#include "document/Error.h"
#include "document/ExitCodes.h"
#include "document/Occupancy.h"
#include "document/PlatformLayout.h"
#include "document/RozReader.h"
#include "editing/ReadableListSheet.h"
#include "render/ChartExport.h"
#include "render/Exports.h"

namespace rylmo::app {

namespace {

constexpr int kWritten = exit_codes::ok;
constexpr int kFileError = exit_codes::fileError;
constexpr int kUsage = exit_codes::usage;

const char* const kUsageText =
    "Użycie: rylmo --export RODZAJ PLIK.roz WYNIK [--od 6:00] [--do 22:00]\n"
    "                       [--kategorie pasazerskie,towarowe,sluzbowe]\n"
    "  RODZAJ: odjazdy, przyjazdy, wykaz (dla dyżurnego), wykres (zajętość peronów) lub lista\n"
    "  WYNIK:  plik .pdf, .html lub .csv (wykres: .pdf lub .png)\n"
    "  Tablice odjazdów i przyjazdów obejmują domyślnie pociągi pasażerskie, pozostałe\n"
    "  wszystkie; domyślnie cała doba od godziny rozpoczęcia rozkładu.\n";

int usage(const std::string& why) {
    std::cerr << why << "\n" << kUsageText;
    return kUsage;
}

// "6:00" or "06:00" as minutes after midnight.
std::optional<int32_t> minuteFrom(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 2 || parts[1].size() != 2 || parts[0].isEmpty() || parts[0].size() > 2)
        return std::nullopt;
    bool hourRead = false;
    bool minuteRead = false;
    const int hour = parts[0].toInt(&hourRead);
    const int minute = parts[1].toInt(&minuteRead);
    if (!hourRead || !minuteRead || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

// The category groups named in list; false for a name that is none of them.
bool readGroups(const QString& list, SheetFilter& filter) {
    filter.passengers = filter.goods = filter.service = false;
    for (const QString& name : list.split(QLatin1Char(','))) {
        const QString group = name.trimmed().toLower();
        if (group == QStringLiteral("pasazerskie") || group == QStringLiteral("pasażerskie")) {
            filter.passengers = true;
        } else if (group == QStringLiteral("towarowe")) {
            filter.goods = true;
        } else if (group == QStringLiteral("sluzbowe") || group == QStringLiteral("służbowe")) {
            filter.service = true;
        } else {
            return false;
        }
    }
    return true;
}

std::optional<render::SheetChoice> sheetNamed(const QString& name) {
    using render::SheetChoice;
    if (name == QStringLiteral("odjazdy")) return SheetChoice::departures;
    if (name == QStringLiteral("przyjazdy")) return SheetChoice::arrivals;
    if (name == QStringLiteral("wykaz")) return SheetChoice::dispatcherSheet;
    if (name == QStringLiteral("wykres")) return SheetChoice::platformChart;
    if (name == QStringLiteral("lista")) return SheetChoice::trainList;
    return std::nullopt;
}

}  // namespace

bool isExportCommand(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], "--export") == 0;
}

void chooseExportPlatform() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef _WIN32
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !qEnvironmentVariableIsEmpty("WINDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
}

// The editor is a windowed program on Windows: what it says goes to the console it was
// started from.
void speakToConsole() {
#ifdef _WIN32
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        // When one fails, its messages are lost and nothing else.
        static_cast<void>(std::freopen("CONOUT$", "w", stderr));
        static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    }
#endif
}

bool isVersionCommand(int argc, char** argv) {
    return argc == 2 && std::strcmp(argv[1], "--version") == 0;
}

int printVersion() {
    speakToConsole();
    std::fputs("Rylmo " RYLMO_VERSION "\n", stdout);
    std::fflush(stdout);
    return 0;
}

int runExportCommand(const QStringList& arguments) {
    speakToConsole();
    using render::Destination;
    using render::SheetChoice;
    if (arguments.size() < 5) return usage("Za mało argumentów.");
    render::ExportChoice choice;
    const std::optional<SheetChoice> what = sheetNamed(arguments[2]);
    if (!what) return usage("Nieznany rodzaj wydruku: " + arguments[2].toStdString());
    choice.what = *what;
    choice.filter = render::defaultFilter(*what);
    const QString input = arguments[3];
    const QString output = arguments[4];
    const QString suffix = output.section(QLatin1Char('.'), -1).toLower();
    bool png = false;
    if (suffix == QStringLiteral("pdf")) {
        choice.where = Destination::pdf;
    } else if (suffix == QStringLiteral("png") && *what == SheetChoice::platformChart) {
        png = true;
    } else if (suffix == QStringLiteral("html") && *what != SheetChoice::platformChart) {
        choice.where = Destination::html;
    } else if (suffix == QStringLiteral("csv") && *what != SheetChoice::platformChart) {
        choice.where = Destination::csv;
    } else {
        return usage("Nieobsługiwany rodzaj pliku wynikowego: " + output.toStdString());
    }
    for (qsizetype k = 5; k < arguments.size(); k += 2) {
        const QString& option = arguments[k];
        if (k + 1 >= arguments.size()) return usage("Brak wartości opcji " + option.toStdString());
        const QString& value = arguments[k + 1];
        if (option == QStringLiteral("--od") || option == QStringLiteral("--do")) {
            const std::optional<int32_t> minute = minuteFrom(value);
            if (!minute) return usage("Niepoprawna godzina: " + value.toStdString());
            (option == QStringLiteral("--od") ? choice.filter.window.from
                                              : choice.filter.window.to) = *minute;
        } else if (option == QStringLiteral("--kategorie")) {
            if (!readGroups(value, choice.filter))
                return usage("Nieznana grupa kategorii: " + value.toStdString());
        } else {
            return usage("Nieznana opcja: " + option.toStdString());
        }
    }

    TimetableContent content;
    try {
        content = readTimetableFile(input.toStdString());
    } catch (const Error& error) {
        std::cerr << "Nie można odczytać pliku " << input.toStdString() << ": " << error.what()
                  << "\n";
        return kFileError;
    }
    render::ExportSources sources;
    sources.trainList = editing::readableListSheet;
    const DwellTimes dwell;
    sources.findings = checkTimetable(content, 0, nullptr, dwell).trainFindings;
    PlatformLayout layout;
    if (*what == SheetChoice::platformChart) layout.build(content, dwell);
    sources.chart = [&](QPainter& painter, const QRectF& area) {
        render::paintWholeDay(painter, area, content, layout, {}, QGuiApplication::palette());
    };
    sources.chartNote = dwellNote(dwell);
    try {
        const QByteArray bytes = render::exportBytes(content, choice, sources, png);
        AtomicFile file(output.toStdString());
        file.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        file.commit();
    } catch (const Error& error) {
        std::cerr << "Nie można zapisać pliku " << output.toStdString() << ": " << error.what()
                  << "\n";
        return kFileError;
    }
    return kWritten;
}

}  // namespace rylmo::app
