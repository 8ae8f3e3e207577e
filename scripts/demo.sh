#!/usr/bin/env bash
# The demo: builds everything, then runs the demo launcher (x86_64 build) under wine64 twice: once
# with arguments, printing what its setup program received and the launcher's exit code, and once
# with an empty command line, taking a screenshot of the splash window while it is up.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh >/dev/null
source scripts/wine-session.sh

bin="$root/build/mingw64/bin"
out="$root/build/demo"
mkdir -p "$out"
# W: is the Windows build tree in the test prefix (see tests/wine/prefix.sh).
export PROBE_RECORD="W:\\demo-setup-record.txt"
record_unix="$root/build/mingw64/demo-setup-record.txt"
rm -f "$record_unix"

echo "Running: launcher.exe /S /D=\"C:\\Program Files\\Demo\""
cd "$bin"
set +e
/usr/lib/wine/wine64 launcher.exe /S '/D="C:\Program Files\Demo"'
code=$?
set -e
echo "launcher exit code: $code (1 means the run sequence reached its end)"
echo "What the demo setup program recorded:"
sed 's/^/  /' "$record_unix"

echo
echo "Running: launcher.exe (empty command line: splash window)"
/usr/lib/wine/wine64 launcher.exe &
launcher=$!
# The window is up for the fade (about a second) and the unpacking: catch it near the fade's end.
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q 'Quorbel Liraset Install Wizard' && break
  sleep 0.05
done
sleep 0.9
xwd -root -silent | convert xwd:- "$out/splash-screenshot.png"
wait "$launcher" || true
echo "Screenshot of the screen during the splash: $out/splash-screenshot.png"
