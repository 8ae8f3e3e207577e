#include "remove_tree.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "directory_search.h"

namespace {

constexpr std::size_t REMOVE_BUFFER_SIZE = 200;

// Formats into a 200-byte buffer; false when the result would not fit.
template <typename... Args>
bool Compose(char (&buffer)[REMOVE_BUFFER_SIZE], const char* format, Args... args) {
  const int length = std::snprintf(buffer, sizeof buffer, format, args...);
  return length >= 0 && static_cast<std::size_t>(length) < sizeof buffer;
}

// Wine's file deletion follows a symbolic link and deletes what it points at; Windows deletes
// the link itself.
bool DeletionFollowsLinks() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Removes a link found in the tree as the link itself, never what it points at. Where deleting
// would reach the target instead, the link stays (and so does its directory).
void RemoveLink(const char* linkPath, bool isDirectoryLink) {
  if (DeletionFollowsLinks()) return;
  if (isDirectoryLink) {
    RemoveDirectoryA(linkPath);
  } else {
    DeleteFileA(linkPath);
  }
}

}  // namespace

int RemoveTree(const char* path) {
  DirectorySearch search;
  char pattern[REMOVE_BUFFER_SIZE] = {};
  if (Compose(pattern, "%s\\*.*", path) && search.FindFile(pattern)) {
    bool more = true;
    while (more) {
      more = search.FindNextFile();
      if (search.IsDots()) continue;

      const std::string fileName = search.FileName();
      char name[REMOVE_BUFFER_SIZE] = {};
      if (fileName.size() >= sizeof name) continue;  // too long for the buffers: it stays
      std::memcpy(name, fileName.c_str(), fileName.size() + 1);

      char entryPath[REMOVE_BUFFER_SIZE] = {};
      if (!Compose(entryPath, "%s\\%s", path, name)) continue;
      if (search.IsReparsePoint()) {
        RemoveLink(entryPath, search.IsDirectory());
      } else if (search.IsDirectory()) {
        RemoveTree(entryPath);
      } else {
        DeleteFileA(entryPath);
      }
    }
  }
  search.Close();
  return RemoveDirectoryA(path) ? 1 : 0;
}
