#!/usr/bin/env bash
# Checks the Windows editor under wine: every test suite of the Windows build passes, the
# timing tool opens every window on the sample and on the generated 100,000-train timetable,
# and the unpacked zip, in a folder with Polish letters, starts rylmo.exe with the windows
# platform on a private X server and shows the main window "Rylmo - Zielonka.roz". Then the
# installer: installed silently for one user into a folder with Polish letters, it registers
# .roz, a timetable opened through the association shows its window, and the silent uninstall
# leaves no program file and no association, but the user's Rylmo.ini.
# Builds Qt for Windows first when its cache is missing (about half an hour on 2 cores).
# On a fresh Debian machine, run as root: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

zip=$(scripts/windows-editor.sh | tail -n1)
qt=$(scripts/build-qt-windows.sh | tail -n1)
packages=(xvfb xdotool unzip)
source scripts/packages.sh
install_missing_packages "${packages[@]}"

build=build-windows-editor
windowsPath() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }
# Debian's wine64 package puts its loader outside the PATH.
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEDEBUG=-all
# No .NET or browser engine to install into a new wine prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$(windowsPath "$qt/bin");$(windowsPath "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")");$(windowsPath /usr/x86_64-w64-mingw32/lib)"
"$wine" wineboot -i >/dev/null 2>&1 || true

echo "== test suites under wine"
scripts/ctest-under-wine.sh "$build" --timeout 600

echo "== timing tool under wine"
generated=$(mktemp -d)
trap 'rm -rf "$generated"' EXIT
# The generator is a program of the build machine.
bench=$(scripts/host-tools.sh rylmo-bench | tail -n1)/rylmo-bench
"$bench" --write-timetable "$generated/rich.roz" "$generated/tabor"
unset WINEPATH  # from here on the programs load what the zip holds
package=$build/Rylmo
QT_QPA_PLATFORM=offscreen "$wine" "$package/rylmo-open-timing.exe" "$(windowsPath data/sample/Zielonka.roz)" \
  "$(windowsPath data/sample/tabor)" | grep '"step"'
QT_QPA_PLATFORM=offscreen "$wine" "$package/rylmo-open-timing.exe" "$(windowsPath "$generated/rich.roz")" \
  "$(windowsPath "$generated/tabor")" | grep '"step"'

echo "== the zip, unpacked in a folder with Polish letters, on a private X server"
unpacked="$generated/Łódź Żółta"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
# Xvfb picks a free display and writes its number once it accepts clients.
displayFile="$generated/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayFile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; "$wineserver" -k 2>/dev/null || true; rm -rf "$generated"' EXIT
for _ in $(seq 100); do
  [ -s "$displayFile" ] && break
  sleep 0.1
done
[ -s "$displayFile" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=:$(head -n1 "$displayFile")
# windowShown TITLE: whether a window titled exactly TITLE (a regular expression) shows on the
# private X server within a minute; ends every wine program either way.
windowShown() {
  local shown=1
  for _ in $(seq 60); do
    if DISPLAY=$display xdotool search --name "$1" >/dev/null 2>&1; then
      shown=0
      break
    fi
    sleep 1
  done
  "$wineserver" -k 2>/dev/null || true
  return $shown
}
started=$(date +%s)
DISPLAY=$display "$wine" "$unpacked/Rylmo/rylmo.exe" "$(windowsPath "$unpacked/Rylmo/przyklad/Zielonka.roz")" &
if ! windowShown '^Rylmo - Zielonka\.roz$'; then
  echo "rylmo.exe showed no main window titled \"Rylmo - Zielonka.roz\" within a minute" >&2
  exit 1
fi
echo "main window shown after $(($(date +%s) - started)) s; zip: $(du -k "$zip" | cut -f1) KiB"

echo "== the installer, for one user and for all users, into a folder with Polish letters"
installer=$(scripts/windows-installer.sh --from-built | tail -n1)
version=$(scripts/version.sh)
# Every wine program from here on sees the X server: a wine session started without one shows
# no window later.
"$wineserver" -k 2>/dev/null || true
export DISPLAY=$display
# NSIS reads /D= only unquoted, so the folder has no blank.
target="$generated/Żółte_Łąki/Rylmo"
query() { "$wine" reg query "$@" 2>/dev/null | tr -d '\r'; }
appdata=$("$wine" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
settings="$("$wine" winepath -u "$appdata" 2>/dev/null | tr -d '\r')/Rylmo"

# install MODE ROOT: installs silently for MODE into $target and checks the files and what
# ROOT (HKCU or HKLM) holds.
install() {
  DISPLAY=$display "$wine" "$installer" /S "/$1" "/D=$(windowsPath "$target")"
  "$wineserver" -w
  for file in rylmo.exe rylmo-roz.exe odinstaluj.exe pomoc/index.html przyklad/Zielonka.roz; do
    [ -f "$target/$file" ] || { echo "the installer ($1) left out $file" >&2; exit 1; }
  done
  query "$2\\Software\\Classes\\.roz" | grep -q 'Rylmo.RozkladJazdy' ||
    { echo ".roz is not registered under $2" >&2; exit 1; }
  query "$2\\Software\\Classes\\Rylmo.RozkladJazdy" | grep -q 'Rozk.*jazdy'
  query "$2\\Software\\Classes\\Rylmo.RozkladJazdy\\shell\\open\\command" | grep -q 'rylmo.exe" "%1"'
  query "$2\\Software\\Classes\\Applications\\rylmo.exe\\SupportedTypes" | grep -q '\.roz'
  query "$2\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Rylmo" |
    grep -q "DisplayVersion.*$version" || { echo "no uninstall entry for $version under $2" >&2; exit 1; }
  query "$2\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Rylmo" | grep -q 'EstimatedSize'
}

# uninstall ROOT: removes it silently; nothing of it may stay but the user's settings.
uninstall() {
  mkdir -p "$settings"
  printf '[Program]\r\nStacje=C:\\Stacje\\\r\n' >"$settings/Rylmo.ini"
  "$wine" "$target/odinstaluj.exe" /S
  "$wineserver" -w
  [ ! -e "$target" ] || { echo "the uninstaller left $(ls "$target")" >&2; exit 1; }
  if query "$1\\Software\\Classes\\.roz" | grep -q 'Rylmo' ||
    query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Rylmo" | grep -q DisplayName; then
    echo "the uninstaller left the file type or its entry under $1" >&2
    exit 1
  fi
  [ -f "$settings/Rylmo.ini" ] || { echo "the uninstaller removed the user's Rylmo.ini" >&2; exit 1; }
}

install CurrentUser HKCU
# Installed again over itself, as an upgrade is: in place, the settings kept.
install CurrentUser HKCU
uninstall HKCU

# A timetable opened as Explorer opens it, through its file type. Wine looks file types up
# in HKLM only (Windows merges the user's own in), so this one is installed for all users.
install AllUsers HKLM
cp data/sample/Zielonka.roz "$generated/Wąchock.roz"
DISPLAY=$display "$wine" start /unix "$generated/Wąchock.roz"
windowShown '^Rylmo - Wąchock\.roz$' ||
  { echo "opening Wąchock.roz through .roz showed no window" >&2; exit 1; }
uninstall HKLM
echo "installer: $(du -k "$installer" | cut -f1) KiB; installed, upgraded and uninstalled for one user; installed for all users, opened Wąchock.roz through .roz, uninstalled"
