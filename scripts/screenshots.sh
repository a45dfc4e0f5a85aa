#!/usr/bin/env bash
# Renders the main window (both tabs) and its menus under Wine on a private
# Xvfb into build/screenshots/*.png. Needs the win build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
demo="$TOLVANE_BUILD/win/tests/ui/tolvane_screenshot_demo.exe"
out="$TOLVANE_BUILD/screenshots"
[ -x "$demo" ] || cmake --build "$TOLVANE_BUILD/win" --target tolvane_screenshot_demo
mkdir -p "$out"
tolvane_prepare_prefix
tolvane_start_xvfb
trap tolvane_stop_wine EXIT
tolvane_start_wineserver

shoot() {  # name mode extra-height
  local name=$1 mode=$2 extra=$3 rect="$out/$1.rect" pid
  rm -f "$rect"
  wine "$demo" "$(winepath -w "$rect")" $mode >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 100); do [ -s "$rect" ] && break; sleep 0.1; done
  sleep 1.5
  read -r x y w h < <(tr -d '\r' <"$rect")
  import -window root -crop "${w}x$((h + extra))+${x}+${y}" +repage "$out/$name.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$rect"
  echo "$out/$name.png"
}

shoot main-window-system "" 0
shoot main-window-program tab1 0
shoot menu-file menu 0
shoot menu-tray tray 0
