// The plot area. Its frame on the rectangle (20, 20, 200, 400): fill
// 20..219 x 20..419, outline on columns 19 and 221 and rows 19 and 421, bevel
// on 18 and 222, 18 and 422. Its world on the squared-period graph: 342 x 226
// pixels at (309, 144) showing m from 0.6 to 2.0 kg and T^2 from 0.8 to 2.8 s^2.
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "draw/plot_area.h"
#include "draw_test_pictures.h"

namespace lab {

namespace {

using draw_test::kPaper;

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

class FrameTest : public draw_test::SurfaceTest {
 protected:
  FrameTest() { area.SetRect(20, 20, 200, 400); }
  CPlotArea area;
};

// Fills `rects` on the expected picture.
void Fill(CDC& dc, std::initializer_list<CRect> rects, COLORREF colour) {
  for (const CRect& r : rects) dc.FillSolidRect(r, colour);
}

struct BoxCase {
  bool outline, fill;
};
class BoxTest : public FrameTest, public ::testing::WithParamInterface<BoxCase> {};

// The fill stops one pixel short of the outline's right and bottom sides.
TEST_P(BoxTest, FillsInsideAndRingsOnePixelOutside) {
  const auto [outline, fill] = GetParam();
  const CPen before = dc.GetCurrentPen();
  area.DrawBox(dc, outline, kRed, fill, kBlue);
  if (fill) Fill(expected, {CRect(20, 20, 220, 420)}, kBlue);
  if (outline) {
    Fill(expected,
         {CRect(19, 19, 222, 20), CRect(19, 421, 222, 422), CRect(19, 19, 20, 422),
          CRect(221, 19, 222, 422)},
         kRed);
  }
  EXPECT_TRUE(AsExpected());
  // The pen changes only for the outline.
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

// Left and top in the first colour, right and bottom in the second, the
// corners split as the line ends fall. Other styles draw nothing.
TEST_P(BevelTest, TwoColourRingTwoPixelsOutside) {
  const BevelCase c = GetParam();
  area.ChangePen(dc, kRed);
  area.DrawBevel(dc, c.style);
  if (c.first != 0) {
    Fill(expected, {CRect(18, 18, 19, 423), CRect(18, 18, 222, 19)}, c.first);
    Fill(expected, {CRect(222, 18, 223, 423), CRect(19, 422, 223, 423)}, c.second);
  }
  EXPECT_TRUE(AsExpected());
  EXPECT_EQ(dc.GetCurrentPen(), area.Pen());
  EXPECT_EQ(area.Pen().Color(), c.first != 0 ? c.second : kRed);
}

INSTANTIATE_TEST_SUITE_P(Styles, BevelTest,
                         ::testing::Values(BevelCase{1, RGB(100, 100, 100), RGB(210, 210, 210)},
                                           BevelCase{2, RGB(230, 230, 230), RGB(100, 100, 100)},
                                           BevelCase{0, 0, 0}, BevelCase{3, 0, 0}));

TEST_F(FrameTest, ChangePenTwiceLeavesTheSecondSelected) {
  area.ChangePen(dc, kRed);
  area.ChangePen(dc, kBlue);
  EXPECT_FALSE(area.HasRememberedPen());
  dc.MoveTo(0, 0);
  dc.LineTo(3, 0);
  EXPECT_EQ(At(0, 0), kBlue);
  // SelectPen selects the area's pen and remembers the context's.
  area.SelectPen(dc, RGB(0, 0, 0));
  EXPECT_TRUE(area.HasRememberedPen());
  EXPECT_EQ(dc.GetCurrentPen(), area.Pen());
}

TEST_F(FrameTest, ContainsIncludesAllFourEdges) {
  for (CPoint p : {CPoint{20, 20}, CPoint{220, 420}, CPoint{20, 420}, CPoint{220, 20}})
    EXPECT_TRUE(area.Contains(p.x, p.y)) << p.x << "," << p.y;
  for (CPoint p : {CPoint{221, 100}, CPoint{19, 100}, CPoint{100, 19}, CPoint{100, 421}})
    EXPECT_FALSE(area.Contains(p.x, p.y)) << p.x << "," << p.y;
}

const std::vector<int> kColumns = {309, 357, 406, 455, 504, 553, 602, 651};
const std::vector<int> kRows = {359, 325, 291, 257, 224, 190, 156};

class GraphTest : public draw_test::SurfaceTest {
 protected:
  GraphTest() {
    graph.SetRect(309, 144, 342, 226);
    graph.SetWorld(0.6, 2.0, 0.8, 2.8);
    graph.MakeGrid(0.2, 0, 1, 0, 0.3, 0, 0, 1);
  }
  // The start columns of the vertical lines, or the start rows of the
  // horizontal ones.
  std::vector<int> Lines(bool vertical) const {
    std::vector<int> out;
    for (int i = 0; i < (vertical ? graph.VerticalLineCount() : graph.HorizontalLineCount()); ++i)
      out.push_back(vertical ? graph.VerticalLine(i).start.x : graph.HorizontalLine(i).start.y);
    return out;
  }
  // Writes a text in the lab's font on a paper copy, as the graph's texts
  // are meant to be written.
  void Write(int height, int width, int tenths, bool italic, unsigned align, int x, int y,
             const std::string& text) {
    CFont font;
    font.CreateFont(height, width, tenths, tenths, FW_DONTCARE, italic, false, false, ANSI_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_DONTCARE,
                    "Times New Roman");
    expected.SelectObject(font);
    expected.SetTextAlign(align);
    expected.TextOut(x, y, text);
  }

  CPlotArea graph;
};

TEST_F(GraphTest, MappingIsExactInDoubleTruncatesTowardZeroAndIncludesTheEdges) {
  EXPECT_EQ(graph.XScale(), 244.2857142857143);
  EXPECT_EQ(graph.YScale(), -113.00000000000001);
  EXPECT_EQ(graph.WorldToScreen(1.0, 0.7), (CPoint{406, 381}));
  EXPECT_EQ(graph.WorldToScreen(0.59, 0.8).x, 307);  // 2.44 pixels left of 309
  // InWorld includes the edges and rejects NaN.
  EXPECT_TRUE(graph.InWorld(2.0, 2.8) && graph.InWorld(0.6, 0.8));
  EXPECT_FALSE(graph.InWorld(2.0000001, 1.0) || graph.InWorld(0.5999999, 1.0) ||
               graph.InWorld(1.0, 0.7999999) || graph.InWorld(1.0, 2.8000001));
  EXPECT_FALSE(graph.InWorld(std::nan(""), 1.0) || graph.InWorld(1.0, std::nan("")));
  // Empty ranges keep a unit scale.
  graph.SetWorld(0, 0, 1, 1);
  EXPECT_EQ(graph.XScale(), 1.0);
  EXPECT_EQ(graph.YScale(), -1.0);
}

TEST_F(GraphTest, GridPositionsAccumulateByRepeatedAdditionAndDrawOnce) {
  // 1.9999999999999998 is still below 2.0: an eighth line on the right edge.
  EXPECT_EQ(Lines(true), kColumns);
  EXPECT_EQ(Lines(false), kRows);
  EXPECT_EQ(graph.VerticalLine(0).start, (CPoint{309, 370}));
  EXPECT_EQ(graph.VerticalLine(7).end, (CPoint{651, 144}));
  EXPECT_EQ(graph.HorizontalLine(6).end, (CPoint{651, 156}));
  // Anchored on the bottom and left edges with short fractions: ticks.
  graph.MakeGrid(0.2, 0.8, 0.1, 0.5, 0.3, 0.6, 0.5, 0.1);
  EXPECT_EQ(graph.VerticalLine(0).end, (CPoint{309, 348}));
  EXPECT_EQ(graph.HorizontalLine(0).end, (CPoint{343, 359}));
  // Drawn without the end pixel; the border on the rectangle's edges.
  graph.MakeGrid(0.2, 0, 1, 0, 0.3, 0, 0, 1);
  graph.DrawGrid(dc, false);
  EXPECT_NE(At(357, 145), kPaper);
  EXPECT_EQ(At(357, 144), kPaper);
  EXPECT_EQ(At(500, 370), kPaper);
  graph.DrawGrid(dc, true);
  EXPECT_NE(At(357, 144), kPaper);
  EXPECT_NE(At(500, 370), kPaper);
  EXPECT_EQ(InkIn(0, 0, 308, 439) + InkIn(652, 0, 699, 439), 0);
}

TEST_F(GraphTest, FullOrZeroStepLeavesTheOtherSetAlone) {
  // 120 lines stored, the operation ends, the horizontal set stays.
  graph.MakeGrid(0.001, 0, 1, 0, 0.5, 0, 0, 1);
  EXPECT_EQ(graph.VerticalLineCount(), CPlotArea::kMaxGridLines);
  EXPECT_EQ(graph.VerticalLine(119).start.x, 338);
  EXPECT_EQ(Lines(false), kRows);
  // A zero or NaN step leaves its set unchanged; the other is recomputed.
  graph.MakeGrid(0, 0, 1, 0, 0.5, 0, 0, 1);
  EXPECT_EQ(graph.VerticalLineCount(), CPlotArea::kMaxGridLines);
  EXPECT_EQ(Lines(false), (std::vector<int>{348, 291, 235, 178}));
  graph.MakeGrid(0.7, 0, 1, 0, std::nan(""), 0, 0, 1);
  EXPECT_EQ(Lines(true), (std::vector<int>{333, 504}));
  EXPECT_EQ(graph.HorizontalLineCount(), 4);
}

// The first line lies past a minimum of 0 or above, and on a negative
// minimum that is a whole number of steps; lines stop before the maximum.
// The same rule for both sets of lines.
struct GridRow {
  const char* name;
  double minimum, maximum, step;
  std::vector<double> lines;  // world positions
};

class GridOriginTest : public ::testing::TestWithParam<GridRow> {};

TEST_P(GridOriginTest, FirstLineFromTheMinimumsSign) {
  const GridRow& row = GetParam();
  CPlotArea area;
  area.SetRect(20, 20, 200, 400);
  area.SetWorld(row.minimum, row.maximum, row.minimum, row.maximum);
  area.MakeGrid(row.step, row.minimum, 1, 0, row.step, row.minimum, 0, 1);
  ASSERT_EQ(area.VerticalLineCount(), static_cast<int>(row.lines.size())) << row.name;
  ASSERT_EQ(area.HorizontalLineCount(), static_cast<int>(row.lines.size())) << row.name;
  for (std::size_t i = 0; i < row.lines.size(); ++i) {
    const int n = static_cast<int>(i);
    EXPECT_EQ(area.VerticalLine(n).start.x, area.WorldToScreen(row.lines[i], 0).x) << row.name;
    EXPECT_EQ(area.HorizontalLine(n).start.y, area.WorldToScreen(0, row.lines[i]).y) << row.name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GridOriginTest,
    ::testing::Values(
        GridRow{"negative_between_steps", -0.25, 0.25, 0.1, {-0.2, -0.1, 0, 0.1, 0.2}},
        GridRow{"negative_on_a_step", -0.2, 0.2, 0.1, {-0.2, -0.1, 0, 0.1}},
        GridRow{"zero", 0, 1, 0.25, {0.25, 0.5, 0.75}},
        GridRow{"negative_up_to_zero", -1, 0, 0.25, {-1, -0.75, -0.5, -0.25}},
        GridRow{"wholly_negative_added_up", -1, -0.5, 0.2, {-1, -1 + 0.2, -1 + 0.2 + 0.2}}),
    [](const auto& row) { return std::string(row.param.name); });

// With one flag of the two only that set of labels is written: the x labels
// below the graph, the y labels left of it.
struct LabelFlags {
  const char* name;
  bool x, y;
};

class LabelFlagsTest : public GraphTest, public ::testing::WithParamInterface<LabelFlags> {};

TEST_P(LabelFlagsTest, WritesOnlyTheLabelsAskedFor) {
  const LabelFlags& row = GetParam();
  graph.DrawTickLabels(dc, row.x, row.y);
  const int below = InkIn(290, 371, 670, 395);  // the x labels' rows
  const int left = InkIn(250, 140, 305, 366);   // the y labels' columns
  EXPECT_EQ(below > 0, row.x) << row.name;
  EXPECT_EQ(left > 0, row.y) << row.name;
  EXPECT_EQ(Painted(), below + left) << row.name << ": nothing elsewhere";
}

INSTANTIATE_TEST_SUITE_P(Flags, LabelFlagsTest,
                         ::testing::Values(LabelFlags{"x_only", true, false},
                                           LabelFlags{"y_only", false, true},
                                           LabelFlags{"neither", false, false},
                                           LabelFlags{"both", true, true}),
                         [](const auto& row) { return std::string(row.param.name); });

// Each label shows the world value of its line's pixel, from the anchor
// (304, 374): x labels hang centred below row 374, y labels end at column
// 304 standing on the row 3 pixels below their line.
TEST_F(GraphTest, LabelsShowThePixelsWorldValueAtTheAnchor) {
  graph.DrawTickLabels(dc, true, true);
  const char* x[] = {"0.6", "0.8", "1.0", "1.2", "1.4", "1.6", "1.8", "2.0"};
  const char* y[] = {"0.9", "1.2", "1.5", "1.8", "2.1", "2.4", "2.7"};
  for (int i = 0; i < 8; ++i) Write(12, 6, 0, false, TA_CENTER | TA_TOP, kColumns[i], 374, x[i]);
  for (int i = 0; i < 7; ++i)
    Write(12, 6, 0, false, TA_RIGHT | TA_BASELINE, 304, kRows[i] + 3, y[i]);
  EXPECT_GT(Painted(), 15 * 20);
  EXPECT_TRUE(AsExpected());
  // The labels' font stays selected with the last alignment.
  EXPECT_EQ(dc.GetCurrentFont().Log(), expected.GetCurrentFont().Log());
  EXPECT_EQ(dc.GetTextAlign(), TA_RIGHT | TA_BASELINE);
}

// The x title hangs from (480, 392); the y title is turned upwards about
// (258, 257); the small one over it at (257, 257) is transparent. The large
// ones take the context's background as it is.
TEST_F(GraphTest, TitlesStandAtTheirPoints) {
  dc.SetBkColor(RGB(255, 0, 0));
  graph.DrawXTitle(dc, "m (kg)", true);
  graph.DrawYTitle(dc, "T (s)", false);
  graph.DrawYTitleSmall(dc, "2   2", false);
  expected.SetBkColor(RGB(255, 0, 0));
  Write(15, 7, 0, true, TA_CENTER | TA_TOP, 480, 392, "m (kg)");
  Write(15, 7, 900, false, TA_CENTER | TA_TOP, 258, 257, "T (s)");
  expected.SetBkMode(TRANSPARENT);
  Write(8, 4, 900, false, TA_CENTER | TA_TOP, 257, 257, "2   2");
  EXPECT_GT(Painted(), 3 * 50);
  EXPECT_TRUE(AsExpected());
  EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
  EXPECT_EQ(dc.GetCurrentFont().Log(), expected.GetCurrentFont().Log());
}

struct ClipCase {
  const char* name;
  double x1, y1, x2, y2;
  bool drawn;
  CPlotArea::Segment segment;
};
class ClipTest : public GraphTest, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(ClipTest, DrawsThePartInsideTheWorld) {
  const ClipCase& c = GetParam();
  CPlotArea::Segment out{-7, -7, -7, -7};
  const CPlotArea::Segment e = c.drawn ? c.segment : out;
  EXPECT_EQ(graph.DrawClippedSegment(dc, c.x1, c.y1, c.x2, c.y2, out), c.drawn);
  EXPECT_EQ((std::vector{out.x1, out.y1, out.x2, out.y2}), (std::vector{e.x1, e.y1, e.x2, e.y2}));
  // Drawn from the first point up to, not including, the second.
  if (c.drawn) {
    expected.MoveTo(e.x1, e.y1);
    expected.LineTo(e.x2, e.y2);
  }
  EXPECT_TRUE(AsExpected());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Segments, ClipTest, ::testing::Values(
    // The inside end first, then the crossings in edge order.
    ClipCase{"EndThenLeftEdge", 0, 0.5, 2, 2.5, true, {651, 178, 309, 337}},
    ClipCase{"Horizontal", 0, 1.5, 2, 1.5, true, {651, 291, 309, 291}},
    ClipCase{"AboveTheWorld", 0, 3, 2, 3, false, {}},
    ClipCase{"BothEndsInside", 1.0, 1.0, 1.4, 2.0, true, {406, 348, 504, 235}},
    ClipCase{"Diagonal", 0.0, 0.0, 3.0, 3.5, true, {651, 197, 329, 370}},
    ClipCase{"EndOnTheTopEdge", 1.0, 2.8, 3.0, 2.8, true, {406, 144, 651, 144}},
    ClipCase{"OnlyAnEndOnTheLeftEdge", 0.6, 1.0, 0.0, 1.0, false, {}},
    ClipCase{"VerticalAcrossTheFullHeight", 1.0, -5, 1.0, 10, true, {406, 370, 406, 144}},
    // Parallel segments are clipped by their own extent too.
    ClipCase{"VerticalFromInsideUpwards", 1.0, 2.0, 1.0, 3.0, true, {406, 235, 406, 144}},
    ClipCase{"VerticalWhollyAbove", 1.0, 3.0, 1.0, 4.0, false, {}},
    ClipCase{"HorizontalWhollyLeft", -3.0, 1.5, 0.0, 1.5, false, {}},
    ClipCase{"PointOutside", 1.0, 5.0, 1.0, 5.0, false, {}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace

}  // namespace lab
