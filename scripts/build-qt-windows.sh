#!/usr/bin/env bash
# Cross-builds Qt for Windows (Core, Gui, Widgets, Concurrent, PrintSupport with the Windows
# printers, Test, the windows and offscreen platform plugins, the Windows style) from Debian's own qt6-base source with the project's
# mingw-w64 toolchain, and installs it into a cache folder outside the clone. Prints that
# folder on its last line. Does nothing but print it when the cache is already complete.
#
# Run as root on a fresh Debian machine: it installs what it needs and adds a deb-src entry for
# the machine's archive when there is none. Takes about half an hour on 2 cores; an interrupted
# build resumes where it stopped.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD

qt_version=6.4.2
# Everything that changes the build is part of the cache folder's name.
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
  -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_xml=OFF
  # wintab.h, which the windows plugin includes for pen tablets, is left out of Debian's source.
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_md4c=OFF
)
# Qt 6.4.2 builds the DirectWrite font database and font engine into Gui only with Direct2D,
# but the windows plugin and the Windows print engine use them whenever DirectWrite is there:
# without Direct2D they keep to the GDI ones.
patch_qt() {
  sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$1/src/plugins/platforms/windows/qwindowsintegration.cpp"
  sed -i 's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' \
    "$1/src/printsupport/platform/windows/qprintengine_win.cpp"
}
options_hash=$( (printf '%s\n' "${options[@]}"; declare -f patch_qt) | sha1sum | cut -c1-10)
cache_root=${RYLMO_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rylmo}
prefix=$cache_root/qt-$qt_version-mingw-w64-$options_hash
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 qt6-base-dev qt6-base-dev-tools
  dpkg-dev xz-utils perl python3)
source scripts/packages.sh
add_source_entry() {
  # apt-get source needs deb-src lines for the archive the binary packages come from.
  grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/ && return 1
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      >/etc/apt/sources.list.d/rylmo-source.sources
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/rylmo-source.list
  fi
}
if [ "$(id -u)" -eq 0 ] && add_source_entry; then
  apt-get update
fi
install_missing_packages "${packages[@]}"

# An interrupted build resumes in its work folder; a fresh one fetches the source first.
work=$cache_root/work-$qt_version
source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' 2>/dev/null | head -n1 || true)
if [ -z "$source_dir" ]; then
  rm -rf "$work"
  mkdir -p "$work"
  (cd "$work" && apt-get source --only-source "qt6-base=$qt_version*" >/dev/null 2>&1 ||
    apt-get source --only-source qt6-base >/dev/null)
  source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
  [ -n "$source_dir" ] || { echo "apt-get source qt6-base gave no source folder" >&2; exit 1; }
fi
case "$(basename "$source_dir")" in
  qt6-base-"$qt_version"*) ;;
  *) echo "the Qt source is $(basename "$source_dir"), not $qt_version: the options and the patch are for $qt_version" >&2
     exit 1 ;;
esac
patch_qt "$source_dir"
if ! grep -q '^#if QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)$' \
  "$source_dir/src/plugins/platforms/windows/qwindowsintegration.cpp" ||
  [ "$(grep -c '^#if QT_CONFIG(directwrite) && QT_CONFIG(direct2d)$' \
    "$source_dir/src/printsupport/platform/windows/qprintengine_win.cpp")" -ne 3 ]; then
  echo "the patch of qwindowsintegration.cpp or qprintengine_win.cpp did not apply" >&2
  exit 1
fi

host_cmake=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep '/cmake/Qt6/Qt6Config.cmake$' | head -n1)")")
cmake -S "$source_dir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" -DRYLMO_SHARED_RUNTIME=ON \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log"
cmake --build "$work/build" --parallel "$(nproc)"
rm -rf "$prefix"
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
