#!/usr/bin/env bash
# Builds the editor and starts it on the bundled sample station; with --configure-only it only
# configures its build folder (the scripts' check runs it so).
# On a fresh Debian machine, run as root: it installs the packages it needs first.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
install_missing_packages

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRYLMO_BUILD_TESTS=OFF -DRYLMO_BUILD_BENCH=OFF
[ "${1:-}" = --configure-only ] && exit 0
cmake --build "$build" --parallel "$(nproc)" --target rylmo

# Point the rolling-stock folder at the sample pictures, unless the user has settings already.
settings="$build/bin/Rylmo.ini"
if [ ! -e "$settings" ]; then
  printf '[Program]\r\nTabor=%s/data/sample/tabor/\r\n' "$PWD" > "$settings"
fi

exec "$build/bin/rylmo" data/sample/Zielonka.roz
