// The stopwatch's seven-segment display: six 15 x 22 cells from (301, 35),
// one decimal, pictures 130..144, the point 14, 19 into the cell before it.
#include <cmath>
#include <string>

#include "draw/lcd_display.h"
#include "draw_test_pictures.h"

namespace {

using draw_test::PictureColor;

class LcdTest : public draw_test::SurfaceTest {
 protected:
  LcdTest() { lcd.Init(301, 35, 6, 1, 130, 14, 19); }

  // The picture each cell holds, read from its middle pixel: a digit, ' '
  // unlit, '-', 'E', 'R', or '?' for anything else (paper).
  std::string Cells() const {
    std::string out;
    for (int c = 0; c < 6; ++c) {
      const COLORREF p = At(301 + 15 * c + 7, 46);
      char ch = '?';
      for (int d = 0; d <= 9; ++d)
        if (p == PictureColor(130 + d)) ch = static_cast<char>('0' + d);
      for (auto [id, shown] : {std::pair{140, ' '}, {142, '-'}, {143, 'E'}, {144, 'R'}})
        if (p == PictureColor(id)) ch = shown;
      out += ch;
    }
    return out;
  }
  // The cells after which a point shows (its visible column is the last
  // column of that cell); '<' for one left of cell 0.
  std::string Points() const {
    std::string out;
    for (int c = -1; c < 6; ++c) {
      const int x = 301 + 15 * c + 14;
      if (At(x, 54) == PictureColor(141) && At(x, 55) == PictureColor(141))
        out += c < 0 ? '<' : static_cast<char>('0' + c);
    }
    return out;
  }

  CLcdDisplay lcd;
};

TEST_F(LcdTest, InitReadsTheCellSizeAndTheRange) {
  EXPECT_EQ((CSize{lcd.CellWidth(), lcd.CellHeight()}), (CSize{15, 22}));
  EXPECT_EQ(lcd.Largest(), 999999.0);
  EXPECT_EQ(lcd.Smallest(), -99999.0);
}

struct Shown {
  const char* name;
  double value;      // drawn with DrawNumber unless text is set
  const char* text;  // drawn with DrawText instead when set
  const char* cells;
  const char* points;
};
class LcdShowsTest : public LcdTest, public ::testing::WithParamInterface<Shown> {};

TEST_P(LcdShowsTest, CellsAndPoint) {
  const Shown& s = GetParam();
  if (s.text == nullptr) {
    lcd.DrawNumber(dc, s.value);
  } else {
    lcd.DrawText(dc, s.text);
  }
  EXPECT_EQ(Cells(), s.cells);
  EXPECT_EQ(Points(), s.points);
  if (s.text == nullptr) {
    EXPECT_EQ(Painted(), 6 * 15 * 22);  // nothing outside the row
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, LcdShowsTest,
    ::testing::Values(Shown{"Zero", 0.0, nullptr, "    00", "4"},
                      Shown{"TwelvePointThree", 12.3, nullptr, "   123", "4"},
                      Shown{"MinusFive", -5.0, nullptr, "   -50", "4"},
                      Shown{"LargestWithDecimal", 99999.9, nullptr, "999999", "4"},
                      // The integer part needs every cell: no point, no decimal.
                      Shown{"IntegerPartFillsTheRow", 999999, nullptr, "999999", ""},
                      Shown{"Smallest", -99999, nullptr, "-99999", ""},
                      Shown{"AboveLargest", 999999.5, nullptr, "ERR   ", ""},
                      Shown{"BelowSmallest", -99999.5, nullptr, "ERR   ", ""},
                      Shown{"NotANumber", std::nan(""), nullptr, "ERR   ", ""},
                      // Texts: cells after the last one drawn stay as they were.
                      Shown{"ShortText", 0, "12", "12????", ""},
                      Shown{"EndsWithAPoint", 0, "5.", "5 ????", "0"},
                      Shown{"LeadingPoint", 0, ".5", "5?????", "<"},
                      Shown{"PointsInARow", 0, "1..2", "12????", "0"},
                      Shown{"OtherCharactersUnlit", 0, "a-E\xE9R7123", " -E R7", ""}),
    [](const ::testing::TestParamInfo<Shown>& row) { return std::string(row.param.name); });

TEST_F(LcdTest, ShortTextLeavesTheRestAndBlankClearsAll) {
  lcd.DrawNumber(dc, 99999.9);
  lcd.DrawText(dc, "12");
  EXPECT_EQ(Cells(), "129999");
  EXPECT_EQ(Points(), "4");
  lcd.DrawBlank(dc);
  EXPECT_EQ(Cells(), "      ");
  EXPECT_EQ(Points(), "");
}

}  // namespace
