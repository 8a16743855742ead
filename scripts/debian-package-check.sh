#!/usr/bin/env bash
# Builds the Debian package (scripts/debian-package.sh, lintian included), installs it on this
# machine with apt-get, checks what it installed (both programs' version, an export of the
# installed sample without a display, the guide, the launcher and the file type), and removes
# it again. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(scripts/debian-package.sh | tail -n1)
version=$(scripts/version.sh)
work=$(mktemp -d)
trap 'apt-get remove -y rylmo >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >/dev/null
[ "$(/usr/bin/rylmo-roz --version)" = "Rylmo $version" ]
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/rylmo --version)" = "Rylmo $version" ]
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/rylmo --export odjazdy \
  /usr/share/rylmo/przyklad/Zielonka.roz "$work/odjazdy.pdf"
[ -s "$work/odjazdy.pdf" ]
for file in /usr/share/rylmo/pomoc/index.html /usr/share/applications/rylmo.desktop \
  /usr/share/mime/packages/rylmo.xml /usr/share/icons/hicolor/128x128/apps/rylmo.png \
  /usr/share/doc/rylmo/copyright /usr/share/doc/rylmo/changelog.gz; do
  [ -f "$file" ] || { echo "the package lacks $file" >&2; exit 1; }
done
DEBIAN_FRONTEND=noninteractive apt-get remove -y rylmo >/dev/null
if [ -e /usr/bin/rylmo ] || [ -e /usr/bin/rylmo-roz ]; then
  echo "removing the package left its programs" >&2
  exit 1
fi
echo "Debian package $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, installed, exported, removed"
