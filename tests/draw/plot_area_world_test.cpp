// The plot area's world mapping, grid, labels, titles and clipped segments
// on the squared-period graph: 342 x 226 pixels at (309, 144) showing m from
// 0.6 to 2.0 kg and T^2 from 0.8 to 2.8 s^2.
#include <cmath>
#include <string>
#include <vector>

#include "draw/plot_area.h"
#include "draw_test_pictures.h"
#include "platform/runtime.h"

namespace {

class GraphTest : public draw_test::SurfaceTest {
 protected:
  GraphTest() {
    graph.SetRect(309, 144, 342, 226);
    graph.SetWorld(0.6, 2.0, 0.8, 2.8);
    graph.MakeGrid(0.2, 0, 1, 0, 0.3, 0, 0, 1);
  }
  std::vector<int> Columns() const {
    std::vector<int> out;
    for (int i = 0; i < graph.VerticalLineCount(); ++i)
      out.push_back(graph.VerticalLine(i).start.x);
    return out;
  }
  std::vector<int> Rows() const {
    std::vector<int> out;
    for (int i = 0; i < graph.HorizontalLineCount(); ++i)
      out.push_back(graph.HorizontalLine(i).start.y);
    return out;
  }
  const std::vector<int> kColumns = {309, 357, 406, 455, 504, 553, 602, 651};
  const std::vector<int> kRows = {359, 325, 291, 257, 224, 190, 156};
  CPlotArea graph;
};

TEST_F(GraphTest, MappingIsExactInDoubleAndTruncatesTowardZero) {
  EXPECT_EQ(graph.XScale(), 244.2857142857143);
  EXPECT_EQ(graph.YScale(), -113.00000000000001);
  EXPECT_EQ(graph.WorldToScreen(1.0, 0.7), (CPoint{406, 381}));
  EXPECT_EQ(graph.WorldToScreen(0.59, 0.8).x, 307);  // 2.44 pixels left of 309
  double x = 0, y = 0;
  graph.ScreenToWorld(357, 144, x, y);
  EXPECT_EQ(Format("%.16g", x), "0.7964912280701754");
  EXPECT_DOUBLE_EQ(y, 2.8);
  graph.SetWorld(0, 0, 1, 1);
  EXPECT_EQ(graph.XScale(), 1.0);
  EXPECT_EQ(graph.YScale(), -1.0);
}

TEST_F(GraphTest, InWorldIncludesTheEdgesAndRejectsNaN) {
  EXPECT_TRUE(graph.InWorld(2.0, 2.8));
  EXPECT_TRUE(graph.InWorld(0.6, 0.8));
  for (auto [x, y] : {std::pair{2.0000001, 1.0},
                      {0.5999999, 1.0},
                      {1.0, 0.7999999},
                      {1.0, 2.8000001},
                      {std::nan(""), 1.0},
                      {1.0, std::nan("")}})
    EXPECT_FALSE(graph.InWorld(x, y)) << x << "," << y;
}

TEST_F(GraphTest, GridPositionsAccumulateByRepeatedAddition) {
  // 1.9999999999999998 is still below 2.0: an eighth line on the right edge.
  EXPECT_EQ(Columns(), kColumns);
  EXPECT_EQ(Rows(), kRows);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(graph.VerticalLine(i).end, (CPoint{kColumns[i], 144}));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(graph.VerticalLine(i).start.y, 370);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(graph.HorizontalLine(i).end, (CPoint{651, kRows[i]}));
  // Anchored on the bottom and left edges with short fractions: ticks.
  graph.MakeGrid(0.2, 0.8, 0.1, 0.5, 0.3, 0.6, 0.5, 0.1);
  EXPECT_EQ(graph.VerticalLine(0).end, (CPoint{309, 348}));
  EXPECT_EQ(graph.HorizontalLine(0).end, (CPoint{343, 359}));
}

TEST_F(GraphTest, FullOrZeroStepLeavesTheOtherSetAlone) {
  // 120 lines stored, the operation ends, the horizontal set stays.
  graph.MakeGrid(0.001, 0, 1, 0, 0.5, 0, 0, 1);
  EXPECT_EQ(graph.VerticalLineCount(), CPlotArea::kMaxGridLines);
  EXPECT_EQ(graph.VerticalLine(119).start.x, 338);
  EXPECT_EQ(Rows(), kRows);
  // A zero or NaN step leaves its set unchanged; the other is recomputed.
  graph.MakeGrid(0, 0, 1, 0, 0.5, 0, 0, 1);
  EXPECT_EQ(graph.VerticalLineCount(), CPlotArea::kMaxGridLines);
  EXPECT_EQ(Rows(), (std::vector<int>{348, 291, 235, 178}));
  graph.MakeGrid(0.7, 0, 1, 0, std::nan(""), 0, 0, 1);
  EXPECT_EQ(Columns(), (std::vector<int>{333, 504}));
  EXPECT_EQ(graph.HorizontalLineCount(), 4);
}

TEST_F(GraphTest, GridDrawsLinesWithoutEndPixelAndBorderOnTheEdges) {
  graph.DrawGrid(dc, false);
  EXPECT_NE(At(357, 145), draw_test::kPaper);
  EXPECT_EQ(At(357, 144), draw_test::kPaper);  // the end pixel
  EXPECT_EQ(At(500, 370), draw_test::kPaper);
  graph.DrawGrid(dc, true);
  EXPECT_NE(At(357, 144), draw_test::kPaper);
  EXPECT_NE(At(500, 370), draw_test::kPaper);
  EXPECT_EQ(InkIn(0, 0, 308, 439).count + InkIn(652, 0, 699, 439).count, 0);
}

TEST_F(GraphTest, LabelsShowThePixelsWorldValueAtTheAnchor) {
  std::vector<std::string> x, y;
  double wx = 0, wy = 0;
  for (int i = 0; i < graph.VerticalLineCount(); ++i) {
    graph.ScreenToWorld(kColumns[i], 370, wx, wy);
    x.push_back(Format("%3.1f", wx));
  }
  for (int i = 0; i < graph.HorizontalLineCount(); ++i) {
    graph.ScreenToWorld(309, kRows[i], wx, wy);
    y.push_back(Format("%3.1f", wy));
  }
  EXPECT_EQ(x, (std::vector<std::string>{"0.6", "0.8", "1.0", "1.2", "1.4", "1.6", "1.8", "2.0"}));
  EXPECT_EQ(y, (std::vector<std::string>{"0.9", "1.2", "1.5", "1.8", "2.1", "2.4", "2.7"}));

  // The anchor is (304, 374): x labels hang centred below row 374, y labels
  // end at column 304 standing on the row 3 pixels below their line.
  graph.DrawTickLabels(dc, true, true);
  for (int column : kColumns) {
    const Ink ink = InkIn(column - 20, 364, column + 20, 395);
    EXPECT_GE(ink.top, 374) << column;
    EXPECT_LE(ink.bottom, 374 + 12) << column;
    EXPECT_NEAR(ink.left + ink.right, 2 * column, 4) << column;
  }
  for (int row : kRows) {
    const Ink ink = InkIn(260, row - 14, 308, row + 8);
    EXPECT_LE(ink.right, 304) << row;
    EXPECT_GE(ink.right, 300) << row;
    EXPECT_LE(ink.bottom, row + 3) << row;
    EXPECT_GE(ink.bottom, row + 1) << row;
  }
  EXPECT_EQ(InkIn(309, 144, 699, 370).count, 0);
  // The labels' font stays selected with the last alignment.
  EXPECT_EQ(dc.GetCurrentFont().Log().height, 12);
  EXPECT_EQ(dc.GetCurrentFont().Log().face, "Times New Roman");
  EXPECT_EQ(dc.GetTextAlign(), TA_RIGHT | TA_BASELINE);
}

TEST_F(GraphTest, TitlesStandAtTheirPoints) {
  graph.DrawXTitle(dc, "m (kg)", true);
  Ink ink = InkIn(380, 380, 580, 420);
  EXPECT_GE(ink.top, 392);  // hangs from (480, 392)
  EXPECT_LE(ink.top, 392 + 5);
  EXPECT_NEAR(ink.left + ink.right, 2 * 480, 6);
  EXPECT_TRUE(dc.GetCurrentFont().Log().italic);

  // Turned upwards about (258, 257): the top of the text faces left.
  graph.DrawYTitle(dc, "T (s)", false);
  ink = InkIn(230, 200, 300, 320);
  EXPECT_GE(ink.left, 258);
  EXPECT_LE(ink.right, 258 + 15);
  EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);
  EXPECT_NEAR(ink.top + ink.bottom, 2 * 257, 6);
  EXPECT_EQ(dc.GetBkMode(), OPAQUE);

