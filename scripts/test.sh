#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: native
# unit tests under sanitizers, the fuzzers for a while, the release build's
# size and imports, and the Windows tests under Wine on a private virtual
# display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TOLVANE_BUILD=${TOLVANE_BUILD:-$root/build}
fuzz_seconds=${TOLVANE_FUZZ_SECONDS:-30}
logs="$TOLVANE_BUILD/test-logs"

"$root/scripts/setup.sh"
mkdir -p "$logs"

passed=0
failed=0
run_suite() {  # name, ctest arguments...
  local name=$1; shift
  local log="$logs/$name.log"
  if ctest "$@" --output-on-failure >"$log" 2>&1; then :; fi
  cat "$log"
  local line
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$line" ]; then
    echo "test: suite $name did not report its results" >&2
    failed=$((failed + 1))
    return
  fi
  local total bad
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

run_journeys() {  # log name, journey names (none: all)
  local log="$logs/$1.log"; shift
  python3 "$root/tests/journeys/journeys.py" "$@" >"$log" 2>&1 || true
  cat "$log"
  local line
  if line=$(grep -E '^journeys: [0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1); then
    passed=$((passed + $(sed -E 's/journeys: ([0-9]+) passed.*/\1/' <<<"$line")))
    failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")))
  else
    echo "test: the journeys did not report their results" >&2
    failed=$((failed + 1))
  fi
}

echo "== native build and unit tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
"$root/scripts/build.sh" native
run_suite native --test-dir "$TOLVANE_BUILD/native" -j2

echo "== fuzzers, $fuzz_seconds s each"
"$root/scripts/build.sh" fuzz
"$root/scripts/fuzz.sh" "$fuzz_seconds" && passed=$((passed + 1)) || failed=$((failed + 1))

echo "== release build: size and imports"
"$root/scripts/release.sh" && passed=$((passed + 1)) || failed=$((failed + 1))

echo "== Windows build and tests under Wine"
source "$root/scripts/wine-env.sh"
if [ "$TOLVANE_WIN_FLAVOUR" = win64 ]; then
  echo "test: this host executes no 32-bit code, so 32-bit Wine cannot start here; the Windows side is" \
    "built for 64-bit Windows and tested in 64-bit prefixes, and the WOW64 tests cannot run"
fi
"$root/scripts/build.sh" "$TOLVANE_WIN_FLAVOUR"
tolvane_prepare_prefix
trap tolvane_stop_wine EXIT
tolvane_make_prefix144
tolvane_start_xvfb
tolvane_start_wineserver
tolvane_prime_display
run_suite win --test-dir "$TOLVANE_WIN_DIR"

if [ "$TOLVANE_WIN_FLAVOUR" = win ]; then
  echo "== Windows tests in a 64-bit prefix (WOW64)"
  tolvane_use_prefix64
  tolvane_prepare_prefix
  # Only the 64-bit system folder holds it, as with a program only 64-bit Windows has.
  cp "$TOLVANE_WIN_DIR/tests/engine/tolvane_marker_helper64.exe" "$WINEPREFIX/drive_c/windows/system32/"
  tolvane_start_wineserver
  tolvane_prime_display
  TOLVANE_EXPECT_WOW64=1 run_suite win64 --test-dir "$TOLVANE_WIN_DIR" \
    -R '^(system_folder_win_test|engine_e2e_win_test)$'
  # The watcher and the process chooser where 64-bit processes run beside Tolvane.
  run_journeys journeys64 program_start_by_process_name_from_the_chooser
  WINEPREFIX=$TOLVANE_PREFIX64 wineserver -k >/dev/null 2>&1 || true
  tolvane_use_prefix32
fi

echo "== Windows tests with the display at 144 DPI (150 %)"
tolvane_use_prefix144
tolvane_start_wineserver
tolvane_prime_display
TOLVANE_EXPECT_DPI=144 run_suite dpi144 --test-dir "$TOLVANE_WIN_DIR" \
  -R '^(display_scale_win_test|startup_win_test|text_fit_win_test)$'
WINEPREFIX=$TOLVANE_PREFIX144 wineserver -k >/dev/null 2>&1 || true
tolvane_use_prefix32

echo "== user journeys under Wine"
run_journeys journeys
echo
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
