#!/usr/bin/env bash
# Configures and builds one flavour: native (with sanitizers), fuzz, win or
# win64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BUILD:-$root/build}
flavour=${1:?usage: build.sh native|fuzz|win|win64}

case "$flavour" in
  native) args=(-DTOLVANE_SANITIZE=ON) ;;
  fuzz) args=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTOLVANE_FUZZ=ON) ;;
  win) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
  # For hosts that cannot run 32-bit code (scripts/wine-env.sh).
  win64) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$build/$flavour" -G Ninja "${args[@]}" >/dev/null
cmake --build "$build/$flavour"
