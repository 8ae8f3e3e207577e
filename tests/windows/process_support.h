#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace testing_support {

// The directory that holds this test program and its sibling executables (launcher, probe).
std::string BinaryDirectory();

struct SpawnRequest {
  std::string application;   // full path of the program to start
  std::string commandLine;   // the exact process command line it gets
  std::string tempDirectory; // TMP and TEMP of the child
  std::string currentDirectory;
  std::map<std::string, std::string> environment;  // set on top of ours
  // Answers, as a person would with OK, every dialog box the child shows while it runs (the shell
  // reports a launch that fails in one).
  bool dismissDialogs = false;
  // Called about every 20 ms while the child runs, with its process id.
  std::function<void(unsigned long processId)> whileRunning;
};

struct SpawnResult {
  unsigned long exitCode = 0;
  double seconds = 0;  // from CreateProcessA to the end of the wait
};

// Starts the program with CreateProcessA and that literal command line, and waits for it.
SpawnResult Spawn(const SpawnRequest& request);

// Copies `launcher` to `target` and replaces its "PACKAGE" 105 resource by `package`.
void MakeLauncherVariant(const std::string& launcher, const std::string& target, const Bytes& package);

// The probe's record: each key with its values in order.
using ProbeRecord = std::map<std::string, std::vector<std::string>>;
ProbeRecord ReadProbeRecord(const std::string& path);

}  // namespace testing_support
