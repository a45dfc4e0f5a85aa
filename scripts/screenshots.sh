#!/usr/bin/env bash
# Renders the main window (both tabs), its menus, every wizard page, both edit
# dialogs and both sub-dialogs under Wine on a private Xvfb into
# build/screenshots/*.png; then the main window, the system-start wizard and
# its edit dialog once more with the display at 144 DPI (*-144dpi.png).
# Needs the win build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine-env.sh"
main_demo="$TOLVANE_BUILD/win/tests/ui/tolvane_screenshot_demo.exe"
wizard_demo="$TOLVANE_BUILD/win/tests/wizards/tolvane_wizard_screenshot_demo.exe"
out="$TOLVANE_BUILD/screenshots"
cmake --build "$TOLVANE_BUILD/win" --target tolvane_screenshot_demo tolvane_wizard_screenshot_demo
mkdir -p "$out"
tolvane_prepare_prefix
tolvane_make_prefix144
tolvane_start_xvfb
trap tolvane_stop_wine EXIT
tolvane_start_wineserver

shoot() {  # name mode extra-height [demo]
  local name=$1 mode=$2 extra=$3 rect="$out/$1.rect" demo=${4:-$main_demo} pid
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

for view in system-0 system-1 system-2 system-3 system-4 program-0 program-1 program-2 program-3 program-4 \
    system-edit program-edit add-condition process-chooser; do
  shoot "wizard-$view" "$view" 0 "$wizard_demo"
done

# The README's pictures: each wizard's five pages side by side, the edit
# dialogs, the sub-dialogs.
cd "$out"
montage -mode concatenate -tile 3x -background white wizard-system-[0-4].png wizard-system.png
montage -mode concatenate -tile 3x -background white wizard-program-[0-4].png wizard-program.png
montage -mode concatenate -tile 2x -background white wizard-system-edit.png wizard-program-edit.png edit-dialogs.png
montage -mode concatenate -tile 1x -background white wizard-add-condition.png wizard-process-chooser.png sub-dialogs.png
echo "$out/wizard-system.png $out/wizard-program.png $out/edit-dialogs.png $out/sub-dialogs.png"

# The same windows on a display scaled to 150 %.
cd "$root"
WINEPREFIX=$TOLVANE_PREFIX32 wineserver -k >/dev/null 2>&1 || true
tolvane_use_prefix144
tolvane_start_wineserver
shoot main-window-144dpi "" 0
for view in system-0 system-1 system-2 system-3 system-4 system-edit; do
  shoot "wizard-$view-144dpi" "$view" 0 "$wizard_demo"
done
cd "$out"
montage -mode concatenate -tile 3x -background white wizard-system-[0-4]-144dpi.png wizard-system-144dpi.png
echo "$out/wizard-system-144dpi.png"
