#pragma once

#include <windows.h>

#include <string>

// One search over a directory's entries, holding two of the system's find records: the current
// entry and the one fetched ahead of it.
class DirectorySearch {
 public:
  DirectorySearch() = default;
  ~DirectorySearch() { Close(); }
  DirectorySearch(const DirectorySearch&) = delete;
  DirectorySearch& operator=(const DirectorySearch&) = delete;

  // Closes any open search and fetches the first match of `pattern` ahead. False when nothing
  // matches or the directory cannot be listed; the system's error code is left as it was set.
  // There is no current entry yet.
  bool FindFile(const char* pattern);

  // Makes the entry fetched ahead the current one and fetches the next. Returns whether one more
  // entry follows the new current one, so a loop handles the current entry, the last included,
  // before it tests the result. False at once when no search is open.
  bool FindNextFile();

  bool IsDots() const;
  bool IsDirectory() const { return HasAttribute(FILE_ATTRIBUTE_DIRECTORY); }
  // A junction or symbolic link: removed as itself, never walked into.
  bool IsReparsePoint() const { return HasAttribute(FILE_ATTRIBUTE_REPARSE_POINT); }
  // The current entry's bare name; empty when there is none.
  std::string FileName() const;

  // Closes the system's search, if one is open; may be called at any time.
  void Close();

 private:
  bool HasAttribute(DWORD attribute) const { return hasCurrent_ && (current_.dwFileAttributes & attribute) != 0; }

  HANDLE handle_ = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA current_{};
  WIN32_FIND_DATAA lookAhead_{};
  bool hasCurrent_ = false;
  bool hasLookAhead_ = false;
};
