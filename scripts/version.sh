#!/usr/bin/env bash
# Prints the program's version, as CMake's project() in CMakeLists.txt gives it: the one place
# it is kept.
set -euo pipefail
cd "$(dirname "$0")/.."
sed -n 's/^project(Rylmo VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt
