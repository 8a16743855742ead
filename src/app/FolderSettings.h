#pragma once

#include <QString>
#include <string>

#include "app/ProfileFile.h"
#include "editing/EditingSession.h"

namespace rylmo::app {

class OptionsDialog;

// Where the rolling-stock pictures are looked for until the settings say otherwise.
inline const std::string defaultRollingStockFolder = "F:\\App\\Games\\Trakovil\\Tabor\\";

// The text with the platform's path separator added, unless it already ends with either
// separator or is empty.
QString addSeparator(const QString& folder);

// Rylmo.ini beside the executable; in the user's configuration folder when the program's
// folder cannot be written (an installation for all users).
QString settingsFilePath();

// Applies the options dialog's "OK": the rolling-stock folder of the document, then the keys
// "Tabor" and "Stacje" of section "Program". A failed write stops at that step.
void storeFolderSettings(const OptionsDialog& dialog, editing::EditingSession& session, ProfileFile& settings);

}  // namespace rylmo::app
