// The display's cells read back as what they show when the seven segment
// centres are sampled, in the exact colours of the display.
#include <gtest/gtest.h>

#include <string>

#include "tests/res/picture_probe.h"

namespace {

const Rgb kCell{37, 75, 75};
const Rgb kLit{140, 198, 198};
const Rgb kUnlit{50, 92, 92};

// Centre pixels of the segments a, b, c, d, e, f, g of a 15 x 22 cell.
constexpr int kCentres[7][2] = {{6, 2}, {11, 6}, {11, 15}, {6, 20}, {2, 15}, {2, 6}, {6, 11}};

// The segments each figure lights, as letters a..g.
struct Figure {
  int id;
  const char* segments;
};
constexpr Figure kFigures[] = {
    {130, "abcdef"}, {131, "bc"},     {132, "abdeg"}, {133, "abcdg"},   {134, "bcfg"},
    {135, "acdfg"},  {136, "acdefg"}, {137, "abc"},   {138, "abcdefg"}, {139, "abcdfg"},
    {140, ""},       {142, "g"},      {143, "adefg"}, {144, "abcefg"},
};

std::string LitSegments(const Bitmap& cell) {
  std::string lit;
  for (int s = 0; s < 7; ++s) {
    const Rgb c = PixelAt(cell, kCentres[s][0], kCentres[s][1]);
    if (c == kLit) {
      lit += static_cast<char>('a' + s);
    } else {
      EXPECT_EQ(c, kUnlit) << "segment " << static_cast<char>('a' + s)
                           << " is neither lit nor unlit";
    }
  }
  return lit;
}

class DisplayCell : public ::testing::TestWithParam<Figure> {};

TEST_P(DisplayCell, ReadsBackAsItsFigure) {
  const Bitmap* cell = FindPicture(GetParam().id);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(LitSegments(*cell), GetParam().segments);
}

TEST_P(DisplayCell, UsesOnlyTheDisplayColoursAndLeavesRoomForThePoint) {
  const Bitmap* cell = FindPicture(GetParam().id);
  ASSERT_NE(cell, nullptr);
  int lit = 0;
  for (int y = 0; y < cell->height; ++y) {
    for (int x = 0; x < cell->width; ++x) {
      const Rgb c = PixelAt(*cell, x, y);
      ASSERT_TRUE(c == kCell || c == kLit || c == kUnlit) << x << "," << y;
      lit += c == kLit;
    }
  }
  EXPECT_EQ(lit > 0, std::string(GetParam().segments).size() > 0);
  // The point of the following number is drawn over x 14, y 19..20, and
  // the first and last columns keep figures apart.
  for (int y = 0; y < cell->height; ++y) {
    EXPECT_EQ(PixelAt(*cell, 14, y), kCell) << y;
    EXPECT_EQ(PixelAt(*cell, 0, y), kCell) << y;
  }
}

INSTANTIATE_TEST_SUITE_P(AllCells, DisplayCell, ::testing::ValuesIn(kFigures),
                         [](const auto& row) { return std::to_string(row.param.id); });

TEST(DisplayPoint, IsASolidLitSquare) {
  const Bitmap* point = FindPicture(141);
  ASSERT_NE(point, nullptr);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(PixelAt(*point, x, y), kLit);
}

}  // namespace
