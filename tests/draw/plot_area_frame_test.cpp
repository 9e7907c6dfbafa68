// The plot area's fill, outline, bevel, pen handling and pixel hit test on
// the rectangle (20, 20, 200, 400): fill 20..219 x 20..419, outline on
// columns 19 and 221 and rows 19 and 421, bevel on 18 and 222, 18 and 422.
#include "draw/plot_area.h"
#include "draw_test_pictures.h"

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

class FrameTest : public draw_test::SurfaceTest {
 protected:
  FrameTest() { area.SetRect(20, 20, 200, 400); }
  CPlotArea area;
};

struct BoxCase {
  bool outline, fill;
};
class BoxTest : public FrameTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(BoxTest, FillsInsideAndRingsOnePixelOutside) {
  const auto [outline, fill] = GetParam();
  const CPen before = dc.GetCurrentPen();
  area.DrawBox(dc, outline, kRed, fill, kBlue);
  const int ring = 2 * 403 + 2 * 201;
  EXPECT_EQ(Painted(), (fill ? 200 * 400 : 0) + (outline ? ring : 0));
  EXPECT_EQ(At(20, 20), fill ? kBlue : draw_test::kPaper);
  EXPECT_EQ(At(219, 419), fill ? kBlue : draw_test::kPaper);
  // Between fill and outline on the right and bottom: never painted.
  EXPECT_EQ(InkIn(220, 19, 220, 420).count + InkIn(19, 420, 219, 420).count, outline ? 2 : 0);
  for (CPoint p : {CPoint{19, 19}, CPoint{221, 19}, CPoint{221, 421}, CPoint{19, 421}})
    EXPECT_EQ(At(p.x, p.y), outline ? kRed : draw_test::kPaper);
  // The pen changes only for the outline.
  EXPECT_EQ(area.Pen().IsValid(), outline);
  EXPECT_EQ(dc.GetCurrentPen(), outline ? area.Pen() : before);
}

INSTANTIATE_TEST_SUITE_P(Flags, BoxTest,
                         ::testing::Values(BoxCase{false, false}, BoxCase{false, true},
                                           BoxCase{true, false}, BoxCase{true, true}));

struct BevelCase {
  int style;
  COLORREF first, second;
};
class BevelTest : public FrameTest, public ::testing::WithParamInterface<BevelCase> {};

TEST_P(BevelTest, TwoColourRingTwoPixelsOutside) {
  const BevelCase c = GetParam();
  area.ChangePen(dc, kRed);
  area.DrawBevel(dc, c.style);
  if (c.style != 1 && c.style != 2) {
    EXPECT_EQ(Painted(), 0);
    EXPECT_EQ(dc.GetCurrentPen().Color(), kRed);
    return;
  }
  EXPECT_EQ(Painted(), 2 * (404 + 204));
  // Left and top in the first colour, right and bottom in the second; the
  // corners split as the line ends fall.
  for (CPoint p : {CPoint{18, 18}, CPoint{18, 422}, CPoint{18, 200}, CPoint{221, 18}})
    EXPECT_EQ(At(p.x, p.y), c.first) << p.x << "," << p.y;
  for (CPoint p : {CPoint{222, 18}, CPoint{222, 422}, CPoint{222, 200}, CPoint{19, 422}})
    EXPECT_EQ(At(p.x, p.y), c.second) << p.x << "," << p.y;
  EXPECT_EQ(area.Pen().Color(), c.second);
  EXPECT_EQ(dc.GetCurrentPen(), area.Pen());
}

INSTANTIATE_TEST_SUITE_P(Styles, BevelTest,
                         ::testing::Values(BevelCase{1, RGB(100, 100, 100), RGB(210, 210, 210)},
                                           BevelCase{2, RGB(230, 230, 230), RGB(100, 100, 100)},
                                           BevelCase{0, 0, 0}, BevelCase{3, 0, 0}));

TEST_F(FrameTest, ChangePenTwiceLeavesTheSecondSelected) {
  area.ChangePen(dc, kRed);
  area.ChangePen(dc, kBlue);
  EXPECT_EQ(area.Pen().Color(), kBlue);
  EXPECT_FALSE(area.HasRememberedPen());
  dc.MoveTo(0, 0);
  dc.LineTo(3, 0);
  EXPECT_EQ(At(0, 0), kBlue);
}

TEST_F(FrameTest, SelectPenRemembersAPenThatLaterContextsGetBack) {
  area.SelectPen(dc, RGB(0, 0, 0));
  EXPECT_TRUE(area.HasRememberedPen());
  EXPECT_EQ(dc.GetCurrentPen(), area.Pen());
  CDC later(surface);
  area.ChangePen(later, kRed);
  EXPECT_EQ(later.GetCurrentPen().Color(), kRed);
}

TEST_F(FrameTest, ContainsIncludesAllFourEdges) {
  for (CPoint p : {CPoint{20, 20}, CPoint{220, 420}, CPoint{20, 420}, CPoint{220, 20}})
    EXPECT_TRUE(area.Contains(p.x, p.y)) << p.x << "," << p.y;
  for (CPoint p : {CPoint{221, 100}, CPoint{19, 100}, CPoint{100, 19}, CPoint{100, 421}})
    EXPECT_FALSE(area.Contains(p.x, p.y)) << p.x << "," << p.y;
}

}  // namespace
