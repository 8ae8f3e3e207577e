#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

using Bytes = std::vector<std::uint8_t>;

// A fresh directory under the system's temporary directory, removed with all it holds at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string Child(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& file, const Bytes& bytes);
Bytes ReadBytes(const std::filesystem::path& file);
Bytes ToBytes(const std::string& text);

// The regular files directly inside `directory`, by name, with their contents.
std::map<std::string, Bytes> ListFiles(const std::filesystem::path& directory);

// Deterministic data that compresses like program files: runs of pseudo-random bytes, repeated
// text and zeros, with some repeats `reach` bytes back.
Bytes SampleData(std::size_t size, std::uint32_t seed, std::size_t reach = 0);

}  // namespace testing_support
