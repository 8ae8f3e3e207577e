#include "command_line.h"

namespace {

bool IsBlank(unsigned char c) { return c >= 1 && c <= 32; }

}  // namespace

const char* CommandLineTail(const char* processCommandLine, LeadBytePredicate isLeadByte) {
  const char* at = processCommandLine;
  if (*at == '"') {
    ++at;
    while (*at != '\0' && *at != '"') {
      if (isLeadByte(static_cast<unsigned char>(*at)) && at[1] != '\0') ++at;
      ++at;
    }
    if (*at == '"') ++at;
  } else {
    while (static_cast<unsigned char>(*at) > 32) ++at;
  }
  while (IsBlank(static_cast<unsigned char>(*at))) ++at;
  return at;
}
