// Helpers for looking at the lab's pictures pixel by pixel.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

inline Rgb RgbOf(std::uint32_t pixel) {
  return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
          static_cast<int>(pixel & 0xFF)};
}

inline Rgb PixelAt(const Bitmap& b, int x, int y) { return RgbOf(b.At(x, y)); }

// The bitmap of a number among LabBitmaps(); nullptr when there is none.
const Bitmap* FindPicture(int id);
