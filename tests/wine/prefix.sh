#!/usr/bin/env bash
# Makes the Wine prefix of the Windows test runs, inside the build tree, once:
#  - the Z: drive (the whole Unix root) is removed, and W: maps the Windows build tree only, so a
#    faulty removal under test cannot reach the host;
#  - the crash debugger points at nothing, so a crash ends a test instead of hanging it.
# Prints the prefix's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix="$root/build/wineprefix"
area="$root/build/mingw64"
export WINEPREFIX="$prefix" WINEDEBUG=-all
wine=/usr/lib/wine/wine64

if [ ! -f "$prefix/.project-ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix" "$area"
  "$wine" wineboot --init >"$root/build/wineboot.log" 2>&1 || true
  /usr/lib/wine/wineserver -w
  "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
  "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
  rm -f "$prefix/dosdevices/z:"
  ln -sfn "$area" "$prefix/dosdevices/w:"
  touch "$prefix/.project-ready"
fi
echo "$prefix"
