#pragma once

#include <string>
#include <vector>

#include "bundle_writer.h"

// The files that go into a bundle, read from the command line's inputs: a single folder (its
// regular files, sorted by name) or a list of files (in the order given).
struct BundleInput {
  std::vector<BundleFile> files;
  int launchIndex = -1;
};

// Reads the inputs and checks them as the launcher will: safe bare names, unique also when letter
// case is ignored, and the launch entry among them. Returns an empty string on success, else a
// message naming the offending file.
std::string ReadBundleInput(const std::vector<std::string>& inputs, const std::string& launchName, BundleInput& out);
