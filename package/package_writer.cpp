#include "package_writer.h"

#include <lzma.h>

#include <algorithm>

#include "little_endian.h"
#include "lzma_decoder.h"

std::vector<std::uint8_t> EncodePackage(const std::uint8_t* bundle, std::size_t size, const PackageOptions& options) {
  lzma_options_lzma lzma{};
  if (lzma_lzma_preset(&lzma, options.preset | (options.extreme ? LZMA_PRESET_EXTREME : 0))) return {};
  if (options.dictionarySize != 0) {
    lzma.dict_size = std::max(options.dictionarySize, MIN_DICTIONARY_SIZE);
  } else if (size < lzma.dict_size) {
    // A window larger than the data buys nothing and costs the encoder memory.
    lzma.dict_size = std::max(static_cast<std::uint32_t>(size), MIN_DICTIONARY_SIZE);
  }
  lzma.lc = options.properties.lc;
  lzma.lp = options.properties.lp;
  lzma.pb = options.properties.pb;
  lzma.ext_flags = options.endMarker ? LZMA_LZMA1EXT_ALLOW_EOPM : 0;
  lzma_set_ext_size(lzma, size);
  const lzma_filter filters[] = {{LZMA_FILTER_LZMA1EXT, &lzma}, {LZMA_VLI_UNKNOWN, nullptr}};

  PackageHeader header;
  header.properties = PackProperties(options.properties);
  header.dictionarySize = lzma.dict_size;
  header.uncompressedSize = size;
  std::vector<std::uint8_t> out(PACKAGE_HEADER_SIZE + lzma_stream_buffer_bound(size) + 64);
  std::uint8_t headerBytes[PACKAGE_HEADER_SIZE];
  SerializePackageHeader(header, headerBytes);
  std::copy(std::begin(headerBytes), std::end(headerBytes), out.begin());

  std::size_t written = PACKAGE_HEADER_SIZE;
  if (lzma_raw_buffer_encode(filters, nullptr, bundle, size, out.data(), &written, out.size()) != LZMA_OK) return {};
  out.resize(written);
  if (options.trailer) {
    const auto before = static_cast<std::uint32_t>(out.size());
    AppendU32(out, 0);
    AppendU32(out, before);
  }
  return out;
}
