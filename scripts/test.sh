#!/usr/bin/env bash
# Runs every test: installs what is missing, builds all three builds, runs the native suites, the
# i686 binary check, then the Windows suites under wine64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/build.sh
ctest --test-dir build/native --output-on-failure -j2
ctest --test-dir build/mingw32 --output-on-failure
source scripts/wine-session.sh
ctest --test-dir build/mingw64 --output-on-failure -j2
