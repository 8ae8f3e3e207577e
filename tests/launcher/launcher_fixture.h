#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bundle_writer.h"
#include "process_support.h"
#include "temp_dir.h"

namespace testing_support {

// What a launcher run left in its temporary directory: one line per object, "file <size>" or
// "dir [names...]", sorted, since the temporary names themselves are the system's choice.
std::vector<std::string> Leftovers(const std::filesystem::path& directory);

// A test area with a temporary directory and a current directory for the launcher, a record file
// for the probe, and the bundle that tests start from: five entries, the fourth the probe.
class LauncherTest : public ::testing::Test {
 protected:
  LauncherTest();

  std::vector<BundleFile> StandardFiles() const;
  Bytes PackageOf(const std::vector<BundleFile>& files, std::int32_t launchIndex) const;
  Bytes StandardPackage() const { return PackageOf(StandardFiles(), 3); }

  // A copy of the launcher carrying `package`, at `name` in the test area.
  std::string Variant(const Bytes& package, const std::string& name = "launcher.exe") const;

  struct Run {
    unsigned long exitCode = 0;
    double seconds = 0;
    bool probeRan = false;
    ProbeRecord record;
  };
  Run Start(const std::string& launcher, const std::string& commandLine,
            std::map<std::string, std::string> environment = {}, const std::string& tempDirectory = {},
            bool dismissDialogs = false) const;

  // The parameters the probe was given: its command line after its own name.
  static std::string ProbeParameters(const ProbeRecord& record);

  TempDir area_;
  std::filesystem::path temp_ = area_.path() / "tmp";
  std::filesystem::path current_ = area_.path() / "cwd";
  std::string record_ = area_.Child("record.txt");
  Bytes probe_;
};

}  // namespace testing_support
