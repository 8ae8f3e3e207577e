#!/usr/bin/env bash
# Installs everything the project needs on a Debian 12 machine and cross-builds liblzma for
# both MinGW targets into the build tree. Idempotent: a second run only checks and returns.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/build/deps"

packages=(
  cmake ninja-build g++ pkg-config dpkg-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 xvfb x11-utils x11-apps imagemagick
  liblzma-dev googletest libgtest-dev xz-utils
  icoutils python3-pefile
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

src_list=/etc/apt/sources.list.d/project-deb-src.sources
need_src=0
for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
  [ -f "$deps/$triple/lib/liblzma.a" ] || need_src=1
done

if [ "$need_src" = 1 ] && [ ! -f "$src_list" ]; then
  # Source entries for the same suites as the configured binary ones.
  sed -n 's/^Types: deb$/Types: deb-src/p;/^Types:/!p' /etc/apt/sources.list.d/debian.sources > "$src_list"
  missing+=(__update__)
fi

if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  pkgs=()
  for p in "${missing[@]}"; do [ "$p" = __update__ ] || pkgs+=("$p"); done
  if [ ${#pkgs[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${pkgs[@]}" >/dev/null
  fi
fi

if [ "$need_src" = 1 ]; then
  mkdir -p "$deps/src"
  cd "$deps/src"
  if ! ls -d xz-utils-*/ >/dev/null 2>&1; then
    apt-get source -qq xz-utils >/dev/null 2>&1
  fi
  srcdir=$(ls -d "$deps"/src/xz-utils-*/ | head -n 1)
  for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
    [ -f "$deps/$triple/lib/liblzma.a" ] && continue
    b="$deps/build-$triple"
    rm -rf "$b" && mkdir -p "$b" && cd "$b"
    "$srcdir/configure" --host="$triple" --prefix="$deps/$triple" --enable-static --disable-shared \
      --disable-xz --disable-xzdec --disable-lzmadec --disable-lzmainfo --disable-scripts \
      --disable-doc --disable-nls --disable-threads >/dev/null
    make -s -j"$(nproc)" -C src/liblzma >/dev/null
    make -s -C src/liblzma install >/dev/null
  done
fi
