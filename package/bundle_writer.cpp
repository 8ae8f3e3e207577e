#include "bundle_writer.h"

#include "bundle_format.h"
#include "little_endian.h"

std::vector<std::uint8_t> EncodeBundle(const std::vector<BundleFile>& files, std::int32_t launchIndex) {
  std::size_t total = BUNDLE_HEADER_SIZE;
  for (const BundleFile& file : files) total += 8 + file.name.size() + file.data.size();
  std::vector<std::uint8_t> out;
  out.reserve(total);
  for (char c : BUNDLE_MAGIC) out.push_back(static_cast<std::uint8_t>(c));
  AppendU32(out, static_cast<std::uint32_t>(files.size()));
  AppendU32(out, 1);
  AppendU32(out, static_cast<std::uint32_t>(launchIndex));
  for (const BundleFile& file : files) {
    AppendU32(out, static_cast<std::uint32_t>(file.name.size()));
    out.insert(out.end(), file.name.begin(), file.name.end());
    AppendU32(out, static_cast<std::uint32_t>(file.data.size()));
    out.insert(out.end(), file.data.begin(), file.data.end());
  }
  return out;
}