  // The small title at (257, 257), transparent: a red background colour
  // shows nowhere.
  Wipe();
  dc.SetBkColor(RGB(255, 0, 0));
  graph.DrawYTitleSmall(dc, "2   2", false);
  ink = InkIn(230, 200, 300, 320);
  EXPECT_GE(ink.left, 257);
  EXPECT_LE(ink.right, 257 + 8);
  EXPECT_GT(ink.count, 0);
  for (int py = 200; py <= 320; ++py)
    for (int px = 230; px <= 300; ++px) ASSERT_NE(At(px, py), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
  EXPECT_EQ(dc.GetCurrentFont().Log().escapement, 900);
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
  const CPlotArea::Segment untouched{-7, -7, -7, -7};
  CPlotArea::Segment out = untouched;
  EXPECT_EQ(graph.DrawClippedSegment(dc, c.x1, c.y1, c.x2, c.y2, out), c.drawn);
  const CPlotArea::Segment e = c.drawn ? c.segment : untouched;
  EXPECT_EQ((std::vector{out.x1, out.y1, out.x2, out.y2}), (std::vector{e.x1, e.y1, e.x2, e.y2}));
  if (!c.drawn) {
    EXPECT_EQ(Painted(), 0);
  }
  if (c.drawn && (out.x1 != out.x2 || out.y1 != out.y2)) {
    EXPECT_NE(At(out.x1, out.y1), draw_test::kPaper);  // LineTo leaves out the second
    EXPECT_EQ(At(out.x2, out.y2), draw_test::kPaper);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Segments, ClipTest,
    ::testing::Values(
        // The inside end first, then the crossings in edge order.
        ClipCase{"EndThenLeftEdge", 0, 0.5, 2, 2.5, true, {651, 178, 309, 337}},
        ClipCase{"Horizontal", 0, 1.5, 2, 1.5, true, {651, 291, 309, 291}},
        ClipCase{"AboveTheWorld", 0, 3, 2, 3, false, {}},
        ClipCase{"BothEndsInside", 1.0, 1.0, 1.4, 2.0, true, {406, 348, 504, 235}},
        ClipCase{"Diagonal", 0.0, 0.0, 3.0, 3.5, true, {651, 197, 329, 370}},
        ClipCase{"EndOnTheTopEdge", 1.0, 2.8, 3.0, 2.8, true, {406, 144, 651, 144}},
        ClipCase{"VerticalAcrossTheFullHeight", 1.0, -5, 1.0, 10, true, {406, 370, 406, 144}},
        // Parallel segments are clipped by their own extent too.
        ClipCase{"VerticalFromInsideUpwards", 1.0, 2.0, 1.0, 3.0, true, {406, 235, 406, 144}},
        ClipCase{"VerticalWhollyAbove", 1.0, 3.0, 1.0, 4.0, false, {}},
        ClipCase{"HorizontalWhollyLeft", -3.0, 1.5, 0.0, 1.5, false, {}},
        ClipCase{"PointOutside", 1.0, 5.0, 1.0, 5.0, false, {}}),
    [](const ::testing::TestParamInfo<ClipCase>& row) { return std::string(row.param.name); });

}  // namespace
