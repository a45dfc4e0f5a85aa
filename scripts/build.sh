#!/usr/bin/env bash
# Configures and builds one flavour: native (with sanitizers), fuzz or win.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BUILD:-$root/build}
flavour=${1:?usage: build.sh native|fuzz|win}

case "$flavour" in
  native) args=(-DTOLVANE_SANITIZE=ON) ;;
  fuzz) args=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTOLVANE_FUZZ=ON) ;;
  win) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$build/$flavour" -G Ninja "${args[@]}" >/dev/null
cmake --build "$build/$flavour"
