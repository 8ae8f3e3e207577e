#pragma once

#include <cstddef>
#include <cstdint>

// The 13-byte header that opens a package stream (the .lzma header): the properties byte, the
// encoder's dictionary size and the exact size of the bundle archive, all little-endian.
constexpr std::size_t PACKAGE_HEADER_SIZE = 13;

struct PackageHeader {
  std::uint8_t properties = 0;
  std::uint32_t dictionarySize = 0;
  std::uint64_t uncompressedSize = 0;
};

// The literal context, literal position and position bits packed into `properties` as
// (pb * 5 + lp) * 9 + lc. The split refuses nothing: 225 and above give pb 5.
struct LzmaProperties {
  unsigned lc = 0;
  unsigned lp = 0;
  unsigned pb = 0;
};

PackageHeader ParsePackageHeader(const std::uint8_t (&bytes)[PACKAGE_HEADER_SIZE]);
void SerializePackageHeader(const PackageHeader& header, std::uint8_t (&bytes)[PACKAGE_HEADER_SIZE]);
LzmaProperties SplitProperties(std::uint8_t properties);
std::uint8_t PackProperties(const LzmaProperties& split);
