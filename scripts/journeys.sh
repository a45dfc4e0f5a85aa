#!/usr/bin/env bash
# The user journeys: Tolvane.exe under Wine on a private Xvfb, driven with
# real keyboard and mouse input. Expects the native and Windows builds
# (scripts/test.sh makes them); names of journeys may be given to run only those.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TOLVANE_BUILD=${TOLVANE_BUILD:-$root/build}
source "$root/scripts/wine-env.sh"
tolvane_prepare_prefix
trap tolvane_stop_wine EXIT
if [ -z "${TOLVANE_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then tolvane_start_xvfb; fi
tolvane_start_wineserver
tolvane_prime_display
python3 "$root/tests/journeys/journeys.py" "$@"
