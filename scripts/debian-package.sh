#!/usr/bin/env bash
# Builds the Debian package build-deb/rylmo_<version>_amd64.deb (the editor, rylmo-roz, the
# launcher, the .roz file type, the icon, the user guide, the sample station) with CPack, and
# checks it with lintian, which must report no error. Prints the package's path last.
# On a fresh Debian machine, run as root: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(dpkg-dev lintian file)
source scripts/packages.sh
install_missing_packages
install_missing_packages "${packages[@]}"
build=build-deb
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRYLMO_BUILD_TESTS=OFF -DRYLMO_WARNINGS_AS_ERRORS=ON \
  -DRYLMO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
deb="$PWD/$build/rylmo_$(scripts/version.sh)_amd64.deb"
[ -f "$deb" ] || { echo "no package $deb" >&2; exit 1; }
# Errors fail the build; warnings are shown.
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" >&2 || {
  echo "lintian found errors in $deb" >&2
  exit 1
}
echo "$deb"
