#!/usr/bin/env bash
# The scripts' Wine prefixes: an inherited WINEPREFIX is neither taken over
# nor deleted, a folder the scripts did not make is never deleted, one they
# made and left half-done is made anew. And setup.sh goes on to the install
# when the package lists cannot be updated. Wine, dpkg and apt are stubs on
# PATH, so nothing here needs Wine or touches the system.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

check() {  # description, command...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
fails() { ! "$@"; }

stub() {  # name, body
  printf '#!/bin/sh\n%s\n' "$2" >"$work/bin/$1"
  chmod +x "$work/bin/$1"
}
mkdir -p "$work/bin"
stub wineboot 'mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" && echo "$WINEPREFIX" >>"$STUB_LOG"'
stub wine 'exit 0'
stub wineserver 'exit 0'

# Runs one of wine-env.sh's functions in a clean shell; arguments before the
# function name are the environment. The 32-bit flavour, whatever this host runs.
in_env() {
  env -u WINEPREFIX -u TOLVANE_WINEPREFIX -u WINEARCH PATH="$work/bin:$PATH" STUB_LOG="$work/log" \
    TOLVANE_BUILD="$work/build" TOLVANE_WIN_FLAVOUR=win "$@" >/dev/null 2>&1
}
run_wine_env() {  # environment..., function...
  local vars=()
  while [[ $1 == *=* ]]; do vars+=("$1"); shift; done
  in_env "${vars[@]}" bash -c 'source "$0/scripts/wine-env.sh" && for f in "$@"; do $f || exit 1; done' "$root" "$@"
}
booted() { grep -qxF "$1" "$work/log" 2>/dev/null; }

# Somebody's prefix, inherited through WINEPREFIX.
mkdir -p "$work/users-prefix"
echo keep >"$work/users-prefix/user.reg"
check "an inherited WINEPREFIX is not taken over" run_wine_env WINEPREFIX="$work/users-prefix" tolvane_prepare_prefix
check "an inherited WINEPREFIX keeps its files" test -f "$work/users-prefix/user.reg"
check "the prefix is made in the build tree instead" booted "$work/build/wine-prefix"
check "and marked ready" test -f "$work/build/wine-prefix/.tolvane-ready"

: >"$work/log"
check "a ready prefix is used again" run_wine_env tolvane_prepare_prefix
check "without booting it again" test ! -s "$work/log"

# A folder named as the scripts' prefix that they did not make.
mkdir -p "$work/chosen"
echo keep >"$work/chosen/notes.txt"
check "a folder the scripts did not make is refused" \
  fails run_wine_env TOLVANE_WINEPREFIX="$work/chosen" tolvane_prepare_prefix
check "and keeps its files" test -f "$work/chosen/notes.txt"
check "and is not booted" fails booted "$work/chosen"

# A prefix the scripts began and did not finish is made anew.
mkdir -p "$work/half"
touch "$work/half/.tolvane-created" "$work/half/leftover"
check "a half-made prefix of the scripts' own is made anew" \
  run_wine_env TOLVANE_WINEPREFIX="$work/half" tolvane_prepare_prefix
check "without its leftovers" test ! -e "$work/half/leftover"
check "and ready" test -f "$work/half/.tolvane-ready"

# The 144-DPI copy never replaces somebody's folder of that name.
mkdir -p "$work/half-144dpi"
echo keep >"$work/half-144dpi/user.reg"
check "the 144-DPI copy does not replace a folder the scripts did not make" \
  fails run_wine_env TOLVANE_WINEPREFIX="$work/half" tolvane_make_prefix144
check "which keeps its files" test -f "$work/half-144dpi/user.reg"
rm -rf "$work/half-144dpi"
check "the 144-DPI copy is made where nothing was" \
  run_wine_env TOLVANE_WINEPREFIX="$work/half" tolvane_make_prefix144
check "from the ready prefix" test -f "$work/half-144dpi/.tolvane-ready"

# setup.sh: every package missing, an index that fails to update.
stub dpkg-query 'exit 1'
stub dpkg 'echo i386'
stub sudo 'exec "$@"'
setup() {  # how apt-get install ends
  stub apt-get 'case "$1" in update) exit 100 ;; install) echo install >>"$STUB_LOG"; exit '"$1"' ;; esac'
  : >"$work/log"
  in_env "$root/scripts/setup.sh"
}
check "setup goes on to the install when the update fails" setup 0
check "and installs" grep -qx install "$work/log"
check "setup fails when the install fails" fails setup 100

[ "$failures" -eq 0 ] && echo "scripts: all checks passed"
exit "$failures"
