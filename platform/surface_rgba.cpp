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
  out.reserve(static_cast<std::size_t>(clipped.Width()) * clipped.Height() * 4);
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    const std::uint32_t* row = surface.Row(y);
    for (int x = clipped.left; x < clipped.right; ++x) {
      const std::uint32_t p = row[x];
      out.push_back(static_cast<std::uint8_t>(p >> 16));
      out.push_back(static_cast<std::uint8_t>(p >> 8));
      out.push_back(static_cast<std::uint8_t>(p));
      out.push_back(255);
    }
  }
  return clipped;
}
