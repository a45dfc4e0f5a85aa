#!/usr/bin/env bash
# Cost at rest: Tolvane with 20 program-start entries whose triggers never
# start, left alone after it settled, beside a minimal tray program that lists
# the processes twice a second (one NtQuerySystemInformation listing each
# time) and does nothing else; both built as the release is. For each, over the same
# idle window (60 s unless given) under Wine on a private Xvfb: wake-ups per
# second (context switches of all the process's threads: every wake from a
# wait, and every round trip to the Wine server, which blocks the thread) and
# CPU ms per idle minute of the process and of the prefix's wineserver, which
# does the server's side of those round trips. The programs run one after the
# other, so the server's figure belongs to one of them. Prints figures;
# asserts nothing.
#   scripts/bench-rest.sh [seconds] [other Tolvane.exe to measure too, e.g. an older build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TOLVANE_BUILD=${TOLVANE_BUILD:-$root/build}
seconds=${1:-60}
other_exe=${2:-}
settle=5
"$root/scripts/build.sh" native >/dev/null
"$root/scripts/build.sh" win >/dev/null
source "$root/scripts/release-config.sh"
bench_build="$TOLVANE_BUILD/bench-release"
tolvane_configure_release "$bench_build"
cmake --build "$bench_build" --target Tolvane tolvane_minimal_watcher >/dev/null
source "$root/scripts/wine-env.sh"
tolvane_start_bench_session

store="$WINEPREFIX/drive_c/users/$(id -un)/tolvane.boot"
saved="$store.bench-saved"
[ -f "$store" ] && mv "$store" "$saved"
work=$(mktemp -d)
restore() { rm -f "$store"; [ -f "$saved" ] && mv "$saved" "$store"; rm -rf "$work"; tolvane_stop_wine; }
trap restore EXIT

python3 - >"$work/entries.jsonl" <<'PY'
import json
for i in range(20):
    print(json.dumps({"list": "program", "name": f"Eintrag {i}", "condition": f"nie_gestartet_{i}.exe",
                      "parameters": "", "hidden": "", "path": "C:\\windows\\system32\\notepad.exe"}))
PY
"$TOLVANE_BUILD/native/tools/tolvane-store" pack "$work/entries.jsonl" "$store"

# The prefix's own wineserver: the one whose environment names this prefix.
server_pid() {
  local pid
  for pid in $(pgrep -x 'wineserver(64)?'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
  done
}

# "<context switches> <cpu ns>" summed over every thread of a process; the
# scheduler's run time in ns is finer than the 10 ms ticks of /proc/<pid>/stat.
counters() {
  local pid=$1 switches=0 ns=0 task v n run
  for task in /proc/"$pid"/task/*; do
    v=$(awk '/^voluntary_ctxt_switches/{print $2}' "$task/status" 2>/dev/null) || continue
    n=$(awk '/^nonvoluntary_ctxt_switches/{print $2}' "$task/status" 2>/dev/null) || continue
    run=$(awk '{print $1}' "$task/schedstat" 2>/dev/null) || continue
    switches=$((switches + ${v:-0} + ${n:-0})); ns=$((ns + ${run:-0}))
  done
  echo "$switches $ns"
}

# Starts one program, lets it settle, and prints
# "<wake-ups/s> <cpu ms/min> <server cpu ms/min>" over the idle window.
measure() {
  local exe=$1 pid server before after sbefore safter
  rm -f "$work/trace.txt"
  TOLVANE_STARTUP_TRACE="$(winepath -w "$work/trace.txt" 2>/dev/null)" wine "$exe" >/dev/null 2>&1 </dev/null &
  pid=$!  # the wine wrapper execs the loader: this is the program's own process
  for _ in $(seq 300); do grep -q tray-icon "$work/trace.txt" 2>/dev/null && break; sleep 0.1; done
  sleep "$settle"
  server=$(server_pid)
  before=$(counters "$pid"); sbefore=$(counters "$server")
  sleep "$seconds"
  after=$(counters "$pid"); safter=$(counters "$server")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v b="$before" -v a="$after" -v sb="$sbefore" -v sa="$safter" -v s="$seconds" 'BEGIN {
    split(b, x, " "); split(a, y, " "); split(sb, u, " "); split(sa, v, " ")
    printf "%.2f %.1f %.1f\n", (y[1] - x[1]) / s, (y[2] - x[2]) / 1e6 * 60 / s, (v[2] - u[2]) / 1e6 * 60 / s }'
}

row() { printf '%-22s %12s %16s %18s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }

echo "idle window ${seconds} s after ${settle} s to settle; 20 program-start entries"
row program "wake-ups/s" "CPU ms/idle min" "server ms/idle min"
read -r mw mc ms < <(measure "$bench_build/tests/bench/tolvane_minimal_watcher.exe")
row "minimal watcher" "$mw" "$mc" "$ms"
read -r tw tc ts < <(measure "$bench_build/Tolvane.exe")
row "Tolvane" "$tw" "$tc" "$ts"
row "Tolvane / minimal" "$(ratio "$tw" "$mw")" "$(ratio "$tc" "$mc")" "$(ratio "$ts" "$ms")"
if [ -n "$other_exe" ]; then
  read -r ow oc os < <(measure "$other_exe")
  row "$(basename "$other_exe")" "$ow" "$oc" "$os"
  row "  / minimal" "$(ratio "$ow" "$mw")" "$(ratio "$oc" "$mc")" "$(ratio "$os" "$ms")"
fi
