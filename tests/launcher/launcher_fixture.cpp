#include "launcher_fixture.h"

#include <windows.h>

#include <algorithm>

#include "command_line.h"
#include "package_writer.h"

namespace testing_support {

namespace fs = std::filesystem;

std::vector<std::string> Leftovers(const fs::path& directory) {
  std::vector<std::string> out;
  if (!fs::exists(directory)) return out;
  for (const auto& entry : fs::directory_iterator(directory)) {
    if (entry.is_directory()) {
      std::string names;
      for (const auto& inner : ListFiles(entry.path())) names += (names.empty() ? "" : " ") + inner.first;
      out.push_back("dir [" + names + "]");
    } else {
      out.push_back("file " + std::to_string(entry.file_size()));
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

LauncherTest::LauncherTest() : probe_(ReadBytes(BinaryDirectory() + "\\probe.exe")) {
  fs::create_directory(temp_);
  fs::create_directory(current_);
}

std::vector<BundleFile> LauncherTest::StandardFiles() const {
  return {{"readme.txt", ToBytes("Read me first.\r\n")},
          {"engine.dll", SampleData(150000, 3)},
          {"empty.dat", {}},
          {"setup.exe", probe_},
          {"data.cab", SampleData(40000, 4)}};
}

Bytes LauncherTest::PackageOf(const std::vector<BundleFile>& files, std::int32_t launchIndex) const {
  const Bytes bundle = EncodeBundle(files, launchIndex);
  PackageOptions options;
  options.preset = 1;
  return EncodePackage(bundle.data(), bundle.size(), options);
}

std::string LauncherTest::Variant(const Bytes& package, const std::string& name) const {
  const fs::path target = area_.path() / name;
  fs::create_directories(target.parent_path());
  MakeLauncherVariant(BinaryDirectory() + "\\launcher.exe", target.string(), package);
  return target.string();
}

LauncherTest::Run LauncherTest::Start(const std::string& launcher, const std::string& commandLine,
                                      std::map<std::string, std::string> environment,
                                      const std::string& tempDirectory, bool dismissDialogs) const {
  environment["PROBE_RECORD"] = record_;
  SpawnRequest request{launcher, commandLine, tempDirectory.empty() ? temp_.string() : tempDirectory,
                       current_.string(), environment, dismissDialogs, {}};
  const SpawnResult spawned = Spawn(request);
  Run run;
  run.exitCode = spawned.exitCode;
  run.seconds = spawned.seconds;
  run.probeRan = fs::exists(record_);
  if (run.probeRan) run.record = ReadProbeRecord(record_);
  return run;
}

std::string LauncherTest::ProbeParameters(const ProbeRecord& record) {
  const std::string& line = record.at("commandline").at(0);
  return CommandLineTail(line.c_str(), [](unsigned char c) { return IsDBCSLeadByte(c) != FALSE; });
}

}  // namespace testing_support
