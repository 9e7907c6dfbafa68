// Helpers for looking at the lab's pictures pixel by pixel.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "res/pictures.h"

namespace lab {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

inline Rgb RgbOf(std::uint32_t pixel) {
  return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
          static_cast<int>(pixel & 0xFF)};
}

inline Rgb PixelAt(const Bitmap& b, int x, int y) { return RgbOf(b.At(x, y)); }

inline double Luminance(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

// The bitmap of a number among LabBitmaps(); nullptr when there is none.
inline const Bitmap* FindPicture(int id) {
  for (const BitmapResource& b : LabBitmaps())
    if (b.id == id) return &b.bitmap;
  return nullptr;
}

// The pixels of x0..x1 by y0..y1 (inclusive) that pass the test.
template <typename Test>
int CountIn(const Bitmap& b, int x0, int y0, int x1, int y1, Test test) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) n += test(PixelAt(b, x, y)) ? 1 : 0;
  return n;
}

// True when every pixel of x0..x1 by y0..y1 (inclusive) is the colour.
inline bool AllIn(const Bitmap& b, int x0, int y0, int x1, int y1, Rgb colour) {
  return CountIn(b, x0, y0, x1, y1, [colour](Rgb c) { return c != colour; }) == 0;
}

// The mean colour of x0..x1 by y0..y1 (inclusive), each channel truncated.
inline Rgb MeanIn(const Bitmap& b, int x0, int y0, int x1, int y1) {
  Rgb sum{0, 0, 0};
  CountIn(b, x0, y0, x1, y1, [&sum](Rgb c) {
    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
    return true;
  });
  const int n = (x1 - x0 + 1) * (y1 - y0 + 1);
  return {sum.r / n, sum.g / n, sum.b / n};
}

}  // namespace lab
