#include "app/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>

#include "document/Codes.h"
#include "document/FieldLimits.h"
#include "models/DocumentText.h"

namespace rylmo::app {

QString addSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ||
        folder.endsWith(QLatin1Char('\\'))) {
        return folder;
    }
    return folder + QDir::separator();
}

QString programSettingsPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Rylmo.ini");
}

namespace {

const char* const kSection = "Program";
const char* const keepReferencesKey = "PoprawiajOdwolania";

QString setting(const ProfileFile& settings, const char* key, const std::string& fallback) {
    return models::toQString(settings.readString(kSection, key, fallback));
}

// The bytes to store for a folder typed in the options dialog: the stored bytes when the
// text is what they read as, so that nothing the user did not touch changes.
void storeFolder(ProfileFile& settings, const char* key, const QString& typed) {
    const std::string stored = settings.readString(kSection, key, {});
    const QString folder = addSeparator(typed);
    settings.writeString(
        kSection, key,
        folder == models::toQString(stored) ? stored : models::toDocumentText(folder));
}

}  // namespace

QString folderInUse(const QString& stored) {
    // A drive letter or a leading separator makes a folder absolute, whichever system wrote it.
    const bool drive = stored.size() >= 2 && stored[0].isLetter() && stored[1] == QLatin1Char(':');
    const bool rooted = stored.startsWith(QLatin1Char('/')) || stored.startsWith(QLatin1Char('\\'));
    if (stored.isEmpty() || drive || rooted) return stored;
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + stored;
}

QString rollingStockFolderSetting(const ProfileFile& settings) {
    return setting(settings, "Tabor",
                   models::toDocumentText(QString::fromStdString(defaultRollingStockFolder)));
}

QString stationFolderSetting(const ProfileFile& settings) {
    return setting(settings, "Stacje", {});
}

namespace {

// Whether a file can be made in folder: asked of the file system itself, since permission
// bits and the read-only attribute do not tell (Windows keeps users out of "Program Files"
// through access lists).
bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.rylmo-probe-XXXXXX"));
    return probe.open();
}

}  // namespace

QString settingsFilePath(const QString& programFolder) {
    const QString name = QStringLiteral("Rylmo.ini");
    const QFileInfo beside(programFolder + QLatin1Char('/') + name);
    if (beside.exists() ? beside.isWritable() && canWriteIn(programFolder)
                        : canWriteIn(programFolder)) {
        return beside.filePath();
    }
#ifdef Q_OS_WIN
    // %APPDATA%\Rylmo, roaming with the user's profile.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#else
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
#endif
    QDir().mkpath(config);
    return config + QLatin1Char('/') + name;
}

QString recoveryFolderPath() {
    // ~/.local/share/Rylmo/odzysk, %LOCALAPPDATA%\Rylmo\odzysk: kept on this computer only.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Rylmo/odzysk");
}

void storeOptions(const ChosenOptions& chosen, editing::EditingSession& session,
                  ProfileFile& settings) {
    session.setRollingStockFolder(
        folderInUse(addSeparator(chosen.rollingStockFolder)).toStdString());
    storeFolder(settings, "Tabor", chosen.rollingStockFolder);
    storeFolder(settings, "Stacje", chosen.stationFolder);
    session.setKeepsReferences(chosen.keepsReferences);
    if (chosen.keepsReferences != keepsReferencesSetting(settings))
        settings.writeString(kSection, keepReferencesKey, chosen.keepsReferences ? "1" : "0");
}

bool keepsReferencesSetting(const ProfileFile& settings) {
    return settings.readString(kSection, keepReferencesKey, "1") != "0";
}

bool readableListSetting(const ProfileFile& settings) {
    return settings.readString("Widok", "ListaCzytelna", "0") == "1";
}

void storeReadableList(ProfileFile& settings, bool readable) {
    settings.writeString("Widok", "ListaCzytelna", readable ? "1" : "0");
}

namespace {

const char* const dwellSection = "Wykres";
const char* const afterArrivalKey = "PostojPoPrzyjezdzie";
const char* const beforeDepartureKey = "PostojPrzedOdjazdem";

int32_t dwellSetting(const ProfileFile& settings, const char* key, int32_t fallback) {
    bool number = false;
    const int value =
        QString::fromStdString(settings.readString(dwellSection, key, {})).trimmed().toInt(&number);
    return number ? std::clamp<int32_t>(value, 0, maxDwellMinutes) : fallback;
}

}  // namespace

DwellTimes dwellTimesSetting(const ProfileFile& settings) {
    const DwellTimes fallback;
    return {dwellSetting(settings, afterArrivalKey, fallback.afterArrival),
            dwellSetting(settings, beforeDepartureKey, fallback.beforeDeparture)};
}

void storeDwellTimes(ProfileFile& settings, DwellTimes dwell) {
    settings.writeString(dwellSection, afterArrivalKey, std::to_string(dwell.afterArrival));
    settings.writeString(dwellSection, beforeDepartureKey, std::to_string(dwell.beforeDeparture));
}

namespace {

const char* const platformsSection = "Perony";

// A file name as a key: '=' ends a key in the file, so it stands as '_'.
std::string platformsKey(std::string stationFile) {
    std::replace(stationFile.begin(), stationFile.end(), '=', '_');
    return stationFile;
}

}  // namespace

int stationPlatformsSetting(const ProfileFile& settings, const std::string& stationFile) {
    if (stationFile.empty()) return 0;
    bool number = false;
    const int value =
        QString::fromStdString(settings.readString(platformsSection, platformsKey(stationFile), {}))
            .trimmed()
            .toInt(&number);
    return number ? std::clamp(value, 0, static_cast<int>(limits::maxPlatform)) : 0;
}

void storeStationPlatforms(ProfileFile& settings, const std::string& stationFile, int count) {
    if (stationFile.empty()) return;
    settings.writeString(platformsSection, platformsKey(stationFile), std::to_string(count));
}

namespace {

const char* const chartSpanSection = "WidokWykresu";

}  // namespace

std::optional<std::pair<double, double>> chartSpanSetting(const ProfileFile& settings,
                                                          const std::string& stationFile) {
    if (stationFile.empty()) return std::nullopt;
    const QStringList parts =
        QString::fromStdString(settings.readString(chartSpanSection, platformsKey(stationFile), {}))
            .split(QLatin1Char(','));
    if (parts.size() != 2) return std::nullopt;
    bool firstRead = false, minutesRead = false;
    const int first = parts[0].trimmed().toInt(&firstRead);
    const int minutes = parts[1].trimmed().toInt(&minutesRead);
    if (!firstRead || !minutesRead || first < 0 || first >= minutesPerDay || minutes < 1 ||
        minutes > minutesPerDay) {
        return std::nullopt;
    }
    return std::pair<double, double>(first, minutes);
}

void storeChartSpan(ProfileFile& settings, const std::string& stationFile, double firstMinute,
                    double minutes) {
    if (stationFile.empty()) return;
    const auto whole = [](double value) {
        return std::to_string(std::clamp(static_cast<int>(std::lround(value)), 0, minutesPerDay));
    };
    settings.writeString(chartSpanSection, platformsKey(stationFile),
                         whole(firstMinute) + "," + whole(std::max(1.0, minutes)));
}

}  // namespace rylmo::app
