#pragma once

#include "paths.h"

// Writes every entry of the bundle archive in `bundleFile` as a file into `extractionDirectory`,
// reading the archive once, forward, one entry's data in memory at a time.
//
// Returns EXIT_OK, or:
//   EXIT_BUNDLE_OPEN  the bundle file cannot be opened;
//   EXIT_BUNDLE_MAGIC it does not begin with "HEN", or ends before the header, an entry or the
//                     declared number of entries is complete;
//   EXIT_ENTRY_CREATE an entry's name is not a safe bare name (see IsSafeEntryName) or its path
//                     would not fit, its file cannot be created, its data cannot be held in
//                     memory, or its file cannot be written and closed in full.
// On a failure the entry files written before stay, complete; the failing entry leaves no file.
//
// When the archive designates an entry it holds (launchFlag non-zero, launchIndex from 0 to
// entryCount - 1), that entry's path is written into `launchPath`; otherwise it is left untouched.
int ExtractBundle(const char* bundleFile, const char* extractionDirectory, char (&launchPath)[PATH_BUFFER_SIZE]);
