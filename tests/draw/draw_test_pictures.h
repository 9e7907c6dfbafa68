// Test fixtures shared by the drawing tests: a paper surface with its
// context, and synthetic pictures that are each one solid colour naming
// their number, so a single pixel tells which picture was copied where.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/dc.h"
#include "platform/resources.h"

namespace lab {

namespace draw_test {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF PictureColor(int id) { return RGB(id % 256, 255 - id % 256, 17); }

// Picture 200 is 4 x 3 with a colour of its own in every pixel.
constexpr int kPatternImage = 200;
constexpr COLORREF PatternColor(int x, int y) { return RGB(x, y, 99); }

// The lab's sizes: display cells 130..144 (point 141 is 2 x 2), the power
// switch 145 and 148, buttons 151..156, weights and empty hook 157..160.
inline void InstallPictures() {
  static const struct Store {
    std::vector<std::vector<std::uint32_t>> pixels;
    std::vector<BitmapResource> bitmaps;
    ResourceTable table;
    void Add(int id, int w, int h) {
      std::vector<std::uint32_t>& p = pixels.emplace_back(w * h, ToPixel(PictureColor(id)));
      if (id == kPatternImage)
        for (int i = 0; i < w * h; ++i) p[i] = ToPixel(PatternColor(i % w, i / w));
      bitmaps.push_back({id, Bitmap{w, h, p.data()}});
    }
    Store() {
      for (int id = 130; id <= 144; ++id) Add(id, id == 141 ? 2 : 15, id == 141 ? 2 : 22);
      Add(145, 28, 33);
      Add(148, 28, 33);
      for (int id = 151; id <= 156; ++id) Add(id, 32, 17);
      for (int id = 157; id <= 160; ++id) Add(id, 60, 86);
      Add(kPatternImage, 4, 3);
      table.bitmaps = bitmaps;
    }
  } store;
  InstallResources(store.table);
}

class SurfaceTest : public ::testing::Test {
 protected:
  SurfaceTest() { InstallPictures(); }

  COLORREF At(int x, int y) const { return surface.GetPixel(x, y); }
  // Pixels of a region, both corners inclusive, that are not paper.
  int InkIn(int x0, int y0, int x1, int y1) const {
    int count = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) count += surface.GetPixel(x, y) != kPaper;
    return count;
  }
  int Painted() const { return InkIn(0, 0, surface.Width() - 1, surface.Height() - 1); }
  // Whether the surface holds exactly what was drawn on `expected`.
  bool AsExpected() const {
    return std::equal(surface.Data(), surface.Data() + 700 * 440, paper.Data());
  }

  Surface surface{700, 440, kPaper};
  CDC dc{surface};
  Surface paper{700, 440, kPaper};
  CDC expected{paper};
};

}  // namespace draw_test

}  // namespace lab
