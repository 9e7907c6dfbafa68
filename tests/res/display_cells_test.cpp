// The display's cells read back as what they show when the seven segment
// centres are sampled, in the exact colours of the display.
#include <gtest/gtest.h>

#include <string>

#include "tests/res/picture_probe.h"

namespace lab {

namespace {

constexpr Rgb kCell{37, 75, 75};
constexpr Rgb kLit{140, 198, 198};
constexpr Rgb kUnlit{50, 92, 92};

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

class DisplayCell : public ::testing::TestWithParam<Figure> {};

// Only the three display colours; the first and last columns stay dark so
// that figures keep apart and the next number's point sits in the gap.
TEST_P(DisplayCell, ReadsBackAsItsFigureInTheDisplayColours) {
  const Bitmap* cell = FindPicture(GetParam().id);
  ASSERT_NE(cell, nullptr);
  std::string lit;
  for (int s = 0; s < 7; ++s) {
    const Rgb c = PixelAt(*cell, kCentres[s][0], kCentres[s][1]);
    if (c == kLit) lit += static_cast<char>('a' + s);
    EXPECT_TRUE(c == kLit || c == kUnlit) << "segment " << static_cast<char>('a' + s);
  }
  EXPECT_EQ(lit, GetParam().segments);
  auto other = [](Rgb c) { return c != kCell && c != kLit && c != kUnlit; };
  EXPECT_EQ(CountIn(*cell, 0, 0, 14, 21, other), 0);
  EXPECT_TRUE(AllIn(*cell, 0, 0, 0, 21, kCell) && AllIn(*cell, 14, 0, 14, 21, kCell));
}

INSTANTIATE_TEST_SUITE_P(AllCells, DisplayCell, ::testing::ValuesIn(kFigures),
                         [](const auto& row) { return std::to_string(row.param.id); });

TEST(DisplayPoint, IsASolidLitSquare) {
  const Bitmap* point = FindPicture(141);
  ASSERT_NE(point, nullptr);
  EXPECT_TRUE(AllIn(*point, 0, 0, 1, 1, kLit));
}

}  // namespace

}  // namespace lab
