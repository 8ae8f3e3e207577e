#include "temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace testing_support {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = fs::temp_directory_path() / ("qlt-" + std::to_string(random()) + std::to_string(random() % 1000));
    if (fs::create_directory(path_)) return;
  }
  throw std::runtime_error("cannot make a temporary directory");
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void WriteBytes(const fs::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

Bytes ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::map<std::string, Bytes> ListFiles(const fs::path& directory) {
  std::map<std::string, Bytes> files;
  for (const auto& entry : fs::directory_iterator(directory)) {
    files[entry.path().filename().string()] = entry.is_regular_file() ? ReadBytes(entry.path()) : Bytes{};
  }
  return files;
}

Bytes SampleData(std::size_t size, std::uint32_t seed, std::size_t reach) {
  Bytes out;
  out.reserve(size);
  std::uint32_t state = seed * 2654435761u + 1;
  auto next = [&] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  static const std::string text = "MZ This program cannot be run in DOS mode. kernel32.dll GetProcAddress ";
  while (out.size() < size) {
    const std::uint32_t kind = next() % 4;
    const std::size_t run = 16 + next() % 512;
    for (std::size_t i = 0; i < run && out.size() < size; ++i) {
      if (kind == 0) out.push_back(static_cast<std::uint8_t>(next()));
      else if (kind == 1) out.push_back(static_cast<std::uint8_t>(text[i % text.size()]));
      else if (kind == 2) out.push_back(0);
      else if (reach != 0 && out.size() > reach) out.push_back(out[out.size() - reach]);
      else out.push_back(static_cast<std::uint8_t>(next() & 0x0F));
    }
  }
  return out;
}

}  // namespace testing_support
