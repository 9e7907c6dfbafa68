// The title picture's layout and the icon's mask and colours.
#include <gtest/gtest.h>

#include <set>

#include "res/pictures.h"
#include "tests/res/picture_probe.h"

namespace {

double Luminance(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

TEST(TitlePicture, BlueFromLightToDark) {
  const Bitmap* t = FindPicture(161);
  ASSERT_NE(t, nullptr);
  const Rgb top = PixelAt(*t, 5, 2);
  const Rgb bottom = PixelAt(*t, 200, 265);
  EXPECT_GT(top.b, top.r);
  EXPECT_GT(bottom.b, bottom.r);
  EXPECT_GT(Luminance(top), Luminance(bottom) + 80);
}

TEST(TitlePicture, PlainBackgroundWhereTheButtonStands) {
  const Bitmap* t = FindPicture(161);
  ASSERT_NE(t, nullptr);
  for (int y = 180; y <= 225; ++y) {
    const Rgb c = PixelAt(*t, 40, y);
    EXPECT_GT(c.b, c.r + 40) << y;
    for (int x = 41; x <= 130; ++x) ASSERT_EQ(PixelAt(*t, x, y), c) << x << "," << y;
  }
}

TEST(TitlePicture, DarkTitleOnALightYellowBand) {
  const Bitmap* t = FindPicture(161);
  ASSERT_NE(t, nullptr);
  int yellow = 0, dark = 0;
  for (int y = 110; y <= 160; ++y) {
    for (int x = 0; x < t->width; ++x) {
      const Rgb c = PixelAt(*t, x, y);
      yellow += c.r > 235 && c.g > 215 && c.b < 225 && c.b + 25 < c.r;
      dark += Luminance(c) < 70;
    }
  }
  EXPECT_GT(yellow, 399 * 51 / 2);
  EXPECT_GT(dark, 600);
}

TEST(TitlePicture, WhiteVersionLineAtTheBottomLeft) {
  const Bitmap* t = FindPicture(161);
  ASSERT_NE(t, nullptr);
  int white = 0;
  for (int y = 235; y < 268; ++y)
    for (int x = 0; x < 130; ++x) white += Luminance(PixelAt(*t, x, y)) > 235;
  EXPECT_GT(white, 40);
}

// ---- Icon.

class IconImageTest : public ::testing::TestWithParam<bool> {
 protected:
  const IconImage& Image() const { return GetParam() ? LabIcon().large : LabIcon().small; }
  std::uint32_t At(int x, int y) const { return Image().argb[y * Image().size + x]; }
  bool Opaque(int x, int y) const { return (At(x, y) >> 24) == 0xFF; }
};

TEST_P(IconImageTest, MaskIsAllOrNothingInAtMostSixteenColours) {
  const int n = Image().size;
  std::set<std::uint32_t> colours;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      const std::uint32_t a = At(x, y) >> 24;
      ASSERT_TRUE(a == 0 || a == 0xFF) << x << "," << y;
      if (a == 0xFF) colours.insert(At(x, y));
    }
  }
  EXPECT_LE(colours.size(), 16u);
}

TEST_P(IconImageTest, BroadYellowBandWithClearAboveAndBelow) {
  const int n = Image().size;
  // The band: the rows that are opaque at the left edge, all in one block.
  int top = -1, bottom = -1;
  for (int y = 0; y < n; ++y) {
    if (!Opaque(0, y)) continue;
    if (top < 0) top = y;
    ASSERT_TRUE(bottom < 0 || bottom == y - 1) << "the band is broken at row " << y;
    bottom = y;
  }
  ASSERT_GE(top, 1);
  ASSERT_LE(bottom, n - 2);
  EXPECT_GE(bottom - top + 1, n / 3);
  const Rgb middle = RgbOf(At(n - 2, (top + bottom) / 2));
  EXPECT_TRUE(middle.r > 200 && middle.g > 180 && middle.b < 140) << "yellow";
  for (int y = bottom + 1; y < n; ++y)
    for (int x = 0; x < n; ++x) EXPECT_FALSE(Opaque(x, y)) << x << "," << y;
  // Above the band only the string, dark red, runs up to the top right corner.
  EXPECT_TRUE(Opaque(n - 1, 0));
  for (int y = 0; y < top; ++y) {
    int opaque = 0;
    for (int x = 0; x < n; ++x) {
      if (!Opaque(x, y)) continue;
      ++opaque;
      const Rgb c = RgbOf(At(x, y));
      EXPECT_TRUE(c.r > 2 * c.g + 40 && c.r < 160) << x << "," << y;
    }
    EXPECT_GE(opaque, 1) << y;
    EXPECT_LE(opaque, 2) << y;
  }
}

TEST_P(IconImageTest, DarkRedBallOnTheBand) {
  const int n = Image().size;
  int red = 0;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n / 2; ++x) {
      const Rgb c = RgbOf(At(x, y));
      red += Opaque(x, y) && c.r > 2 * c.g + 40;
    }
  }
  EXPECT_GE(red, n * n / 16);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, IconImageTest, ::testing::Bool(),
                         [](const auto& row) { return row.param ? "Large" : "Small"; });

}  // namespace
