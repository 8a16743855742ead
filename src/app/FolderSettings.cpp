#include "app/FolderSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/OptionsDialog.h"
#include "ui/DocumentText.h"

namespace rylmo::app {

QString addSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) {
        return folder;
    }
    return folder + QDir::separator();
}

QString programSettingsPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Rylmo.ini"); }

namespace {

const char* const kSection = "Program";

QString setting(const ProfileFile& settings, const char* key, const std::string& fallback) {
    return ui::toQString(settings.readString(kSection, key, fallback));
}

// The bytes to store for a folder typed in the options dialog: the stored bytes when the
// text is what they read as, so that nothing the user did not touch changes.
void storeFolder(ProfileFile& settings, const char* key, const QString& typed) {
    const std::string stored = settings.readString(kSection, key, {});
    const QString folder = addSeparator(typed);
    settings.writeString(kSection, key, folder == ui::toQString(stored) ? stored : ui::toDocumentText(folder));
}

}  // namespace

QString rollingStockFolderSetting(const ProfileFile& settings) {
    return setting(settings, "Tabor", ui::toDocumentText(QString::fromStdString(defaultRollingStockFolder)));
}

QString stationFolderSetting(const ProfileFile& settings) { return setting(settings, "Stacje", {}); }

QString settingsFilePath() {
    const QString name = QStringLiteral("Rylmo.ini");
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QFileInfo beside(programFolder + QLatin1Char('/') + name);
    if (beside.exists() ? beside.isWritable() : QFileInfo(programFolder).isWritable()) {
        return beside.filePath();
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config + QLatin1Char('/') + name;
}

void storeFolderSettings(const OptionsDialog& dialog, editing::EditingSession& session, ProfileFile& settings) {
    session.setRollingStockFolder(addSeparator(dialog.rollingStockFolder()).toStdString());
    storeFolder(settings, "Tabor", dialog.rollingStockFolder());
    storeFolder(settings, "Stacje", dialog.stationFolder());
}

}  // namespace rylmo::app
