#include "platform/surface_rgba.h"

#include <algorithm>

CRect ClipToSurface(const Surface& surface, const CRect& rect) {
  const CRect clipped(std::max(rect.left, 0), std::max(rect.top, 0),
                      std::min(rect.right, surface.Width()),
                      std::min(rect.bottom, surface.Height()));
  return clipped.left < clipped.right && clipped.top < clipped.bottom ? clipped : CRect();
}

CRect CopyRgba(const Surface& surface, const CRect& rect, std::vector<std::uint8_t>& out) {
  const CRect clipped = ClipToSurface(surface, rect);
  out.clear();
  if (clipped.IsRectEmpty()) return clipped;
  // Sized once and written through a pointer: a push_back a byte cost more
  // than the canvas's own copy of the pixels (a full paint in the page took
  // ten times the paint itself).
  out.resize(static_cast<std::size_t>(clipped.Width()) * clipped.Height() * 4);
  std::uint8_t* to = out.data();
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    const std::uint32_t* row = surface.Row(y);
    for (int x = clipped.left; x < clipped.right; ++x, to += 4) {
      const std::uint32_t p = row[x];
      to[0] = static_cast<std::uint8_t>(p >> 16);
      to[1] = static_cast<std::uint8_t>(p >> 8);
      to[2] = static_cast<std::uint8_t>(p);
      to[3] = 255;
    }
  }
  return clipped;
}
