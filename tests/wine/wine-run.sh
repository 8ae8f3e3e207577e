#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs one program under wine64 in the project's prefix.
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}" WINEDEBUG=-all
exec /usr/lib/wine/wine64 "$@"
