// qpack: makes the package stream that a launcher carries as its IDR_PACKAGE resource.
//
//   qpack package --launch NAME --output FILE [--level N] [--extreme] (FOLDER | FILE...)
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "bundle_input.h"
#include "package_writer.h"

namespace {

constexpr int EXIT_USAGE = 2;
constexpr int EXIT_INPUT = 3;
constexpr int EXIT_OUTPUT = 4;

int Usage() {
  std::fputs("usage: qpack package --launch NAME --output FILE [--level N] [--extreme] (FOLDER | FILE...)\n", stderr);
  return EXIT_USAGE;
}

bool WriteBeside(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string partial = path + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  return std::rename(partial.c_str(), path.c_str()) == 0;
}

int Package(const std::vector<std::string>& args) {
  std::string launch, output;
  PackageOptions options;
  std::vector<std::string> inputs;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--launch" && hasValue) launch = args[++i];
    else if (a == "--output" && hasValue) output = args[++i];
    else if (a == "--level" && hasValue) options.preset = static_cast<std::uint32_t>(std::stoul(args[++i]));
    else if (a == "--extreme") options.extreme = true;
    else if (a.rfind("--", 0) == 0) return Usage();
    else inputs.push_back(a);
  }
  if (launch.empty() || output.empty() || inputs.empty() || options.preset > 9) return Usage();

  BundleInput input;
  const std::string error = ReadBundleInput(inputs, launch, input);
  if (!error.empty()) {
    std::fprintf(stderr, "qpack: %s\n", error.c_str());
    return EXIT_INPUT;
  }
  const std::vector<std::uint8_t> bundle = EncodeBundle(input.files, input.launchIndex);
  const std::vector<std::uint8_t> package = EncodePackage(bundle.data(), bundle.size(), options);
  if (package.empty() || !WriteBeside(output, package)) {
    std::fprintf(stderr, "qpack: cannot write %s\n", output.c_str());
    return EXIT_OUTPUT;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::vector<std::string> args(argv + 2, argv + argc);
  try {
    if (std::strcmp(argv[1], "package") == 0) return Package(args);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "qpack: %s\n", e.what());
    return EXIT_USAGE;
  }
  return Usage();
}
