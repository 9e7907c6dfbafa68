#include "platform/surface.h"

#include <algorithm>

#include "platform/runtime.h"

namespace lab {

void SurfaceListener::HoldWindow(unsigned milliseconds) {
  PresentNow();
  const long start = LabClock();
  while (LabClock() - start < static_cast<long>(milliseconds)) {
  }
}

// Keeps the pixels that lie inside both the old and the new size (what was
// drawn stays until something draws over it) and fills the rest with fill.
void Surface::Resize(int width, int height, COLORREF fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == m_width && height == m_height) return;
  std::vector<std::uint32_t> pixels(
      static_cast<std::size_t>(width) * static_cast<std::size_t>(height), ToPixel(fill));
  const int keepWidth = std::min(width, m_width);
  const int keepHeight = std::min(height, m_height);
  for (int y = 0; y < keepHeight; ++y) {
    const std::uint32_t* from = Row(y);
    std::copy(from, from + keepWidth,
              pixels.begin() + static_cast<std::ptrdiff_t>(y) * static_cast<std::ptrdiff_t>(width));
  }
  m_pixels = std::move(pixels);
  m_width = width;
  m_height = height;
}

}  // namespace lab
