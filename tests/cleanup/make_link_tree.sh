#!/usr/bin/env bash
# Lays out, for the link case of the removal tests, a tree holding a Unix symbolic link to a
# directory outside it with a canary file. Wine shows such a link as a directory that carries
# FILE_ATTRIBUTE_REPARSE_POINT; its own CreateSymbolicLinkA makes nothing. (A link to a file shows
# in Wine as a plain file, with nothing that tells it from one, so it is not laid here.)
set -euo pipefail
area=$1
rm -rf "$area"
mkdir -p "$area/tree/sub" "$area/outside/inner"
echo canary >"$area/outside/canary.txt"
echo inner >"$area/outside/inner/deep.txt"
echo a >"$area/tree/a.txt"
echo b >"$area/tree/sub/b.txt"
ln -s ../outside "$area/tree/dirlink"
