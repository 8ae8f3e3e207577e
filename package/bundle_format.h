#pragma once

#include <cstddef>
#include <cstdint>

// The bundle archive: a 15-byte header, then entryCount entries, each a 32-bit name length, the
// name bytes, a 32-bit data size and the data bytes. All integers are little-endian.
constexpr char BUNDLE_MAGIC[3] = {'H', 'E', 'N'};
constexpr std::size_t BUNDLE_HEADER_SIZE = 15;

struct BundleHeader {
  std::int32_t entryCount = 0;   // 0 or less: no entries
  std::uint32_t launchFlag = 0;  // only zero versus non-zero counts
  std::int32_t launchIndex = -1; // 0-based, in archive order
};

// The fixed-size parts of one entry; the name and the data follow each length in the archive.
struct BundleEntry {
  std::uint32_t nameLength = 0;
  std::uint32_t dataSize = 0;
};
