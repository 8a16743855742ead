#pragma once

#include <optional>
#include <utility>

#include <QCoreApplication>
#include <QString>
#include <string>

#include "document/FieldLimits.h"
#include "document/Occupancy.h"
#include "document/ProfileFile.h"
#include "editing/EditingSession.h"

// The program's settings in Rylmo.ini, each key read and written here alone, with its default:
//   [Program] Tabor               the rolling-stock folder (defaultRollingStockFolder)
//             Stacje              the folder the open and save dialogs start in (none)
//             PoprawiajOdwolania  deleting keeps references right (1)
//   [Widok]   ListaCzytelna       the readable train list (0)
//   [Wykres]  PostojPoPrzyjezdzie, PostojPrzedOdjazdem   the dwell times (DwellTimes{})
//   [Perony]  <station file name>  the station's platform count, the chart's rows (none: the
//                                  highest platform the timetable uses)
// A write that fails throws rylmo::Error.

namespace rylmo::app {

// Where the rolling-stock pictures are looked for until the settings say otherwise.
inline const std::string defaultRollingStockFolder = "F:\\App\\Games\\Trakovil\\Tabor\\";

// The text with the platform's path separator added, unless it already ends with either
// separator or is empty.
QString addSeparator(const QString& folder);

// Rylmo.ini beside the executable; in the user's own folder (%APPDATA%\\Rylmo on Windows,
// ~/.config/Rylmo elsewhere) when the program's folder cannot be written (an installation for
// all users).
QString settingsFilePath(const QString& programFolder = QCoreApplication::applicationDirPath());
// Where unsaved changes are kept: the user's data folder on this computer
// (~/.local/share/Rylmo/odzysk, %LOCALAPPDATA%\Rylmo\odzysk), never beside a timetable.
QString recoveryFolderPath();

// Rylmo.ini beside the executable: where keys missing from the user's file are read from.
QString programSettingsPath();

// The two folders as the settings hold them. The file may come from Windows, so its values
// are Windows-1250 bytes; the program works with them as text.
QString rollingStockFolderSetting(const ProfileFile& settings);
QString stationFolderSetting(const ProfileFile& settings);

// Whether deleting an entry keeps the references to the entries after it right ("Program",
// "PoprawiajOdwolania"; on unless it is "0").
bool keepsReferencesSetting(const ProfileFile& settings);

bool readableListSetting(const ProfileFile& settings);
void storeReadableList(ProfileFile& settings, bool readable);

// The dwell times of the chart and the platform check, each within 0..maxDwellMinutes.
inline constexpr int32_t maxDwellMinutes = limits::maxDwellMinutes;
DwellTimes dwellTimesSetting(const ProfileFile& settings);
void storeDwellTimes(ProfileFile& settings, DwellTimes dwell);

// The platform count set for the station file (by its name), 0 when none is; the timetable
// file has no place for it.
int stationPlatformsSetting(const ProfileFile& settings, const std::string& stationFile);
void storeStationPlatforms(ProfileFile& settings, const std::string& stationFile, int count);
// The part of the day the platform chart showed for a station file: the first minute and the
// minutes across; nullopt when none is kept (or it is no pair of numbers in the day).
std::optional<std::pair<double, double>> chartSpanSetting(const ProfileFile& settings,
                                                          const std::string& stationFile);
void storeChartSpan(ProfileFile& settings, const std::string& stationFile, double firstMinute,
                    double minutes);

// The folder the program uses for a stored one: a relative folder ("tabor\\", as a portable
// copy carries) is taken from the program's folder; an absolute one stands as it is.
QString folderInUse(const QString& stored);

// What the options dialog's "OK" gives: the folders as typed, and how deleting treats
// references.
struct ChosenOptions {
    QString rollingStockFolder;
    QString stationFolder;
    bool keepsReferences = true;
};

// Applies the options dialog's "OK": the rolling-stock folder of the document, then the keys
// "Tabor" and "Stacje" of section "Program", then how deleting treats references. A value the user
// did not change is written back byte for byte. A failed write stops at that step.
void storeOptions(const ChosenOptions& chosen, editing::EditingSession& session,
                  ProfileFile& settings);

}  // namespace rylmo::app
