#pragma once

#include <windows.h>

#include <functional>

// The system calls whose failures the run sequence must handle but a test cannot provoke on a
// real system; WinMain passes the real ones.
struct SystemCalls {
  std::function<DWORD(DWORD, LPSTR)> getTempPath = GetTempPathA;
  std::function<UINT(LPCSTR, LPCSTR, UINT, LPSTR)> getTempFileName = GetTempFileNameA;
};
