#!/usr/bin/env bash
# Cost at rest: Tolvane with 20 program-start entries whose triggers never
# start, left alone after it settled (then again at logon, "-h", with one
# system-start entry more that waits an hour, and with one that waits for a
# processor load it never reaches, which reads the load at every pass),
# beside a minimal tray program that lists
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
source "$root/scripts/bench-kit.sh"
bench_build_release Tolvane tolvane_minimal_watcher
bench_start_session
bench_fill_store program 20

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

# Starts one program (with the arguments given), lets it settle, and prints
# "<wake-ups/s> <cpu ms/min> <server cpu ms/min>" over the idle window.
measure() {
  local server before after sbefore safter
  bench_traced_start "$1" tray-icon "${@:2}"
  sleep "$settle"
  server=$(server_pid)
  before=$(counters "$bench_pid"); sbefore=$(counters "$server")
  sleep "$seconds"
  after=$(counters "$bench_pid"); safter=$(counters "$server")
  bench_end_program
  awk -v b="$before" -v a="$after" -v sb="$sbefore" -v sa="$safter" -v s="$seconds" 'BEGIN {
    split(b, x, " "); split(a, y, " "); split(sb, u, " "); split(sa, v, " ")
    printf "%.2f %.1f %.1f\n", (y[1] - x[1]) / s, (y[2] - x[2]) / 1e6 * 60 / s, (v[2] - u[2]) / 1e6 * 60 / s }'
}

row() { printf '%-22s %12s %16s %18s\n' "$@"; }

echo "idle window ${seconds} s after ${settle} s to settle; 20 program-start entries"
row program "wake-ups/s" "CPU ms/idle min" "server ms/idle min"
read -r mw mc ms < <(measure "$bench_build/tests/bench/tolvane_minimal_watcher.exe")
row "minimal watcher" "$mw" "$mc" "$ms"
read -r tw tc ts < <(measure "$bench_build/Tolvane.exe")
row "Tolvane" "$tw" "$tc" "$ts"
row "Tolvane / minimal" "$(ratio "$tw" "$mw")" "$(ratio "$tc" "$mc")" "$(ratio "$ts" "$ms")"
bench_fill_store wait 20
read -r ww wc ws < <(measure "$bench_build/Tolvane.exe" -h)
row "-h, waiting an hour" "$ww" "$wc" "$ws"
row "  / minimal" "$(ratio "$ww" "$mw")" "$(ratio "$wc" "$mc")" "$(ratio "$ws" "$ms")"
bench_fill_store load 20
read -r lw lc ls < <(measure "$bench_build/Tolvane.exe" -h)
row "-h, waiting for load" "$lw" "$lc" "$ls"
row "  / minimal" "$(ratio "$lw" "$mw")" "$(ratio "$lc" "$mc")" "$(ratio "$ls" "$ms")"
row "  / waiting an hour" "$(ratio "$lw" "$ww")" "$(ratio "$lc" "$wc")" "$(ratio "$ls" "$ws")"
if [ -n "$other_exe" ]; then
  read -r ow oc os < <(measure "$other_exe")
  row "$(basename "$other_exe")" "$ow" "$oc" "$os"
  row "  / minimal" "$(ratio "$ow" "$mw")" "$(ratio "$oc" "$mc")" "$(ratio "$os" "$ms")"
fi
