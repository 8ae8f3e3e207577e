#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One file of a bundle archive as its writer sees it.
struct BundleFile {
  std::string name;
  std::vector<std::uint8_t> data;
};

// The bundle archive of `files` in the given order, designating files[launchIndex] as the launch
// entry (launchFlag 1). The caller checks the names; this only lays out the bytes.
std::vector<std::uint8_t> EncodeBundle(const std::vector<BundleFile>& files, std::int32_t launchIndex);
