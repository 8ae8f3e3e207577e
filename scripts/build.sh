#!/usr/bin/env bash
# Installs what is missing, then configures (once) and builds the three builds: native, the
# x86_64 Windows build that the tests run under wine64, and the shipped i686 launcher.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/bootstrap.sh
for preset in native mingw64 mingw32; do
  [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >"build/configure-$preset.log"
  cmake --build --preset "$preset"
done
