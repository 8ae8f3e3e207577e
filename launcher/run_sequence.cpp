#include "run_sequence.h"

#include <cstring>

#include "decode_package.h"
#include "exit_codes.h"
#include "extract_bundle.h"
#include "package_file.h"
#include "paths.h"
#include "remove_tree.h"
#include "splash_window.h"

namespace {

constexpr char TEMP_PREFIX[] = "vek";

// Starts the launch entry with the shell's default verb, shown normally, in the launcher's own
// current directory, and waits for the process it reports, without a time limit.
void LaunchAndWait(const char* launchPath, const char* commandLine) {
  SHELLEXECUTEINFOA request;
  std::memset(&request, 0, sizeof request);
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_NOCLOSEPROCESS;
  request.lpFile = launchPath;
  request.lpParameters = commandLine;
  request.nShow = SW_SHOW;
  ShellExecuteExA(&request);
  if (request.hProcess != nullptr) {
    WaitForSingleObject(request.hProcess, INFINITE);
    CloseHandle(request.hProcess);
  }
}

// The launch path cut, in place, at its last backslash: what remains is the extraction directory.
void CutAtLastBackslash(char (&path)[PATH_BUFFER_SIZE]) {
  for (std::size_t i = std::strlen(path); i-- > 0;) {
    const bool backslash = path[i] == '\\';
    path[i] = '\0';
    if (backslash) break;
  }
}

}  // namespace

int RunSequence(HINSTANCE instance, const char* commandLine, const SystemCalls& system) {
  HWND splash = commandLine[0] == '\0' ? CreateSplashWindow(instance) : nullptr;

  char tempDirectory[PATH_BUFFER_SIZE] = {};
  if (system.getTempPath(PATH_BUFFER_SIZE, tempDirectory) == 0) return EXIT_NO_TEMP_PATH;

  char packageFile[PATH_BUFFER_SIZE] = {};
  if (system.getTempFileName(tempDirectory, TEMP_PREFIX, 0, packageFile) == 0) return EXIT_NO_TEMP_NAME;
  if (!WritePackageFile(packageFile)) return EXIT_PACKAGE_WRITE;

  char bundleFile[PATH_BUFFER_SIZE] = {};
  if (system.getTempFileName(tempDirectory, TEMP_PREFIX, 0, bundleFile) == 0) return EXIT_NO_TEMP_NAME;
  DecodePackage(packageFile, bundleFile);
  DeleteFileA(packageFile);

  // The third name becomes the directory. It must be ours: if the name cannot be turned into a new
  // directory (someone made it a directory first, or the disk refuses), nothing is extracted.
  char extractionDirectory[PATH_BUFFER_SIZE] = {};
  if (system.getTempFileName(tempDirectory, TEMP_PREFIX, 0, extractionDirectory) == 0) return EXIT_NO_TEMP_NAME;
  DeleteFileA(extractionDirectory);
  if (!CreateDirectoryA(extractionDirectory, nullptr)) return EXIT_ENTRY_CREATE;

  char launchPath[PATH_BUFFER_SIZE] = {};
  const int extracted = ExtractBundle(bundleFile, extractionDirectory, launchPath);
  if (extracted != EXIT_OK) return extracted;
  DeleteFileA(bundleFile);

  // A bundle that designates none of its entries has nothing to start: its files go again and
  // the run fails, since the setup program never ran.
  if (launchPath[0] == '\0') {
    RemoveTree(extractionDirectory);
    return EXIT_BUNDLE_MAGIC;
  }

  if (splash != nullptr) DestroyWindow(splash);
  LaunchAndWait(launchPath, commandLine);

  CutAtLastBackslash(launchPath);
  char cleanupDirectory[PATH_BUFFER_SIZE] = {};
  std::memcpy(cleanupDirectory, launchPath, PATH_BUFFER_SIZE);
  RemoveTree(cleanupDirectory);
  RemoveTree(cleanupDirectory);
  return EXIT_OK;
}
