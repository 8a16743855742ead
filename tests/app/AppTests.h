#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>

std::unique_ptr<QObject> makeMainWindowTest();
std::unique_ptr<QObject> makeSettingsTest();
std::unique_ptr<QObject> makeDialogsTest();
std::unique_ptr<QObject> makeProblemsTest();

inline QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
