// Lines: the Bresenham pixel rule, its independence of the direction, and
// clipping that does not change which pixels are lit.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "platform/dc.h"

namespace lab {

namespace {

using Pixels = std::set<std::pair<int, int>>;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(200, 30, 40);

Pixels InkOf(const Surface& surface, COLORREF ink) {
  Pixels lit;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x)
      if (surface.GetPixel(x, y) == ink) lit.insert({x, y});
  return lit;
}

// Draws one line in kInk on a fresh surface and returns the lit pixels,
// shifted by (shift, shift) back into line coordinates.
Pixels DrawLine(CPoint from, CPoint to, int size = 16, int shift = 0) {
  Surface surface(size, size, kWhite);
  CDC dc(surface);
  CPen pen(PS_SOLID, 1, kInk);
  dc.SelectObject(pen);
  dc.MoveTo(from.x + shift, from.y + shift);
  dc.LineTo(to.x + shift, to.y + shift);
  Pixels lit;
  for (auto [x, y] : InkOf(surface, kInk)) lit.insert({x - shift, y - shift});
  return lit;
}

struct LineRow {
  CPoint from, to;
  Pixels lit;
};

class LinePixels : public ::testing::TestWithParam<LineRow> {};

TEST_P(LinePixels, LightsExactlyTheRulePixels) {
  const LineRow& row = GetParam();
  EXPECT_EQ(DrawLine(row.from, row.to, 16, 4), row.lit);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LinePixels,
    ::testing::Values(
        // Shallow and steep lines, both directions.
        LineRow{{0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        LineRow{{4, 2}, {0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        LineRow{{0, 0}, {2, 4}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        LineRow{{2, 4}, {0, 0}, {{2, 4}, {1, 3}, {1, 2}, {0, 1}}},
        // Ties go to the smaller y on shallow lines, smaller x on steep ones.
        LineRow{{0, 0}, {2, 1}, {{0, 0}, {1, 0}}}, LineRow{{2, 1}, {0, 0}, {{2, 1}, {1, 0}}},
        LineRow{{0, 1}, {2, 0}, {{0, 1}, {1, 0}}}, LineRow{{2, 0}, {0, 1}, {{2, 0}, {1, 0}}},
        LineRow{{0, 0}, {1, 2}, {{0, 0}, {0, 1}}}, LineRow{{1, 2}, {0, 0}, {{1, 2}, {0, 1}}},
        LineRow{{1, 0}, {0, 2}, {{1, 0}, {0, 1}}}, LineRow{{0, 2}, {1, 0}, {{0, 2}, {0, 1}}},
        // Horizontal, vertical and diagonal lines; the end is never lit.
        LineRow{{2, 3}, {6, 3}, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
        LineRow{{6, 3}, {2, 3}, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}},
        LineRow{{1, 1}, {1, 4}, {{1, 1}, {1, 2}, {1, 3}}},
        LineRow{{1, 4}, {1, 1}, {{1, 4}, {1, 3}, {1, 2}}},
        LineRow{{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        LineRow{{3, 0}, {0, 3}, {{3, 0}, {2, 1}, {1, 2}}}, LineRow{{5, 5}, {5, 5}, {}}));

// Over every pair of end points in a small grid, A->B and B->A light the
// same pixels apart from the end that each leaves out.
TEST(LineDirection, PixelSetDependsOnlyOnWhichEndIsLit) {
  for (int ax = 0; ax < 7; ++ax)
    for (int ay = 0; ay < 7; ++ay)
      for (int bx = 0; bx < 7; ++bx)
        for (int by = 0; by < 7; ++by) {
          if (ax == bx && ay == by) continue;
          Pixels forward = DrawLine({ax, ay}, {bx, by});
          Pixels backward = DrawLine({bx, by}, {ax, ay});
          EXPECT_TRUE(forward.count({ax, ay}) && !forward.count({bx, by}));
          forward.insert({bx, by});
          backward.insert({ax, ay});
          ASSERT_EQ(forward, backward) << ax << "," << ay << " -> " << bx << "," << by;
        }
}

// A line that leaves the surface lights the same surface pixels as the
// whole line drawn on a surface large enough to hold it.
TEST(LineClipping, ClippedLineMatchesUnclippedLine) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-40, 56);
  for (int n = 0; n < 400; ++n) {
    const CPoint from{coordinate(random), coordinate(random)};
    const CPoint to{coordinate(random), coordinate(random)};
    const Pixels whole = DrawLine(from, to, 112, 48);
    Pixels visible;
    for (auto [x, y] : whole)
      if (x >= 0 && y >= 0 && x < 16 && y < 16) visible.insert({x, y});
    ASSERT_EQ(DrawLine(from, to, 16, 0), visible)
        << from.x << "," << from.y << " -> " << to.x << "," << to.y;
  }
}

TEST(LineClipping, ExtremeEndPointsKeepTheRule) {
  // The diagonal through the whole int range lights x == y.
  Pixels diagonal;
  for (int i = 0; i < 16; ++i) diagonal.insert({i, i});
  EXPECT_EQ(DrawLine({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}), diagonal);
  // A nearly vertical line a few billion pixels tall steps over at its
  // middle, row 0.
  Pixels column;
  for (int y = 0; y < 16; ++y) column.insert({1, y});
  EXPECT_EQ(DrawLine({0, INT_MIN}, {1, INT_MAX}), column);
  Pixels row;
  for (int x = 0; x < 16; ++x) row.insert({x, 3});
  EXPECT_EQ(DrawLine({INT_MAX, 3}, {INT_MIN, 3}), row);
}

TEST(LinePen, MovesThePositionAndDrawsOnlyWithAVisiblePen) {
  Surface surface(8, 8, kWhite);
  CDC dc(surface);
  EXPECT_EQ(dc.MoveTo(1, 1), (CPoint{0, 0}));
  EXPECT_EQ(dc.MoveTo(2, 2), (CPoint{1, 1}));
  dc.LineTo(5, 2);
  EXPECT_EQ(dc.GetCurrentPosition(), (CPoint{5, 2}));
  EXPECT_EQ(InkOf(surface, RGB(0, 0, 0)), (Pixels{{2, 2}, {3, 2}, {4, 2}}));

  CPen none(PS_NULL, 1, kInk);
  dc.SelectObject(none);
  dc.LineTo(5, 6);
  EXPECT_EQ(dc.GetCurrentPosition(), (CPoint{5, 6}));
  EXPECT_TRUE(InkOf(surface, kInk).empty());
  EXPECT_EQ(dc.Changed(), CRect(2, 2, 5, 3));
}

}  // namespace

}  // namespace lab
