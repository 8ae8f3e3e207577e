#pragma once

// Writes the bytes of the launcher's own IDR_PACKAGE resource into `packageFile`. Returns false
// when the file cannot be opened for writing, when the resource is missing, or when the write falls
// short; in the last two cases the file is deleted again.
bool WritePackageFile(const char* packageFile);
