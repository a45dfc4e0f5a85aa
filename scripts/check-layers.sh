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

# Text crosses to Windows only as UTF-16: a call or structure of the ANSI
# API would read and write the code page, which differs from one Windows to
# another. Allowed exceptions are listed here as "file:Name", one a line,
# each with its reason in a comment above it; none is needed now.
ansi_allowed=''
ansi_calls=$(grep -nE '\b([A-Za-z][A-Za-z0-9]*[a-z0-9]A|[A-Z][A-Z0-9_]*(INFO|CLASS|CLASSEX|ITEM|COLUMN|FONT|METRICS|STRUCT|NAME|DATA|WND|RESOURCE|INFOTIP|DISPINFO|FINDITEM)A|[A-Z]+_[A-Z0-9_]+A)\b' \
    core/*_win.* engine/*_win.* ui/*_win.* wizards/*_win.* app/*_win.* tools/*_win.* 2>/dev/null |
    grep -vE 'FILE_APPEND_DATA|MIIM_DATA|WIN32_FILE_ATTRIBUTE_DATA|GWLP_USERDATA|LVS_OWNERDATA|SPI_GETWORKAREA' || true)
for allowed in $ansi_allowed; do ansi_calls=$(printf '%s\n' "$ansi_calls" | grep -v "$allowed" || true); done
if [ -n "$ansi_calls" ]; then
    echo "ANSI text calls (use the wide ones):"
    printf '%s\n' "$ansi_calls"
    status=1
else
    echo "text: every call to Windows with text is a wide one"
fi
exit "$status"
