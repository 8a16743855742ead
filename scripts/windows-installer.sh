#!/usr/bin/env bash
# Builds the Windows installer build-windows-editor/rylmo-<version>-setup-x64.exe with NSIS
# out of the files of the zip, which scripts/windows-editor.sh builds first; with --from-built,
# out of those it has just built (the Windows check, which built the zip itself). Prints its
# path last.
# On a fresh Debian machine, run as root: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --from-built ]; then
  scripts/windows-editor.sh >/dev/null
fi
packages=(nsis)
source scripts/packages.sh
install_missing_packages "${packages[@]}"
version=$(scripts/version.sh)
build=$PWD/build-windows-editor
[ -d "$build/Rylmo" ] || { echo "No files to install in $build/Rylmo" >&2; exit 1; }
installer="$build/rylmo-$version-setup-x64.exe"
rm -f "$build"/rylmo-*-setup-x64.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE="$build/Rylmo" \
  -DICON="$PWD/data/icons/rylmo.ico" -DOUTFILE="$installer" installer/rylmo.nsi >&2
echo "$installer"
