// Mixing a colour over a surface pixel with a coverage of 0 (none) to 255
// (full), channel by channel, rounded. Both pixels are 0xFFRRGGBB.
#pragma once

#include <cstdint>

namespace lab {

inline std::uint32_t BlendPixel(std::uint32_t under, std::uint32_t over, unsigned alpha) {
  if (alpha >= 255) return over;
  std::uint32_t out = 0xFF000000u;
  for (unsigned shift = 0; shift < 24; shift += 8) {
    const unsigned d = (under >> shift) & 0xFFu;
    const unsigned s = (over >> shift) & 0xFFu;
    out |= ((s * alpha + d * (255u - alpha) + 127u) / 255u) << shift;
  }
  return out;
}

}  // namespace lab
