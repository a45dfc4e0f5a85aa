#!/usr/bin/env bash
# Start-up cost: milliseconds from the creation of the Tolvane process to its
# tray icon and to its first start pass, with 0, 100 and 10,000 entries in
# the store (half programs whose own icon is read, half documents). Median of
# several runs under Wine on a private Xvfb, beside the least a tray program
# does before its icon shows (register a class, create a hidden window, add
# the icon), started in turn with Tolvane in the same runs. Prints figures;
# asserts nothing.
# Both programs are built as the release is (size-optimised, stripped): a
# build with debug information is thirty times the size and loads slower.
#   scripts/bench-startup.sh [RUNS]; TOLVANE_EXE=other.exe measures another build of Tolvane.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TOLVANE_BUILD=${TOLVANE_BUILD:-$root/build}
runs=${1:-5}
"$root/scripts/build.sh" native >/dev/null
source "$root/scripts/bench-kit.sh"
bench_build_release Tolvane tolvane_minimal_tray
bench_start_session

# The lists' own figures, in a table of their own: "lists filled" less
# "store loaded" in milliseconds, and the working set at the first pass (now
# and its peak) in kilobytes.
list_gaps=() list_sets=() list_peaks=() list_table=()
lists_collect() {  # trace file of one run
  list_gaps+=("$(awk '$1=="store-loaded"{s=$2} $1=="lists-filled"{f=$2} END{printf "%.1f", f-s}' "$1")")
  list_sets+=("$(awk '$1=="memory-kb" && $2=="first-pass"{print $3}' "$1")")
  list_peaks+=("$(awk '$1=="memory-kb" && $2=="first-pass"{print $4}' "$1")")
}
lists_row() {  # entries
  list_table+=("$(printf '%-8s %22s %18s %18s' "$1" "$(median "${list_gaps[@]}")" "$(median "${list_sets[@]}")" \
    "$(median "${list_peaks[@]}")")")
  list_gaps=() list_sets=() list_peaks=()
}
lists_print() {
  printf '\n%-8s %22s %18s %18s\n' entries "lists - store ms" "working set KB" "peak KB"
  printf '%s\n' "${list_table[@]}"
}

trace="$bench_work/trace.txt"
tolvane_exe=${TOLVANE_EXE:-$bench_build/Tolvane.exe}
minimal_exe="$bench_build/tests/bench/tolvane_minimal_tray.exe"

# Starts a program with the start-up trace on, waits for the milestone and ends it.
traced_start() {
  bench_traced_start "$1" "$2"
  bench_end_program
}

# On a shared machine the fastest run shows the cost itself best; the median
# carries the load of the moment.
fastest() { printf '%s\n' "$@" | sort -n | head -n 1; }
# Each Tolvane start is compared with the minimal start right after it, which
# met the same load on the machine; the median of those ratios drifts least.
paired_ratio() {  # "tolvane times" "minimal times"
  paste -d' ' <(printf '%s\n' $1) <(printf '%s\n' $2) | awk '{ print $1 / $2 }' | sort -n |
    awk '{ a[NR] = $1 } END { printf "%.2fx", a[int((NR + 1) / 2)] }'
}
echo "milliseconds from process creation, median of $runs runs (fastest run in brackets)"
printf '%-8s %18s %14s %14s %14s %20s %8s %10s %8s\n' entries "tray icon" "store loaded" "lists filled" "first pass" \
  "minimal tray icon" ratio "(fastest)" paired
# The first starts in a fresh prefix pay for caches Wine fills once; not measured.
traced_start "$tolvane_exe" first-pass
traced_start "$minimal_exe" tray-icon
for entries in 0 100 10000; do
  bench_fill_store mixed "$entries"
  trays=() loads=() fills=() passes=() minimals=()
  for _ in $(seq "$runs"); do
    traced_start "$tolvane_exe" first-pass
    trays+=("$(awk '$1=="tray-icon"{print $2}' "$trace")")
    loads+=("$(awk '$1=="store-loaded"{print $2}' "$trace")")
    fills+=("$(awk '$1=="lists-filled"{print $2}' "$trace")")
    passes+=("$(awk '$1=="first-pass"{print $2}' "$trace")")
    lists_collect "$trace"
    traced_start "$minimal_exe" tray-icon
    minimals+=("$(awk '$1=="tray-icon"{print $2}' "$trace")")
  done
  tray=$(median "${trays[@]}") minimal=$(median "${minimals[@]}")
  tray_best=$(fastest "${trays[@]}") minimal_best=$(fastest "${minimals[@]}")
  printf '%-8s %18s %14s %14s %14s %20s %8s %10s %8s\n' "$entries" "$tray ($tray_best)" "$(median "${loads[@]}")" \
    "$(median "${fills[@]}")" "$(median "${passes[@]}")" "$minimal ($minimal_best)" "$(ratio "$tray" "$minimal")" \
    "($(ratio "$tray_best" "$minimal_best"))" "$(paired_ratio "${trays[*]}" "${minimals[*]}")"
  lists_row "$entries"
done
lists_print
