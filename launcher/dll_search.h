#pragma once

// Limits where the process looks for DLLs it loads from now on to the system directory, so that a
// DLL planted beside the launcher (a downloads folder holds files it did not choose) is never
// loaded. Uses SetDefaultDllDirectories where the system has it, and always drops the current
// directory from the search.
void RestrictDllSearchToSystem();
