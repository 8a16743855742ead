#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace rylmo::test {

// What a Qt test program's main() does: the application, recovery files and the like in a
// test folder (never the user's own), then each suite in turn; 0 when every one passed.
// Suites are made once the application exists. A program that is also a helper of its own
// tests (started by them with other arguments) says so in helper: what it returns when it is
// one, else -1.
using MakeSuite = std::function<std::unique_ptr<QObject>()>;
int runSuites(int argc, char** argv, const std::vector<MakeSuite>& suites,
              const std::function<int(int, char**)>& helper = {});

template <class Suite>
MakeSuite suite() {
    return [] { return std::make_unique<Suite>(); };
}

}  // namespace rylmo::test
