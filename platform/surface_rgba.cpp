#include "platform/surface_rgba.h"

#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

CRect ClipToSurface(const Surface& surface, const CRect& rect) {
  const CRect clipped(std::max(rect.left, 0), std::max(rect.top, 0),
                      std::min(rect.right, surface.Width()),
                      std::min(rect.bottom, surface.Height()));
  return clipped.left < clipped.right && clipped.top < clipped.bottom ? clipped : CRect();
}

namespace {
// One row: each 0x00RRGGBB pixel as the bytes R, G, B, 255. On a
// little-endian machine (WebAssembly is one) a pixel is one 32-bit store,
// 0xFFBBGGRR, and in WebAssembly four pixels are reordered with one
// shuffle.
void CopyRowRgba(const std::uint32_t* from, int count, std::uint8_t* to) {
  int x = 0;
#if defined(__wasm_simd128__)
  const v128_t alpha = wasm_i32x4_splat(static_cast<int>(0xFF000000u));
  for (; x + 4 <= count; x += 4, to += 16) {
    const v128_t bgr = wasm_v128_load(from + x);
    const v128_t rgb =
        wasm_i8x16_shuffle(bgr, bgr, 2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
    wasm_v128_store(to, wasm_v128_or(rgb, alpha));
  }
#endif
  if constexpr (std::endian::native == std::endian::little) {
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
