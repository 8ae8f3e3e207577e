#pragma once

#include <windows.h>

#include "system_calls.h"

// The whole run of the launcher: splash (only for an empty command line), three temporary names
// with the prefix "vek", the package written out of IDR_PACKAGE and decoded into the bundle file,
// the bundle extracted into a fresh directory, the launch entry started through the shell with
// `commandLine` as its parameters and waited for, and the directory removed again.
// Returns the process exit code (see exit_codes.h).
int RunSequence(HINSTANCE instance, const char* commandLine, const SystemCalls& system);
