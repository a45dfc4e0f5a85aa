# Sourced by the benchmarks: the build they measure (as the release is built),
# a private Wine session, the prefix's store kept aside while a benchmark
# writes its own, a traced start, and the small figures they print.
# Expects $root and $TOLVANE_BUILD.

# Builds the targets as the release is built (size-optimised, stripped) into
# $bench_build: a build with debug information is thirty times the size and
# loads and runs slower than what users get.
# On a host that runs no 32-bit code, they are built for 64-bit Windows.
bench_build_release() {  # targets...
  source "$root/scripts/release-config.sh"
  source "$root/scripts/wine-env.sh"
  bench_build="$TOLVANE_BUILD/bench-release"
  if [ "$TOLVANE_WIN_FLAVOUR" = win64 ]; then
    bench_build="$TOLVANE_BUILD/bench-release64"
    local TOLVANE_RELEASE_TOOLCHAIN=mingw-x86_64
  fi
  tolvane_configure_release "$bench_build"
  cmake --build "$bench_build" --target "$@" >/dev/null
}

# A private prefix, display and server, with the prefix's store kept aside and
# put back at exit; $bench_work is a scratch folder removed then.
bench_start_session() {
  source "$root/scripts/wine-env.sh"
  tolvane_start_bench_session
  bench_store="$WINEPREFIX/drive_c/users/$(id -un)/tolvane.boot"
  [ -f "$bench_store" ] && mv "$bench_store" "$bench_store.bench-saved"
  bench_work=$(mktemp -d)
  trap bench_end_session EXIT
}
bench_end_session() {
  rm -f "$bench_store"
  if [ -f "$bench_store.bench-saved" ]; then mv "$bench_store.bench-saved" "$bench_store"; fi
  rm -rf "$bench_work"
  tolvane_stop_wine
}

# Writes COUNT entries into the store. "program": program-start entries whose
# triggers never start; "wait" and "load": those and one system-start entry
# that waits an hour or for a processor load below 0 %, for ever; "mixed":
# half system-start entries waiting an hour, half program-start ones, half of
# all programs whose own icon is read, half documents.
bench_fill_store() {  # program|wait|load|mixed COUNT
  python3 - "$1" "$2" >"$bench_work/entries.jsonl" <<'PY'
import json, sys
kind, n = sys.argv[1], int(sys.argv[2])
if kind in ("wait", "load"):
    print(json.dumps({
        "list": "system", "name": "Wartet",
        "condition": "Wartezeit von ...{3600};" if kind == "wait" else "Prozessorauslastung kleiner als ...{0};",
        "parameters": "", "hidden": "", "path": "C:\\windows\\system32\\notepad.exe",
    }))
    kind = "program"
for i in range(n):
    system = kind == "mixed" and i % 4 < 2
    document = kind == "mixed" and i % 2 == 1
    print(json.dumps({
        "list": "system" if system else "program",
        "name": f"Eintrag {i}",
        "condition": "Wartezeit von ...{3600};" if system else
                     (f"nie_gestartet_{i}.exe" if kind == "program" else "nie_gestartet.exe"),
        "parameters": "", "hidden": "",
        "path": f"C:\\Daten\\notiz{i}.txt" if document else "C:\\windows\\system32\\notepad.exe",
    }))
PY
  "$TOLVANE_BUILD/native/tools/tolvane-store" pack "$bench_work/entries.jsonl" "$bench_store"
}

# Starts a program under Wine with the start-up trace in $bench_work/trace.txt
# and waits (up to 60 s) for the milestone; leaves its process id in $bench_pid.
bench_traced_start() {  # exe milestone [arguments...]
  rm -f "$bench_work/trace.txt"
  TOLVANE_STARTUP_TRACE="$(winepath -w "$bench_work/trace.txt" 2>/dev/null)" wine "$1" "${@:3}" >/dev/null 2>&1 </dev/null &
  bench_pid=$!  # the wine wrapper execs the loader: this is the program's own process
  for _ in $(seq 600); do grep -q "$2" "$bench_work/trace.txt" 2>/dev/null && return; sleep 0.1; done
}
bench_end_program() {
  kill "$bench_pid" 2>/dev/null || true
  wait "$bench_pid" 2>/dev/null || true
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
