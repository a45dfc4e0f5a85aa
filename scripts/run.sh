#!/usr/bin/env bash
# Sets up, builds and starts Tolvane under Wine. Arguments go to Tolvane
# (for example -h for a start as at logon).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export TOLVANE_BUILD=${TOLVANE_BUILD:-$root/build}
"$root/scripts/setup.sh"
source "$root/scripts/wine-env.sh"
"$root/scripts/build.sh" "$TOLVANE_WIN_FLAVOUR"
tolvane_prepare_prefix
trap tolvane_stop_wine EXIT
if [ -z "${DISPLAY:-}" ]; then
  tolvane_start_xvfb
  echo "run: no display found; Tolvane runs on the virtual display $DISPLAY (screenshot: DISPLAY=$DISPLAY import -window root shot.png)"
fi
wine "$TOLVANE_WIN_DIR/Tolvane.exe" "$@"
