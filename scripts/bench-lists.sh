#!/usr/bin/env bash
# The main window's lists with many entries under Wine on a private Xvfb:
# milliseconds to fill a list, to remove a row (with the save) and to edit
# one, each until the list has painted; built as the release is. Median of
# RUNS (default 3).
# Usage: scripts/bench-lists.sh [RUNS [ENTRIES...]]. Prints figures; asserts nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TOLVANE_BUILD=${TOLVANE_BUILD:-$root/build}
source "$root/scripts/bench-kit.sh"
bench_build_release tolvane_list_bench
bench_start_session
wine "$bench_build/tests/ui/tolvane_list_bench.exe" "$@" </dev/null 2>/dev/null
