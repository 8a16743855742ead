#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
# On a fresh Debian machine, run as root: it installs the packages it needs first.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
install_missing_packages

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRYLMO_SANITIZE=ON \
  -DRYLMO_WARNINGS_AS_ERRORS=ON
cmake --build "$build" --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
