#include "extract_bundle.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "bundle_format.h"
#include "entry_name.h"
#include "exit_codes.h"
#include "stream_file.h"

namespace {


std::uint64_t FileSize(std::FILE* file) {
#ifdef _WIN32
  struct _stat64 info {};
  return _fstat64(_fileno(file), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
#else
  struct stat info {};
  return fstat(fileno(file), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
#endif
}

// Forward-only reads from the bundle stream that know how many bytes the file still holds, so a
// length field that points past the end is seen before anything is allocated or written.
class BundleReader {
 public:
  explicit BundleReader(std::FILE* file) : file_(file), remaining_(FileSize(file)) {}

  bool Holds(std::uint64_t count) const { return count <= remaining_; }

  bool Read(void* destination, std::size_t count) {
    if (!Holds(count) || std::fread(destination, 1, count, file_) != count) return false;
    remaining_ -= count;
    return true;
  }

  bool ReadU32(std::uint32_t& value) {
    std::uint8_t bytes[4];
    if (!Read(bytes, sizeof bytes)) return false;
    value = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
            std::uint32_t{bytes[3]} << 24;
    return true;
  }

 private:
  std::FILE* file_;
  std::uint64_t remaining_;
};

bool ReadHeader(BundleReader& reader, BundleHeader& header) {
  std::uint32_t count = 0;
  std::uint32_t index = 0;
  if (!reader.ReadU32(count) || !reader.ReadU32(header.launchFlag) || !reader.ReadU32(index)) return false;
  header.entryCount = static_cast<std::int32_t>(count);
  header.launchIndex = static_cast<std::int32_t>(index);
  return true;
}

// Reads the current entry's data and writes it to the already created `entryPath`. Returns
// EXIT_OK, or the code to end with after removing the incomplete file.
int WriteEntryData(BundleReader& reader, StreamFile entryFile, const char* entryPath) {
  auto fail = [&](int code) {
    entryFile.reset();
    std::remove(entryPath);
    return code;
  };
  BundleEntry entry;
  if (!reader.ReadU32(entry.dataSize) || !reader.Holds(entry.dataSize)) return fail(EXIT_BUNDLE_MAGIC);
  if (entry.dataSize > 0) {
    std::unique_ptr<std::uint8_t[]> data(new (std::nothrow) std::uint8_t[entry.dataSize]);
    if (!data) return fail(EXIT_ENTRY_CREATE);
    if (!reader.Read(data.get(), entry.dataSize)) return fail(EXIT_BUNDLE_MAGIC);
    if (std::fwrite(data.get(), 1, entry.dataSize, entryFile.get()) != entry.dataSize) {
      return fail(EXIT_ENTRY_CREATE);
    }
  }
  if (std::fclose(entryFile.release()) != 0) {
    std::remove(entryPath);
    return EXIT_ENTRY_CREATE;
  }
  return EXIT_OK;
}

}  // namespace

int ExtractBundle(const char* bundleFile, const char* extractionDirectory, char (&launchPath)[PATH_BUFFER_SIZE]) {
  char directory[PATH_BUFFER_SIZE] = {};
  const std::size_t directoryLength = strnlen(extractionDirectory, PATH_BUFFER_SIZE);
  if (directoryLength < PATH_BUFFER_SIZE) std::memcpy(directory, extractionDirectory, directoryLength);

  StreamFile bundle(std::fopen(bundleFile, "rb+"));
  if (!bundle) return EXIT_BUNDLE_OPEN;
  BundleReader reader(bundle.get());

  char magic[sizeof BUNDLE_MAGIC] = {};
  if (!reader.Read(magic, sizeof magic) || std::memcmp(magic, BUNDLE_MAGIC, sizeof magic) != 0) {
    return EXIT_BUNDLE_MAGIC;
  }
  BundleHeader header;
  if (!ReadHeader(reader, header)) return EXIT_BUNDLE_MAGIC;

  for (std::int32_t i = 0; i < header.entryCount; ++i) {
    BundleEntry entry;
    if (!reader.ReadU32(entry.nameLength)) return EXIT_BUNDLE_MAGIC;
    if (entry.nameLength >= PATH_BUFFER_SIZE) return EXIT_ENTRY_CREATE;
    char name[PATH_BUFFER_SIZE] = {};
    if (!reader.Read(name, entry.nameLength)) return EXIT_BUNDLE_MAGIC;

    // A zero byte inside the name ends it; the bytes after it have been consumed and are ignored.
    const std::string_view bareName(name, std::strlen(name));
    char entryPath[PATH_BUFFER_SIZE];
    if (!IsSafeEntryName(bareName) || !ComposeEntryPath(directory, bareName, entryPath)) {
      return EXIT_ENTRY_CREATE;
    }
    if (header.launchFlag != 0 && i == header.launchIndex) std::memcpy(launchPath, entryPath, PATH_BUFFER_SIZE);

    StreamFile entryFile(std::fopen(entryPath, "wb+"));
    if (!entryFile) return EXIT_ENTRY_CREATE;
    const int written = WriteEntryData(reader, std::move(entryFile), entryPath);
    if (written != EXIT_OK) return written;
  }
  return EXIT_OK;
}
