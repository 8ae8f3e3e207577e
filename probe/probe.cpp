// A stand-in setup program. It records what it was started with: its full command line, its
// current directory, its own path, and every file beside it with its size and a checksum, then
// waits and exits as its environment asks. Used as the launch entry of the tests, the demo and
// the benchmark.
//
// Environment:
//   PROBE_RECORD     where the record goes (default: probe-record.txt in the current directory)
//   PROBE_SLEEP_MS   how long to wait before writing the record and exiting
//   PROBE_EXIT_CODE  the exit code (default 0)
//   PROBE_LEAVE_FILE the name of a file to create beside itself, which the launcher must remove
//
// Record format: one line per item, "key length:value", the value taken byte for byte.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string Environment(const char* name) {
  char value[1024] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::uint32_t Checksum(const std::string& path) {
  std::uint32_t hash = 2166136261u;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  std::string buffer(1 << 16, '\0');
  DWORD got = 0;
  while (ReadFile(file, &buffer[0], static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) {
    for (DWORD i = 0; i < got; ++i) hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 16777619u;
  }
  CloseHandle(file);
  return hash;
}

void Put(std::string& record, const std::string& key, const std::string& value) {
  record += key + " " + std::to_string(value.size()) + ":" + value + "\n";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  FILETIME started;
  GetSystemTimeAsFileTime(&started);
  std::string record;
  Put(record, "started", std::to_string((std::uint64_t{started.dwHighDateTime} << 32) | started.dwLowDateTime));
  Put(record, "commandline", GetCommandLineA());

  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  Put(record, "cwd", directory);

  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  Put(record, "self", self);
  std::string besides(self);
  besides.resize(besides.find_last_of('\\') + 1);

  const std::string leave = Environment("PROBE_LEAVE_FILE");
  if (!leave.empty()) {
    HANDLE file = CreateFileA((besides + leave).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }

  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((besides + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const std::uint64_t size = (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
      Put(record, "file", std::string(found.cFileName) + " " + std::to_string(size) + " " +
                              std::to_string(Checksum(besides + found.cFileName)));
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }

  const std::string sleep = Environment("PROBE_SLEEP_MS");
  if (!sleep.empty()) Sleep(static_cast<DWORD>(std::strtoul(sleep.c_str(), nullptr, 10)));
  Put(record, "finished", "yes");

  std::string target = Environment("PROBE_RECORD");
  if (target.empty()) target = "probe-record.txt";
  HANDLE out = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(out, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(out);
  }
  return static_cast<int>(std::strtol(Environment("PROBE_EXIT_CODE").c_str(), nullptr, 10));
}
