#!/usr/bin/env bash
# Cross-builds the document core, rylmo-roz and their tests for Windows with mingw-w64 and
# runs the tests under wine. On a fresh Debian machine, run as root: it installs what it
# needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 googletest nlohmann-json3-dev)
source scripts/packages.sh
install_missing_packages "${packages[@]}"

build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRYLMO_CORE_ONLY=ON -DRYLMO_WARNINGS_AS_ERRORS=ON \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake"
cmake --build "$build" --parallel "$(nproc)"
scripts/ctest-under-wine.sh "$build"
