#include "directory_search.h"

#include <cstring>

bool DirectorySearch::FindFile(const char* pattern) {
  Close();
  handle_ = FindFirstFileA(pattern, &lookAhead_);
  if (handle_ == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    Close();
    SetLastError(error);
    return false;
  }
  hasLookAhead_ = true;
  return true;
}

bool DirectorySearch::FindNextFile() {
  if (handle_ == INVALID_HANDLE_VALUE || !hasLookAhead_) return false;
  current_ = lookAhead_;
  hasCurrent_ = true;
  hasLookAhead_ = ::FindNextFileA(handle_, &lookAhead_) != FALSE;
  return hasLookAhead_;
}

bool DirectorySearch::IsDots() const {
  return IsDirectory() && (std::strcmp(current_.cFileName, ".") == 0 || std::strcmp(current_.cFileName, "..") == 0);
}

std::string DirectorySearch::FileName() const { return hasCurrent_ ? std::string(current_.cFileName) : std::string(); }

void DirectorySearch::Close() {
  if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  hasCurrent_ = false;
  hasLookAhead_ = false;
}
