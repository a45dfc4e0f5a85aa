#!/usr/bin/env bash
# Runs every fuzz target of the fuzz build for the given number of seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BUILD:-$root/build}
seconds=${1:-30}
status=0
shopt -s nullglob
targets=("$build"/fuzz/tests/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no fuzz targets built" >&2
  exit 1
fi
for target in "${targets[@]}"; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "fuzz: $name for $seconds s"
  if ! "$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus" >"$build/fuzz/$name.log" 2>&1; then
    tail -n 40 "$build/fuzz/$name.log"
    status=1
  fi
done
exit $status
