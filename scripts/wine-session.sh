#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs: makes the prefix, keeps one wineserver up for
# the whole run, starts the prefix's background services first (they would otherwise hold the
# pipes of the first Wine program open), gives Wine a virtual screen, and stops it all on exit.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX
WINEPREFIX=$("$root/tests/wine/prefix.sh")
export WINEDEBUG=-all
/usr/lib/wine/wineserver -p 2>/dev/null || true  # already running: keep it
/usr/lib/wine/wine64 wineboot >"$root/build/wineboot-services.log" 2>&1 </dev/null || true

screen_number=$(( 90 + RANDOM % 100 ))
Xvfb ":$screen_number" -screen 0 1024x768x24 -nolisten tcp >"$root/build/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$screen_number"

stop_wine_session() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap stop_wine_session EXIT
