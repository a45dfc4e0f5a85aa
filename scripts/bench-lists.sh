#!/usr/bin/env bash
# The main window's lists with many entries under Wine on a private Xvfb:
# milliseconds to fill a list, to remove a row (with the save) and to edit
# one, each until the list has painted. Median of RUNS (default 3).
# Usage: scripts/bench-lists.sh [RUNS [ENTRIES...]]. Prints figures; asserts nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TOLVANE_BUILD=${TOLVANE_BUILD:-$root/build}
"$root/scripts/build.sh" win >/dev/null
source "$root/scripts/wine-env.sh"
tolvane_start_bench_session
wine "$TOLVANE_BUILD/win/tests/ui/tolvane_list_bench.exe" "$@" </dev/null 2>/dev/null
