#!/usr/bin/env bash
# Installs what building and testing Tolvane needs on Debian 12, only what is
# missing. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  nlohmann-json3-dev locales
  wine wine32:i386 wine64 fonts-wine fonts-liberation xvfb xauth xdotool x11-utils imagemagick python3
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# wine32 only has a candidate once the i386 architecture is known.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
# A mirror that fails one index need not stop the install: the lists at hand
# usually hold every package still, and the install fails loudly when not.
if ! $sudo apt-get update -qq; then
  echo "setup: apt-get update failed; installing from the package lists at hand" >&2
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
