#include "process_support.h"

#include <windows.h>

#include <chrono>
#include <cstring>
#include <stdexcept>

namespace testing_support {

std::string BinaryDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory(path);
  return directory.substr(0, directory.find_last_of('\\'));
}

namespace {

bool SameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// Our environment with TMP, TEMP and the request's variables replaced, as a CreateProcessA block.
std::string EnvironmentBlock(const SpawnRequest& request) {
  std::map<std::string, std::string> values = request.environment;
  values["TMP"] = request.tempDirectory;
  values["TEMP"] = request.tempDirectory;
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* at = strings; *at != '\0'; at += std::strlen(at) + 1) {
    const std::string entry(at);
    const std::size_t equals = entry.find('=', 1);
    const std::string name = entry.substr(0, equals);
    bool replaced = false;
    for (const auto& value : values) replaced = replaced || SameName(value.first, name);
    if (!replaced) block += entry + '\0';
  }
  FreeEnvironmentStringsA(strings);
  for (const auto& value : values) block += value.first + "=" + value.second + '\0';
  return block + '\0';
}

BOOL CALLBACK DismissDialogOf(HWND window, LPARAM processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner == static_cast<DWORD>(processId) && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) {
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

void WaitFor(const PROCESS_INFORMATION& process, const SpawnRequest& request) {
  if (!request.dismissDialogs && !request.whileRunning) {
    WaitForSingleObject(process.hProcess, INFINITE);
    return;
  }
  do {
    if (request.dismissDialogs) EnumWindows(DismissDialogOf, static_cast<LPARAM>(process.dwProcessId));
    if (request.whileRunning) request.whileRunning(process.dwProcessId);
  } while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT);
}

}  // namespace

SpawnResult Spawn(const SpawnRequest& request) {
  std::string environment = EnvironmentBlock(request);
  std::vector<char> commandLine(request.commandLine.begin(), request.commandLine.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const auto start = std::chrono::steady_clock::now();
  if (!CreateProcessA(request.application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, &environment[0],
                      request.currentDirectory.empty() ? nullptr : request.currentDirectory.c_str(), &startup,
                      &process)) {
    throw std::runtime_error("CreateProcessA failed for " + request.application);
  }
  WaitFor(process, request);
  SpawnResult result;
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  GetExitCodeProcess(process.hProcess, &result.exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

void MakeLauncherVariant(const std::string& launcher, const std::string& target, const Bytes& package) {
  if (!CopyFileA(launcher.c_str(), target.c_str(), FALSE)) throw std::runtime_error("cannot copy " + launcher);
  HANDLE update = BeginUpdateResourceA(target.c_str(), FALSE);
  if (update == nullptr) throw std::runtime_error("cannot update " + target);
  const BOOL changed = UpdateResourceA(update, "PACKAGE", MAKEINTRESOURCEA(105), 0,
                                       const_cast<std::uint8_t*>(package.data()), static_cast<DWORD>(package.size()));
  if (!changed || !EndUpdateResourceA(update, FALSE)) throw std::runtime_error("cannot bind a package into " + target);
}

ProbeRecord ReadProbeRecord(const std::string& path) {
  ProbeRecord record;
  const Bytes bytes = ReadBytes(path);
  const std::string text(bytes.begin(), bytes.end());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t space = text.find(' ', at);
    const std::size_t colon = text.find(':', space);
    const std::size_t length = std::stoul(text.substr(space + 1, colon - space - 1));
    record[text.substr(at, space - at)].push_back(text.substr(colon + 1, length));
    at = colon + 1 + length + 1;
  }
  return record;
}

}  // namespace testing_support
