#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what .clang-format makes of it.
# On a fresh Debian machine, run as root: it installs clang-format first.
set -euo pipefail
cd "$(dirname "$0")/.."
# One version of the formatter: another one formats some constructs differently.
formatter=clang-format-14
source scripts/packages.sh
install_missing_packages "$formatter"
mapfile -t files < <(git ls-files '*.cpp' '*.h' | grep -E '^(src|tests|tools|bench)/')
"$formatter" --dry-run --Werror "${files[@]}"
echo "formatting: ${#files[@]} files as .clang-format has them"
