#include "bundle_input.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "entry_name.h"

namespace fs = std::filesystem;

namespace {

std::string Folded(const std::string& name) {
  std::string out = name;
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::vector<fs::path> ListInputs(const std::vector<std::string>& inputs, std::string& error) {
  if (inputs.size() == 1 && fs::is_directory(inputs[0])) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(inputs[0])) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename().string() < b.filename().string(); });
    return files;
  }
  std::vector<fs::path> files;
  for (const std::string& input : inputs) {
    if (!fs::is_regular_file(input)) {
      error = input + ": not a regular file (give one folder, or a list of files)";
      return {};
    }
    files.emplace_back(input);
  }
  return files;
}

}  // namespace

std::string ReadBundleInput(const std::vector<std::string>& inputs, const std::string& launchName, BundleInput& out) {
  std::string error;
  const std::vector<fs::path> paths = ListInputs(inputs, error);
  if (!error.empty()) return error;
  if (paths.empty()) return "no files to bundle";

  std::set<std::string> seen;
  for (const fs::path& path : paths) {
    const std::string name = path.filename().string();
    if (!IsSafeEntryName(name)) {
      return path.string() + ": the name cannot be a bare file name on Windows (1 to 259 bytes, no \\ / : * ? \" < > |, "
                             "no control characters, not . or .., not a device name such as CON or NUL)";
    }
    if (!seen.insert(Folded(name)).second) return path.string() + ": a second file named " + name + " (letter case ignored)";
    std::ifstream in(path, std::ios::binary);
    BundleFile file{name, std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
    if (!in && !in.eof()) return path.string() + ": cannot be read";
    if (name == launchName) out.launchIndex = static_cast<int>(out.files.size());
    out.files.push_back(std::move(file));
  }
  if (out.launchIndex < 0) return "the launch entry " + launchName + " is not among the files";
  return {};
}
