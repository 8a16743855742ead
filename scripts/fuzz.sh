#!/usr/bin/env bash
# Fuzzes the .roz reader, from-json, the paste parser and the settings file reader, each for
# SECONDS (default 60), with AddressSanitizer and UndefinedBehaviorSanitizer, built with
# Debian's clang in build-fuzz. A crash, a leak, a timeout or a round-trip difference fails
# the run and leaves the input that caused it in build-fuzz/found/; copy it into
# tests/data/fuzz/TARGET/ so that CTest replays it. Prints each target's executions.
# On a fresh Debian machine, run as root: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

source scripts/packages.sh
install_missing_packages clang libclang-rt-dev nlohmann-json3-dev cmake ninja-build

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRYLMO_CORE_ONLY=ON -DRYLMO_FUZZ=ON -DRYLMO_BUILD_BENCH=OFF >/dev/null
targets=(rozreader fromjson clipboard settings)
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/found"
failed=()
for target in "${targets[@]}"; do
  # The corpus grows in the build folder, from the committed seeds and what once failed.
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  seeds=(tests/fuzz/seeds/$target tests/data/fuzz/$target)
  if [ "$target" = rozreader ]; then
    cp tests/data/*.roz data/sample/Zielonka.roz "$corpus/"
  fi
  existing=()
  for folder in "${seeds[@]}"; do [ -d "$folder" ] && existing+=("$folder"); done
  log=$build/$target.log
  status=0
  "$build/tests/fuzz/fuzz_$target" "$corpus" "${existing[@]}" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$build/found/$target-" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
  echo "$target: ${runs:-?} executions, ${speed:-?} per second"
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing failed: ${failed[*]} (inputs in $build/found/)" >&2
  exit 1
fi
