#pragma once

#include <QObject>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

namespace rylmo::test {

using MakeSuite = std::function<std::unique_ptr<QObject>()>;

template <class Suite>
MakeSuite suite() {
    return [] { return std::make_unique<Suite>(); };
}

// What a Qt test program's main() does: the Application its layer needs (QGuiApplication for
// a layer without widgets, ui::RylmoApplication for windows), recovery files and the like in a
// test folder (never the user's own), then each suite in turn; 0 when every one passed. Suites
// are made once the application exists. A program that is also a helper of its own tests
// (started by them with other arguments) says so in helper: what it returns when it is one,
// else -1.
template <class Application>
int runSuites(int argc, char** argv, const std::vector<MakeSuite>& suites,
              const std::function<int(int, char**)>& helper = {}) {
    Application application(argc, argv);
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
