#!/usr/bin/env bash
# Checks that the scripts work after one another: run.sh's configure step first, then the
# programs of the build machine that the guide's pictures and the Windows check build, each
# in its own folder with the options it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
./run.sh --configure-only >/dev/null
tools=$(scripts/host-tools.sh rylmo-guide-pictures rylmo-bench | tail -n1)
for program in rylmo-guide-pictures rylmo-bench; do
  [ -x "$tools/$program" ] || { echo "scripts: $program was not built in $tools" >&2; exit 1; }
done
"$tools/rylmo-bench" --write-day "$(mktemp -d)/dzien.roz"
echo "scripts: run.sh's build folder and the host tools' stand side by side"
