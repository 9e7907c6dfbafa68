// A surface kept as R, G, B, A bytes, a rectangle at a time, clipped to the
// surface.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "platform/surface_rgba.h"

namespace lab {

namespace {

struct RgbaRow {
  const char* name;
  CRect asked;
  CRect copied;
};
void PrintTo(const RgbaRow& row, std::ostream* os) { *os << row.name; }

class RgbaImageTest : public ::testing::TestWithParam<RgbaRow> {};

// Each pixel of a 6 x 4 surface has its own colour: red x * 40 + shade,
// green y * 60, blue x + y. The image is made from the surface of shade 0;
// then every pixel changes (shade 1) and only the asked rectangle is
// written again.
TEST_P(RgbaImageTest, WritesTheClippedRectangleInPlace) {
  const RgbaRow& row = GetParam();
  Surface surface(6, 4, RGB(0, 0, 0));
  const auto paint = [&surface](int shade) {
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 6; ++x) surface.SetPixel(x, y, RGB(x * 40 + shade, y * 60, x + y));
  };
  paint(0);
  std::vector<std::uint8_t> image(3, 7);
  ASSERT_EQ(UpdateRgbaImage(surface, row.asked, image), CRect(0, 0, 6, 4)) << "a new image";
  ASSERT_EQ(image.size(), 6u * 4u * 4u);
  paint(1);
  EXPECT_EQ(UpdateRgbaImage(surface, row.asked, image), row.copied);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * 6 + x) * 4;
      EXPECT_EQ(image[i], x * 40 + (row.copied.PtInRect({x, y}) ? 1 : 0)) << x << "," << y;
      EXPECT_EQ(image[i + 1], y * 60);
      EXPECT_EQ(image[i + 2], x + y);
      EXPECT_EQ(image[i + 3], 255);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RgbaImageTest,
    ::testing::Values(RgbaRow{"Whole", CRect(0, 0, 6, 4), CRect(0, 0, 6, 4)},
                      RgbaRow{"Inside", CRect(2, 1, 4, 3), CRect(2, 1, 4, 3)},
                      RgbaRow{"OnePixel", CRect(5, 3, 6, 4), CRect(5, 3, 6, 4)},
                      RgbaRow{"OddWidth", CRect(1, 0, 4, 2), CRect(1, 0, 4, 2)},
                      RgbaRow{"OverTheTopLeft", CRect(-3, -2, 2, 2), CRect(0, 0, 2, 2)},
                      RgbaRow{"OverTheBottomRight", CRect(4, 2, 90, 90), CRect(4, 2, 6, 4)},
                      RgbaRow{"Huge", CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), CRect(0, 0, 6, 4)},
                      RgbaRow{"Outside", CRect(6, 0, 9, 4), CRect()},
                      RgbaRow{"Empty", CRect(3, 3, 3, 3), CRect()},
                      RgbaRow{"Inverted", CRect(4, 3, 1, 1), CRect()}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace

}  // namespace lab
