#include "dll_search.h"

#include <windows.h>

void RestrictDllSearchToSystem() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(
                                       GetProcAddress(kernel, "SetDefaultDllDirectories")))
                                 : nullptr;
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryA("");
}
