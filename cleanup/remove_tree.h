#pragma once

// Deletes the directory at `path` (no trailing backslash) with everything in it: depth-first, in
// the order the system lists entries, each file deleted when met, each subdirectory emptied and
// removed when met, the directory itself last. Returns 1 when the directory itself was removed,
// else 0. What cannot be deleted stays, and so does every directory above it.
//
// Paths are composed in 200-byte buffers; an entry whose path does not fit is left in place. A
// junction or symbolic link is removed as a link and never followed, so nothing outside `path`
// is ever deleted; under Wine, whose deletion would follow it, the link is left in place.
int RemoveTree(const char* path);
