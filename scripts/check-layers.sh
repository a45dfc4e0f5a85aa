#!/bin/sh
# Each folder may include only its own headers and those of the folders below
# it, so the portable core never grows a dependency on the windows above it.
set -eu
cd "$(dirname "$0")/.."

allowed() {
    case "$1" in
        core) echo "core" ;;
        engine) echo "core engine" ;;
        ui) echo "core ui res" ;;
        wizards) echo "core engine ui wizards" ;;
        tools) echo "core engine tools" ;;
        app) echo "core engine ui wizards app" ;;
    esac
}

status=0
for folder in core engine ui wizards tools app; do
    for used in $(grep -ho '^#include "[a-z_]*/' "$folder"/*.h "$folder"/*.cpp | sed 's/#include "//; s#/$##' | sort -u); do
        case " $(allowed "$folder") " in
            *" $used "*) ;;
            *) echo "$folder/ includes $used/:"; grep -ln "^#include \"$used/" "$folder"/*.h "$folder"/*.cpp; status=1 ;;
        esac
    done
done
[ "$status" -eq 0 ] && echo "layers: every folder includes only itself and the folders below it"
exit "$status"
