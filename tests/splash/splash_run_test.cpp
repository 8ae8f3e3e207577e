// The splash step inside a whole launcher run: only an empty command line makes the window, and
// the fade ends before the first temporary file exists.
#include <windows.h>

#include <chrono>

#include "launcher_fixture.h"
#include "package_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Clock = std::chrono::steady_clock;

struct SplashRunCase {
  std::string commandLine;
  bool window;
  double firstFileAfter;  // seconds from the start to the first temporary file, at least
};

void PrintTo(const SplashRunCase& c, std::ostream* out) { *out << '"' << c.commandLine << '"'; }

BOOL CALLBACK FindSplash(HWND window, LPARAM found) {
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  if (lstrcmpA(text, "Quorbel Liraset Install Wizard") == 0) *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

class SplashRuns : public LauncherTest, public ::testing::WithParamInterface<SplashRunCase> {};

TEST_P(SplashRuns, ShowTheWindowOnlyForAnEmptyCommandLine) {
  // A large entry keeps the launcher busy unpacking for a moment after the fade.
  std::vector<BundleFile> files = StandardFiles();
  files.push_back({"large.bin", SampleData(12u << 20, 9)});
  const Bytes package = PackageOf(files, 3);

  bool windowSeen = false;
  double firstFile = -1;
  const Clock::time_point start = Clock::now();
  SpawnRequest request{Variant(package), GetParam().commandLine, temp_.string(), current_.string(),
                       {{"PROBE_RECORD", record_}}, false, {}};
  request.whileRunning = [&](unsigned long) {
    EnumWindows(FindSplash, reinterpret_cast<LPARAM>(&windowSeen));
    if (firstFile < 0 && !fs::is_empty(temp_)) {
      firstFile = std::chrono::duration<double>(Clock::now() - start).count();
    }
  };
  EXPECT_EQ(Spawn(request).exitCode, 1ul);
  EXPECT_EQ(windowSeen, GetParam().window);
  EXPECT_GE(firstFile, GetParam().firstFileAfter);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, SplashRuns,
                         ::testing::Values(SplashRunCase{"launcher.exe", true, 1.0},
                                           SplashRunCase{"launcher.exe /S", false, 0.0}));

}  // namespace
