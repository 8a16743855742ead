#include "app/FolderSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/OptionsDialog.h"

namespace rylmo::app {

QString addSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))) {
        return folder;
    }
    return folder + QDir::separator();
}

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
    const QString rollingStock = addSeparator(dialog.rollingStockFolder());
    session.setRollingStockFolder(rollingStock.toStdString());
    settings.writeString("Program", "Tabor", rollingStock.toStdString());
    settings.writeString("Program", "Stacje", addSeparator(dialog.stationFolder()).toStdString());
}

}  // namespace rylmo::app
