// A picture held in memory: width x height pixels, 0xFFRRGGBB, rows top to
// bottom. Bitmap resources and icon images are of this form.
#pragma once

#include <cstdint>

namespace lab {

struct Bitmap {
  int width = 0;
  int height = 0;
  const std::uint32_t* pixels = nullptr;

  std::uint32_t At(int x, int y) const { return pixels[y * width + x]; }
};

// An icon image: like a bitmap, with the alpha byte of each pixel as its
// transparency mask (0 transparent, 255 opaque).
struct IconImage {
  int size = 0;  // square, pixels
  const std::uint32_t* argb = nullptr;
};

struct Icon {
  int id = 0;
  IconImage large;  // 32 x 32
  IconImage small;  // 16 x 16
};

}  // namespace lab
