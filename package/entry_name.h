#pragma once

#include <cstddef>
#include <string_view>

#include "paths.h"

// Whether `name` may become a file directly inside the extraction directory on every platform:
// 1 to 259 bytes, no control byte, none of \ / : * ? " < > |, not "." or "..", and not a device
// name that Windows reserves (CON, NUL, COM1, ... also with an extension).
bool IsSafeEntryName(std::string_view name);

// Writes `directory`, a separator (none when the directory already ends with one) and `name` into
// the zero-filled `path`. Returns false, leaving `path` all zeros, when the directory is empty or
// the result would not fit.
bool ComposeEntryPath(const char* directory, std::string_view name, char (&path)[PATH_BUFFER_SIZE]);
