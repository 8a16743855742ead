#include "AppTests.h"
#include "TestMain.h"

int main(int argc, char** argv) {
    return rylmo::test::runSuites(
        argc, argv,
        {makeMainWindowTest, makeSettingsTest, makeDialogsTest, makeProblemsTest, makeTrainListTest,
         makeFileOnDiskTest, makeRecoveryTest, makeGuideTest},
        editUntilKilled);
}
