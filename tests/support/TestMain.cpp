#include "TestMain.h"

#include <QStandardPaths>
#include <QTest>

#include "app/RylmoApplication.h"

namespace rylmo::test {

int runSuites(int argc, char** argv, const std::vector<MakeSuite>& suites,
              const std::function<int(int, char**)>& helper) {
    app::RylmoApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (helper) {
        if (const int helped = helper(argc, argv); helped >= 0) return helped;
    }
    int failures = 0;
    for (const MakeSuite& make : suites) {
        const std::unique_ptr<QObject> suite = make();
        failures += QTest::qExec(suite.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace rylmo::test
