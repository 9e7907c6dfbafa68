// The stopwatch's seven-segment display: six 15 x 22 cells from (301, 35),
// one decimal, pictures 130..144, the point 14, 19 into the cell before it.
#include <cmath>
#include <string>

#include "draw/lcd_display.h"
#include "draw_test_pictures.h"

namespace lab {

namespace {

using draw_test::PictureColor;

class LcdTest : public draw_test::SurfaceTest {
 protected:
  LcdTest() { lcd.Init(301, 35, 6, 1, 130, 14, 19); }

  // What the row shows, read from each cell's middle pixel: a digit, ' '
  // unlit, '-', 'E', 'R' or '?' for paper, with a '.' after the cell whose
  // last column shows a point ('.' first for one left of cell 0).
  std::string Shown() const {
    std::string out;
    for (int c = -1; c < 6; ++c) {
      if (c >= 0) out += '?';
      for (int id = 130; c >= 0 && id <= 144; ++id)
        if (At(301 + 15 * c + 7, 46) == PictureColor(id)) out.back() = "0123456789 ?-ER"[id - 130];
      const int x = 301 + 15 * c + 14;
      if (At(x, 54) == PictureColor(141) && At(x, 55) == PictureColor(141)) out += '.';
    }
    return out;
  }

  CLcdDisplay lcd;
};

struct ShownCase {
  const char* name;
  double value;      // drawn with DrawNumber unless text is set
  const char* text;  // drawn with DrawText instead when set
  const char* shown;
};
class LcdShowsTest : public LcdTest, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(LcdShowsTest, CellsAndPoint) {
  const ShownCase& s = GetParam();
  if (s.text == nullptr) {
    lcd.DrawNumber(dc, s.value);
    EXPECT_EQ(Painted(), 6 * 15 * 22);  // nothing outside the row
  } else {
    lcd.DrawText(dc, s.text);
  }
  EXPECT_EQ(Shown(), s.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, LcdShowsTest, ::testing::Values(
    ShownCase{"Zero", 0.0, nullptr, "    0.0"},
    ShownCase{"TwelvePointThree", 12.3, nullptr, "   12.3"},
    ShownCase{"MinusFive", -5.0, nullptr, "   -5.0"},
    ShownCase{"LargestWithDecimal", 99999.9, nullptr, "99999.9"},
    // The integer part needs every cell: no point, no decimal.
    ShownCase{"IntegerPartFillsTheRow", 999999, nullptr, "999999"},
    ShownCase{"Smallest", -99999, nullptr, "-99999"},
    ShownCase{"AboveLargest", 999999.5, nullptr, "ERR   "},
    ShownCase{"BelowSmallest", -99999.5, nullptr, "ERR   "},
    ShownCase{"NotANumber", std::nan(""), nullptr, "ERR   "},
    // Texts: cells after the last one drawn stay as they were.
    ShownCase{"ShortText", 0, "12", "12????"},
    ShownCase{"EndsWithAPoint", 0, "5.", "5. ????"},
    ShownCase{"LeadingPoint", 0, ".5", ".5?????"},
    ShownCase{"PointsInARow", 0, "1..2", "1.2????"},
    ShownCase{"OtherCharactersUnlit", 0, "a-E\xE9R7123", " -E R7"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_F(LcdTest, BlankClearsEveryCellAndThePoint) {
  lcd.DrawNumber(dc, 99999.9);
  lcd.DrawBlank(dc);
  EXPECT_EQ(Shown(), "      ");
}

}  // namespace

}  // namespace lab
