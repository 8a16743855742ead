#include <QTest>
#include <memory>

#include "AppTests.h"
#include "app/RylmoApplication.h"

int main(int argc, char** argv) {
    rylmo::app::RylmoApplication application(argc, argv);
    int failures = 0;
    for (auto make : {makeMainWindowTest, makeSettingsTest, makeDialogsTest, makeProblemsTest,
                      makeTrainListTest, makeFileOnDiskTest}) {
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
