#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "AppTests.h"
#include "app/RylmoApplication.h"

int main(int argc, char** argv) {
    rylmo::app::RylmoApplication application(argc, argv);
    // Recovery files and the like go to a test folder, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    if (const int child = editUntilKilled(argc, argv); child >= 0) return child;
    int failures = 0;
    for (auto make : {makeMainWindowTest, makeSettingsTest, makeDialogsTest, makeProblemsTest,
                      makeTrainListTest, makeFileOnDiskTest, makeRecoveryTest, makeGuideTest}) {
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
