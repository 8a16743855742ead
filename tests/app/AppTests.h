#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>

#include "WindowFixture.h"

std::unique_ptr<QObject> makeMainWindowTest();
std::unique_ptr<QObject> makeSettingsTest();
std::unique_ptr<QObject> makeDialogsTest();
std::unique_ptr<QObject> makeProblemsTest();
std::unique_ptr<QObject> makeTrainListTest();
std::unique_ptr<QObject> makeFileOnDiskTest();
std::unique_ptr<QObject> makeRecoveryTest();
std::unique_ptr<QObject> makeGuideTest();
// The editor that RecoveryTest kills, when argv asks for it; -1 otherwise.
int editUntilKilled(int argc, char** argv);

using rylmo::test::qpath;
