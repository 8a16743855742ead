#!/usr/bin/env bash
# Makes the pictures of the user guide (data/guide/obrazy) from the program itself, on the
# sample station, on a private X server: run it after a window changes, and commit the
# pictures with the change.
# On a fresh Debian machine, run as root: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(xvfb xauth)
source scripts/packages.sh
install_missing_packages "${packages[@]}"
tools=$(scripts/host-tools.sh rylmo-guide-pictures | tail -n1)
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
  "$tools/rylmo-guide-pictures" data/sample/Zielonka.roz data/sample/tabor data/guide/obrazy
