#!/usr/bin/env bash
# Builds programs of the build machine that other scripts run (the synthetic timetable's
# writer rylmo-bench, the guide's picture maker rylmo-guide-pictures) in a build folder of
# their own, build-host-tools, configured with the options they need whatever ran before.
# Usage: scripts/host-tools.sh TARGET...; prints the folder of the programs last.
# On a fresh Debian machine, run as root: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing_packages
build=build-host-tools
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRYLMO_BUILD_TESTS=OFF \
  -DRYLMO_BUILD_BENCH=ON -DRYLMO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "$@" >&2
echo "$PWD/$build/bench"
