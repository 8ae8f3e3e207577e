#include "package_file.h"

#include <windows.h>

#include "resource.h"

namespace {

constexpr char PACKAGE_TYPE[] = "PACKAGE";

}  // namespace

bool WritePackageFile(const char* packageFile) {
  HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_PACKAGE), PACKAGE_TYPE);
  const DWORD length = resource ? SizeofResource(nullptr, resource) : 0;
  HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;

  HANDLE file = CreateFileA(packageFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool complete = bytes != nullptr && WriteFile(file, bytes, length, &written, nullptr) && written == length;
  const bool closed = CloseHandle(file) != FALSE;
  if (complete && closed) return true;
  DeleteFileA(packageFile);
  return false;
}
