#pragma once

// Expands the package stream in `packageFile` into the bundle archive in `bundleFile`.
//
// Reports nothing: on return both files are closed and the bundle file holds exactly the bytes a
// decoder with the whole output as its window produces (the declared size, or the bytes before an
// end marker), or is empty when the stream cannot be decoded in full. It is also left empty for a
// package file that cannot be read or is shorter than its header, a declared size of 4 GiB or more,
// a properties byte of 225 or more, and when memory runs out or the bundle file cannot be written.
void DecodePackage(const char* packageFile, const char* bundleFile);
