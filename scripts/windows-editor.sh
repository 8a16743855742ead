#!/usr/bin/env bash
# Builds the editor for Windows: rylmo.exe, rylmo-roz.exe, rylmo-open-timing.exe and the Qt
# test suites, against Qt cross-built from Debian's source (scripts/build-qt-windows.sh, which
# runs first and is cached), and packs build-windows-editor/rylmo-<version>-windows-x64.zip: the
# programs, the Qt libraries and plugins they load, the compiler's runtime, Qt's Polish
# translations, the sample station with its pictures and a Rylmo.ini pointing at them.
# On a fresh Debian machine, run as root: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

qt=$(scripts/build-qt-windows.sh | tail -n1)
packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine64 googletest qt6-base-dev qt6-translations-l10n
  zip)
source scripts/packages.sh
install_missing_packages "${packages[@]}"

# Qt's Polish texts, which the test suites find in Qt's own translations folder.
mkdir -p "$qt/translations"
cp /usr/share/qt6/translations/qtbase_pl.qm "$qt/translations/"

build=build-windows-editor
# A build folder configured against another Qt (its options changed) starts afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^Qt6_DIR:PATH=$qt/" "$build/CMakeCache.txt"; then
  rm -f "$build/CMakeCache.txt"
fi
host_cmake=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep '/cmake/Qt6/Qt6Config.cmake$' | head -n1)")")
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DRYLMO_SHARED_RUNTIME=ON \
  -DRYLMO_WARNINGS_AS_ERRORS=ON \
  -DCMAKE_FIND_ROOT_PATH="$qt" -DCMAKE_PREFIX_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# The compiler's runtime DLLs, where Debian's mingw-w64 keeps them.
runtime=(
  "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"
  "$(x86_64-w64-mingw32-g++-posix -print-file-name=libgcc_s_seh-1.dll)"
  /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll
)

package=$build/Rylmo
zip="rylmo-$(scripts/version.sh)-windows-x64.zip"
rm -rf "$package" "$build"/rylmo-*windows-x64.zip
mkdir -p "$package/plugins/platforms" "$package/plugins/styles" "$package/translations" "$package/przyklad"
cp "$build"/bin/rylmo.exe "$build"/tools/rylmo-roz/rylmo-roz.exe "$build"/bin/rylmo-open-timing.exe "$package/"
# Qt6PrintSupport holds the Windows printers itself: Qt 6 has no print plugin for Windows.
for library in Qt6Core Qt6Gui Qt6Widgets Qt6Concurrent Qt6PrintSupport; do cp "$qt/bin/$library.dll" "$package/"; done
cp "${runtime[@]}" "$package/"
cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" "$package/plugins/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$package/plugins/styles/"
cp /usr/share/qt6/translations/qtbase_pl.qm "$package/translations/"
cp -r data/sample/Zielonka.roz data/sample/tabor "$package/przyklad/"
cp -r data/guide "$package/pomoc"
# Qt looks for its plugins and translations beside the program.
printf '[Paths]\r\nPrefix=.\r\n' >"$package/qt.conf"
# A relative folder is read from the program's folder: the copy works wherever it is unpacked.
printf '[Program]\r\nTabor=przyklad\\tabor\\\r\nStacje=przyklad\\\r\n' >"$package/Rylmo.ini"
(cd "$build" && zip -qr9 "$zip" Rylmo)
echo "$PWD/$build/$zip"
