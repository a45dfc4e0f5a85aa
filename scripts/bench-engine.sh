#!/usr/bin/env bash
# Builds and runs the watcher benchmarks: the portable logic natively
# (optimised, no sanitizers) with simulated process lists, and the Windows
# layer under Wine, built as the release is, with extra helper processes running.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TOLVANE_BUILD=${TOLVANE_BUILD:-$root/build}
helpers=${1:-50}

echo "== native: decision logic"
cmake -S "$root" -B "$TOLVANE_BUILD/bench-native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$TOLVANE_BUILD/bench-native" --target engine_bench >/dev/null
"$TOLVANE_BUILD/bench-native/tests/engine/engine_bench"

echo "== Wine: real process layer"
source "$root/scripts/bench-kit.sh"
bench_build_release engine_bench_win
source "$root/scripts/wine-env.sh"
tolvane_prepare_prefix
trap tolvane_stop_wine EXIT
tolvane_start_wineserver
wine "$bench_build/tests/engine/engine_bench_win.exe" "$helpers" </dev/null
