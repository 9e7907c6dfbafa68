// The title picture's layout and the icon's mask and colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "res/pictures.h"
#include "res/resource_ids.h"
#include "tests/res/picture_probe.h"

namespace lab {

namespace {

// Blue from light to dark, the title dark on a light yellow band, the
// version line white at the bottom left.
TEST(TitlePicture, TitleOnAYellowBandOverABlueGradient) {
  const Bitmap* t = FindPicture(161);
  ASSERT_NE(t, nullptr);
  const Rgb top = PixelAt(*t, 5, 2);
  const Rgb bottom = PixelAt(*t, 200, 265);
  EXPECT_TRUE(top.b > top.r && bottom.b > bottom.r);
  EXPECT_GT(Luminance(top), Luminance(bottom) + 80);
  auto yellow = [](Rgb c) { return c.r > 235 && c.g > 215 && c.b < 225 && c.b + 25 < c.r; };
  EXPECT_GT(CountIn(*t, 0, 110, 398, 160, yellow), 399 * 51 / 2);
  EXPECT_GT(CountIn(*t, 0, 110, 398, 160, [](Rgb c) { return Luminance(c) < 70; }), 600);
  EXPECT_GT(CountIn(*t, 0, 235, 129, 267, [](Rgb c) { return Luminance(c) > 235; }), 40);
}

TEST(TitlePicture, PlainBackgroundWhereTheButtonStands) {
  const Bitmap* t = FindPicture(161);
  ASSERT_NE(t, nullptr);
  for (int y = 180; y <= 225; ++y) {
    const Rgb c = PixelAt(*t, 40, y);
    EXPECT_GT(c.b, c.r + 40) << y;
    EXPECT_TRUE(AllIn(*t, 41, y, 130, y, c)) << y;
  }
}

class IconImageTest : public ::testing::TestWithParam<int> {
 protected:
  const IconImage& Image() const { return GetParam() == 32 ? LabIcon().large : LabIcon().small; }
  std::uint32_t At(int x, int y) const { return Image().argb[y * Image().size + x]; }
  bool Opaque(int x, int y) const { return (At(x, y) >> 24) == 0xFF; }
};

// The mask is all or nothing, in at most 16 colours. A broad yellow band,
// opaque from the left edge and clear below; above it only the string, one
// or two dark red pixels a row, up to the top right corner; a dark red ball
// on the band's left half.
TEST_P(IconImageTest, BallOnABandHungFromTheTopRightCornerInSixteenColours) {
  const int n = GetParam();
  EXPECT_EQ(LabIcon().id, IDR_MAINFRAME);
  ASSERT_EQ(Image().size, n);
  ASSERT_NE(Image().argb, nullptr);
  int top = 0;
  while (top < n && !Opaque(0, top)) ++top;
  int bottom = top;
  while (bottom + 1 < n && Opaque(0, bottom + 1)) ++bottom;
  EXPECT_GE(top, 1);
  EXPECT_LE(bottom, n - 2);
  EXPECT_GE(bottom - top + 1, n / 3);
  const Rgb middle = RgbOf(At(n - 2, (top + bottom) / 2));
  EXPECT_TRUE(middle.r > 200 && middle.g > 180 && middle.b < 140) << "yellow";
  EXPECT_TRUE(Opaque(n - 1, 0));
  auto red = [](Rgb c) { return c.r > 2 * c.g + 40; };
  std::set<std::uint32_t> colours;
  int ball = 0;
  for (int y = 0; y < n; ++y) {
    int opaque = 0;
    for (int x = 0; x < n; ++x) {
      const std::uint32_t alpha = At(x, y) >> 24;
      ASSERT_TRUE(alpha == 0 || alpha == 0xFF) << x << "," << y;
      if (alpha == 0) continue;
      colours.insert(At(x, y));
      ++opaque;
      const Rgb c = RgbOf(At(x, y));
      ball += x < n / 2 && red(c);
      EXPECT_TRUE(y >= top || (red(c) && c.r < 160)) << x << "," << y;
    }
    EXPECT_TRUE(y >= top || opaque == 1 || opaque == 2) << y;
    EXPECT_TRUE(y <= bottom || opaque == 0) << y;
  }
  EXPECT_LE(colours.size(), 16u);
  EXPECT_GE(ball, n * n / 16);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, IconImageTest, ::testing::Values(32, 16),
                         [](const auto& row) { return row.param == 32 ? "Large" : "Small"; });

}  // namespace

}  // namespace lab
