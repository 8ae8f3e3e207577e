#include "entry_name.h"

#include <cctype>
#include <cstring>

namespace {

constexpr std::size_t MAX_NAME_LENGTH = PATH_BUFFER_SIZE - 1;

bool IsForbiddenByte(unsigned char c) {
  return c < 32 || std::strchr("\\/:*?\"<>|", c) != nullptr;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view upper) {
  if (a.size() != upper.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != upper[i]) return false;
  }
  return true;
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 name devices on Windows, whatever extension follows and
// with trailing blanks before it.
bool IsReservedDeviceName(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
    if (EqualsIgnoringCase(stem, device)) return true;
  }
  if (stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9') {
    return EqualsIgnoringCase(stem.substr(0, 3), "COM") || EqualsIgnoringCase(stem.substr(0, 3), "LPT");
  }
  return false;
}

}  // namespace

bool IsSafeEntryName(std::string_view name) {
  if (name.empty() || name.size() > MAX_NAME_LENGTH) return false;
  if (name == "." || name == "..") return false;
  for (char c : name) {
    if (IsForbiddenByte(static_cast<unsigned char>(c))) return false;
  }
  return !IsReservedDeviceName(name);
}

bool ComposeEntryPath(const char* directory, std::string_view name, char (&path)[PATH_BUFFER_SIZE]) {
  std::memset(path, 0, sizeof path);
  const std::size_t dirLength = std::strlen(directory);
  if (dirLength == 0) return false;
  const bool needsSeparator = directory[dirLength - 1] != PATH_SEPARATOR;
  const std::size_t total = dirLength + (needsSeparator ? 1 : 0) + name.size();
  if (total > PATH_BUFFER_SIZE - 1) return false;
  std::memcpy(path, directory, dirLength);
  std::size_t at = dirLength;
  if (needsSeparator) path[at++] = PATH_SEPARATOR;
  std::memcpy(path + at, name.data(), name.size());
  return true;
}
