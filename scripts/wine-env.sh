# Sourced by the build, run and test scripts: a private 32-bit Wine prefix in
# the build tree, and a virtual display when needed. Only processes started
# here are ever ended, by their id or through this prefix's own wineserver.

TOLVANE_ROOT=${TOLVANE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
TOLVANE_BUILD=${TOLVANE_BUILD:-$TOLVANE_ROOT/build}

# Some virtual machines execute only 64-bit code, and there 32-bit Wine
# cannot start at all. On such a host the Windows side is built for 64-bit
# Windows (build/win64) and run in 64-bit prefixes, every `wine` going to the
# 64-bit loader; everything else stays as it is.
tolvane_host_runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
if [ -z "${TOLVANE_WIN_FLAVOUR:-}" ]; then
  if tolvane_host_runs_32bit; then TOLVANE_WIN_FLAVOUR=win; else TOLVANE_WIN_FLAVOUR=win64; fi
fi
export TOLVANE_WIN_FLAVOUR
export TOLVANE_WIN_DIR=$TOLVANE_BUILD/$TOLVANE_WIN_FLAVOUR
if [ "$TOLVANE_WIN_FLAVOUR" = win64 ]; then
  TOLVANE_ARCH=win64
  tolvane_loader64="$TOLVANE_BUILD/wine64-loader"
  mkdir -p "$tolvane_loader64"
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' \
      >"$tolvane_loader64/$name"
    chmod +x "$tolvane_loader64/$name"
  done
  export PATH="$tolvane_loader64:$PATH"
else
  TOLVANE_ARCH=win32
fi

# The prefixes are the scripts' own, never an inherited WINEPREFIX: they are
# made, remade and configured here. TOLVANE_WINEPREFIX puts them elsewhere.
if [ "$TOLVANE_WIN_FLAVOUR" = win64 ]; then
  TOLVANE_WINEPREFIX=${TOLVANE_WINEPREFIX:-$TOLVANE_BUILD/wine-prefix-win64}
else
  TOLVANE_WINEPREFIX=${TOLVANE_WINEPREFIX:-$TOLVANE_BUILD/wine-prefix}
fi
export WINEPREFIX=$TOLVANE_WINEPREFIX
export WINEARCH=$TOLVANE_ARCH
TOLVANE_PREFIX32=$TOLVANE_WINEPREFIX
TOLVANE_PREFIX64=${TOLVANE_WINEPREFIX}64
TOLVANE_PREFIX144=${TOLVANE_WINEPREFIX}-144dpi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}
TOLVANE_XVFB_PID=""

tolvane_prepare_prefix() {
  if [ -f "$WINEPREFIX/.tolvane-ready" ]; then
    tolvane_copy_fonts
    return 0
  fi
  tolvane_remove_own_prefix "$WINEPREFIX" || return 1
  echo "wine: creating the $WINEARCH prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  touch "$WINEPREFIX/.tolvane-created"
  wineboot -i >/dev/null 2>&1
  tolvane_copy_fonts
  # Wine draws the frames itself: no window manager needed, and hiding a
  # window does not wait for one.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d Y /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tolvane-ready"
}

# Removes a prefix only when these scripts made it (their mark is in it) or
# nothing is in it: any other folder is somebody's, and stays as it is.
tolvane_remove_own_prefix() {
  local prefix=$1
  [ -e "$prefix" ] || return 0
  if [ -f "$prefix/.tolvane-created" ] || [ -f "$prefix/.tolvane-ready" ]; then
    rm -rf "$prefix"
  elif [ -d "$prefix" ] && [ -z "$(ls -A "$prefix")" ]; then
    rmdir "$prefix"
  else
    echo "wine: $prefix was not made by these scripts and is left alone;" \
      "set TOLVANE_WINEPREFIX to another folder" >&2
    return 1
  fi
}

# Debian's Wine does not find its own fonts (Tahoma, the Marlett caption
# glyphs) in a new prefix.
tolvane_copy_fonts() {
  cp -n /usr/share/wine/fonts/*.tt[fc] "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

# Starts a private Xvfb on a free display number and exports DISPLAY.
tolvane_start_xvfb() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    TOLVANE_XVFB_PID=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    return 0
  done
  echo "wine: no free display number for Xvfb" >&2
  return 1
}

# A persistent wineserver, primed with its output sent away: otherwise Wine's
# background services inherit a test runner's output pipe and hang it.
tolvane_start_wineserver() {
  wineserver -p >/dev/null 2>&1
  wine wineboot >/dev/null 2>&1 </dev/null || true
}

# The first program that touches windows starts Wine's desktop process; it
# must not inherit a test runner's output pipe.
tolvane_prime_display() {
  local prime="$TOLVANE_WIN_DIR/tests/win/tolvane_prime_display.exe"
  if [ -f "$prime" ]; then wine "$prime" >/dev/null 2>&1 </dev/null || true; fi
}

# A 64-bit prefix, where this 32-bit program runs under WOW64 with the file
# system redirection of 64-bit Windows.
tolvane_use_prefix64() {
  export WINEPREFIX=$TOLVANE_PREFIX64 WINEARCH=win64
}
tolvane_use_prefix32() {
  export WINEPREFIX=$TOLVANE_PREFIX32 WINEARCH=$TOLVANE_ARCH
}

# A copy of the ready 32-bit prefix whose display has 144 DPI (150 %), made
# afresh each time (cp -a takes a few seconds). Call it while no wineserver
# of the 32-bit prefix runs, so that its registry files are whole.
tolvane_make_prefix144() {
  tolvane_remove_own_prefix "$TOLVANE_PREFIX144" || return 1
  cp -a "$TOLVANE_PREFIX32" "$TOLVANE_PREFIX144"
  WINEPREFIX=$TOLVANE_PREFIX144 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
    >/dev/null 2>&1
  # Wine reads the DPI when its server starts: let this one end first.
  WINEPREFIX=$TOLVANE_PREFIX144 wineserver -w
}
tolvane_use_prefix144() {
  export WINEPREFIX=$TOLVANE_PREFIX144 WINEARCH=$TOLVANE_ARCH
}

tolvane_stop_wine() {
  local prefix
  for prefix in "$TOLVANE_PREFIX32" "$TOLVANE_PREFIX64" "$TOLVANE_PREFIX144"; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  done
  if [ -n "$TOLVANE_XVFB_PID" ]; then
    kill "$TOLVANE_XVFB_PID" 2>/dev/null || true
    wait "$TOLVANE_XVFB_PID" 2>/dev/null || true
    TOLVANE_XVFB_PID=""
  fi
}

# The benchmarks' set-up: the 32-bit prefix on a private virtual display,
# its server started and the display primed; all ended when the script exits.
tolvane_start_bench_session() {
  tolvane_prepare_prefix
  trap tolvane_stop_wine EXIT
  tolvane_start_xvfb
  tolvane_start_wineserver
  tolvane_prime_display
}
