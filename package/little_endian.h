#pragma once

#include <cstdint>
#include <vector>

// Both formats store their integers little-endian.
inline void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
