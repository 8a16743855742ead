#include "AppTests.h"
#include "TestMain.h"
#include "ui/RylmoApplication.h"

int main(int argc, char** argv) {
    return rylmo::test::runSuites<rylmo::ui::RylmoApplication>(
        argc, argv,
        {makeMainWindowTest, makeSettingsTest, makeDialogsTest, makeProblemsTest, makeTrainListTest,
         makeFileOnDiskTest, makeRecoveryTest, makeGuideTest},
        editUntilKilled);
}
