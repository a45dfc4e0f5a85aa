# Sourced: configures a build directory the way the release is built (size-
# optimised, unused code dropped, stripped), so that the start-up benchmark
# measures the program users get. Extra arguments go to cmake;
# TOLVANE_RELEASE_TOOLCHAIN=mingw-x86_64 builds it for 64-bit Windows, for
# benchmarks on a host that runs no 32-bit code.
tolvane_configure_release() {  # build directory, cmake arguments...
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/${TOLVANE_RELEASE_TOOLCHAIN:-mingw-i686}.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_CXX_FLAGS="-ffunction-sections -fdata-sections" \
    -DCMAKE_EXE_LINKER_FLAGS="-s -Wl,--gc-sections" "$@" >/dev/null
}
