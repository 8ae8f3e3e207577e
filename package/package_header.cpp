#include "package_header.h"

PackageHeader ParsePackageHeader(const std::uint8_t (&bytes)[PACKAGE_HEADER_SIZE]) {
  PackageHeader header;
  header.properties = bytes[0];
  for (int i = 0; i < 4; ++i) header.dictionarySize |= std::uint32_t{bytes[1 + i]} << (8 * i);
  for (int i = 0; i < 8; ++i) header.uncompressedSize |= std::uint64_t{bytes[5 + i]} << (8 * i);
  return header;
}

void SerializePackageHeader(const PackageHeader& header, std::uint8_t (&bytes)[PACKAGE_HEADER_SIZE]) {
  bytes[0] = header.properties;
  for (int i = 0; i < 4; ++i) bytes[1 + i] = static_cast<std::uint8_t>(header.dictionarySize >> (8 * i));
  for (int i = 0; i < 8; ++i) bytes[5 + i] = static_cast<std::uint8_t>(header.uncompressedSize >> (8 * i));
}

LzmaProperties SplitProperties(std::uint8_t properties) {
  LzmaProperties split;
  split.pb = properties / 45u;
  const unsigned rest = properties - 45u * split.pb;
  split.lp = rest / 9u;
  split.lc = rest - 9u * split.lp;
  return split;
}

std::uint8_t PackProperties(const LzmaProperties& split) {
  return static_cast<std::uint8_t>((split.pb * 5 + split.lp) * 9 + split.lc);
}
