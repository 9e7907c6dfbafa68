#include "platform/surface_rgba.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lab {

CRect ClipToSurface(const Surface& surface, const CRect& rect) {
  const CRect clipped(std::max(rect.left, 0), std::max(rect.top, 0),
                      std::min(rect.right, surface.Width()),
                      std::min(rect.bottom, surface.Height()));
  return clipped.left < clipped.right && clipped.top < clipped.bottom ? clipped : CRect();
}

namespace {
// One row: each 0x00RRGGBB pixel as the bytes R, G, B, 255. On a
// little-endian machine (WebAssembly is one) two pixels are one 64-bit
// word: red and blue trade places, green stays, alpha is set. (No vector
// instructions: a page built with them would not start in browsers
// without them, which old school Chromebooks still run.)
void CopyRowRgba(const std::uint32_t* from, int count, std::uint8_t* to) {
  int x = 0;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kRedBlue = 0x000000FF000000FFull;
    constexpr std::uint64_t kGreen = 0x0000FF000000FF00ull;
    constexpr std::uint64_t kAlpha = 0xFF000000FF000000ull;
    for (; x + 2 <= count; x += 2, to += 8) {
      std::uint64_t two;
      std::memcpy(&two, from + x, 8);
      const std::uint64_t rgba =
          kAlpha | ((two & kRedBlue) << 16) | (two & kGreen) | ((two >> 16) & kRedBlue);
      std::memcpy(to, &rgba, 8);
    }
    for (; x < count; ++x, to += 4) {
      const std::uint32_t p = from[x];
      const std::uint32_t rgba =
          0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
      std::memcpy(to, &rgba, 4);
    }
  } else {
    for (; x < count; ++x, to += 4) {
      const std::uint32_t p = from[x];
      to[0] = static_cast<std::uint8_t>(p >> 16);
      to[1] = static_cast<std::uint8_t>(p >> 8);
      to[2] = static_cast<std::uint8_t>(p);
      to[3] = 255;
    }
  }
}
}  // namespace

CRect UpdateRgbaImage(const Surface& surface, const CRect& rect, std::vector<std::uint8_t>& image) {
  const std::size_t stride = static_cast<std::size_t>(surface.Width()) * 4;
  const std::size_t size = stride * static_cast<std::size_t>(surface.Height());
  // A new image (or one of another size) is written whole.
  const bool fresh = image.size() != size;
  if (fresh) image.resize(size);
  const CRect clipped =
      ClipToSurface(surface, fresh ? CRect(0, 0, surface.Width(), surface.Height()) : rect);
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    CopyRowRgba(surface.Row(y) + clipped.left, clipped.Width(),
                image.data() + stride * static_cast<std::size_t>(y) +
                    static_cast<std::size_t>(clipped.left) * 4);
  }
  return clipped;
}

}  // namespace lab
