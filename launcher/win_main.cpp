#include <windows.h>

#include "command_line.h"
#include "dll_search.h"
#include "run_sequence.h"

namespace {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace

// The start-up code's own command line is not used: it ends an unquoted name at the first byte
// above 127 and lets quotes inside the name pair up, so the launcher derives its command line
// from the process command line itself.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RestrictDllSearchToSystem();
  const char* commandLine = CommandLineTail(GetCommandLineA(), IsAnsiLeadByte);
  return RunSequence(instance, commandLine, SystemCalls{});
}
