#include "report/panel_picture.h"

#include <algorithm>

namespace lab {

RgbPicture PictureOfSurface(const Surface& surface, const CRect& rect, int scale) {
  scale = std::clamp(scale, 1, 8);
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, surface.Width());
  const int bottom = std::min(rect.bottom, surface.Height());
  RgbPicture picture;
  if (right <= left || bottom <= top) return picture;
  picture.width = (right - left) * scale;
  picture.height = (bottom - top) * scale;
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = top; y < bottom; ++y) {
    const std::size_t rowStart = picture.pixels.size();
    for (int x = left; x < right; ++x) {
      const std::uint32_t p = surface.RawPixel(x, y);
      for (int i = 0; i < scale; ++i) picture.pixels.push_back(p);
    }
    for (int i = 1; i < scale; ++i) {
      for (int x = 0; x < picture.width; ++x) {
        picture.pixels.push_back(picture.pixels[rowStart + static_cast<std::size_t>(x)]);
      }
    }
  }
  return picture;
}

}  // namespace lab
