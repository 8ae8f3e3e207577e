#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "package_header.h"

struct PackageOptions {
  std::uint32_t preset = 9;          // liblzma preset level, 0 to 9
  bool extreme = false;              // liblzma's slower "extreme" variant of the preset
  std::uint32_t dictionarySize = 0;  // 0: the preset's, shrunk to the data when they are smaller
  LzmaProperties properties{3, 0, 2};
  bool endMarker = false;            // write LZMA's end marker after the data
  bool trailer = true;               // append the 8-byte trailer: 4 zero bytes, then 13 + data length
};

// Compresses `bundle` into a package stream: the 13-byte header with the exact size, the raw
// LZMA1 data and, by default, the trailer. Returns an empty vector when liblzma refuses the options
// or runs out of memory.
std::vector<std::uint8_t> EncodePackage(const std::uint8_t* bundle, std::size_t size, const PackageOptions& options);
