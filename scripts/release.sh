#!/usr/bin/env bash
# Builds the release: dist/Tolvane.exe and dist/tolvane-store.exe, optimised
# for size and stripped, with their SHA-256 sums; prints size and imports.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BUILD:-$root/build}/release
dist=$root/dist
"$root/scripts/setup.sh"

source "$root/scripts/release-config.sh"
tolvane_configure_release "$build" -DTOLVANE_TESTS=OFF
cmake --build "$build" --target Tolvane tolvane-store

mkdir -p "$dist"
cp "$build/Tolvane.exe" "$build/tools/tolvane-store.exe" "$dist/"
(cd "$dist" && sha256sum Tolvane.exe tolvane-store.exe > SHA256SUMS)

# The engine's own thread brings the thread runtime (about 35 KB) with it.
limit=$((600 * 1024))
for exe in Tolvane.exe tolvane-store.exe; do
  size=$(stat -c %s "$dist/$exe")
  imports=$(i686-w64-mingw32-objdump -p "$dist/$exe" | sed -n 's/^\s*DLL Name: //p' | sort -f | paste -sd, -)
  echo "$exe: $size bytes ($((size / 1024)) KB); imports: $imports"
done
cat "$dist/SHA256SUMS"

size=$(stat -c %s "$dist/Tolvane.exe")
if [ "$size" -gt "$limit" ]; then
  echo "release: Tolvane.exe is larger than 600 KB" >&2
  exit 1
fi
# Only DLLs that every Windows ships may be imported.
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|msvcrt|psapi|ntdll|shlwapi|version)\.dll$'
for exe in Tolvane.exe tolvane-store.exe; do
  for dll in $(i686-w64-mingw32-objdump -p "$dist/$exe" | sed -n 's/^\s*DLL Name: //p'); do
    if ! grep -qiE "$allowed" <<<"$dll"; then
      echo "release: $exe imports $dll, which Windows does not ship" >&2
      exit 1
    fi
  done
done
# The common controls load at their first call, after the tray icon.
if i686-w64-mingw32-objdump -p "$dist/Tolvane.exe" | grep -qi 'DLL Name: comctl32'; then
  echo "release: Tolvane.exe imports comctl32 at load time; add the function to cmake/comctl32-delayed.def" >&2
  exit 1
fi
