// Ellipses: the exact outline and fill of the worked example, sorted
// corners, degenerate boxes, and the shape of circles of the lab's sizes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dc.h"

namespace lab {

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kPen = RGB(0, 0, 128);
constexpr COLORREF kBrush = RGB(0, 200, 0);

// 'o' pen, '#' brush, '.' paper, '?' anything else.
std::vector<std::string> Picture(const Surface& surface) {
  std::vector<std::string> rows;
  for (int y = 0; y < surface.Height(); ++y) {
    std::string row;
    for (int x = 0; x < surface.Width(); ++x) {
      const COLORREF c = surface.GetPixel(x, y);
      row += c == kPen ? 'o' : c == kBrush ? '#' : c == kPaper ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

struct Painter {
  Painter(int width, int height) : surface(width, height, kPaper), dc(surface) {
    dc.SelectObject(pen);
    dc.SelectObject(brush);
  }
  Surface surface;
  CDC dc;
  CPen pen{PS_SOLID, 1, kPen};
  CBrush brush{kBrush};
};

const std::vector<std::string> kExample = {
    "...oooo.....",  //
    ".oo####oo...",  //
    "o########o..",  //
    "o########o..",  //
    "o########o..",  //
    ".oo####oo...",  //
    "...oooo.....",  //
    "............",
};

struct CornerRow {
  int x1, y1, x2, y2;
};

class EllipseExample : public ::testing::TestWithParam<CornerRow> {};

TEST_P(EllipseExample, MatchesTheWorkedExampleInAnyCornerOrder) {
  const CornerRow& c = GetParam();
  Painter p(12, 8);
  EXPECT_TRUE(p.dc.Ellipse(c.x1, c.y1, c.x2, c.y2));
  EXPECT_EQ(Picture(p.surface), kExample);
  EXPECT_EQ(p.dc.Changed(), CRect(0, 0, 10, 7));
}

INSTANTIATE_TEST_SUITE_P(Corners, EllipseExample,
                         ::testing::Values(CornerRow{0, 0, 10, 7}, CornerRow{10, 7, 0, 0},
                                           CornerRow{0, 7, 10, 0}, CornerRow{10, 0, 0, 7}));

struct DegenerateRow {
  int x1, y1, x2, y2;
  std::vector<std::string> picture;
};

class EllipseDegenerate : public ::testing::TestWithParam<DegenerateRow> {};

TEST_P(EllipseDegenerate, ZeroSizeDrawsNothingAndThinBoxesDrawARectangle) {
  const DegenerateRow& row = GetParam();
  Painter p(5, 4);
  p.dc.Ellipse(row.x1, row.y1, row.x2, row.y2);
  EXPECT_EQ(Picture(p.surface), row.picture);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EllipseDegenerate,
    ::testing::Values(DegenerateRow{1, 1, 1, 4, {".....", ".....", ".....", "....."}},
                      DegenerateRow{0, 2, 5, 2, {".....", ".....", ".....", "....."}},
                      DegenerateRow{1, 0, 3, 4, {".oo..", ".oo..", ".oo..", ".oo.."}},
                      DegenerateRow{4, 3, 0, 2, {".....", ".....", "oooo.", "....."}},
                      DegenerateRow{0, 0, 3, 3, {".o...", "o#o..", ".o...", "....."}}));

// Circles and ellipses of the sizes the lab draws: symmetric about both
// middle lines, touching each side of the box and nothing outside it, one
// run of pen-brush-pen per row, and an outline that closes.
class EllipseShape : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(EllipseShape, IsSymmetricConvexAndClosed) {
  const auto [w, h] = GetParam();
  Painter p(w + 4, h + 4);
  p.dc.Ellipse(2, 2, 2 + w, 2 + h);
  const std::vector<std::string> pic = Picture(p.surface);
  for (int y = 0; y < h + 4; ++y) {
    for (int x = 0; x < w + 4; ++x) {
      const bool inBox = x >= 2 && x < 2 + w && y >= 2 && y < 2 + h;
      if (!inBox) {
        ASSERT_EQ(pic[y][x], '.') << x << "," << y;
        continue;
      }
      ASSERT_EQ(pic[y][x], pic[y][(2 + 2 + w - 1) - x]) << "left-right at " << x << "," << y;
      ASSERT_EQ(pic[y][x], pic[(2 + 2 + h - 1) - y][x]) << "top-bottom at " << x << "," << y;
    }
  }
  for (int y = 2; y < 2 + h; ++y) {
    const std::string& row = pic[y];
    const auto first = row.find_first_not_of('.');
    const auto last = row.find_last_not_of('.');
    ASSERT_NE(first, std::string::npos) << "row " << y << " empty";
    const std::string run = row.substr(first, last - first + 1);
    const auto fillFirst = run.find('#');
    if (fillFirst != std::string::npos) {
      const auto fillLast = run.rfind('#');
      EXPECT_EQ(run.find_first_not_of('o'), fillFirst) << "row " << y << ": " << run;
      EXPECT_EQ(run.substr(fillFirst, fillLast - fillFirst + 1).find_first_not_of('#'),
                std::string::npos)
          << "row " << y << ": " << run;
      EXPECT_EQ(run.find_last_not_of('o'), fillLast) << "row " << y << ": " << run;
    } else {
      EXPECT_EQ(run.find_first_not_of('o'), std::string::npos) << "row " << y << ": " << run;
    }
  }
  EXPECT_NE(pic[2].find('o'), std::string::npos);
  EXPECT_NE(pic[1 + h].find('o'), std::string::npos);
  bool left = false, right = false;
  for (int y = 2; y < 2 + h; ++y) {
    left = left || pic[y][2] == 'o';
    right = right || pic[y][1 + w] == 'o';
  }
  EXPECT_TRUE(left && right);

  // Closed: with a hollow brush, the paper outside cannot reach the centre
  // through side-by-side neighbours.
  Painter hollow(w + 4, h + 4);
  CBrush none;
  none.CreateNullBrush();
  hollow.dc.SelectObject(none);
  hollow.dc.Ellipse(2, 2, 2 + w, 2 + h);
  std::vector<std::string> flood = Picture(hollow.surface);
  std::vector<std::pair<int, int>> stack = {{0, 0}};
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    if (x < 0 || y < 0 || x >= w + 4 || y >= h + 4 || flood[y][x] != '.') continue;
    flood[y][x] = '*';
    stack.insert(stack.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  EXPECT_EQ(flood[2 + h / 2][2 + w / 2], '.') << "outline has a gap";
}

INSTANTIATE_TEST_SUITE_P(Sizes, EllipseShape,
                         ::testing::Values(std::pair{3, 3}, std::pair{4, 4}, std::pair{5, 5},
                                           std::pair{7, 7}, std::pair{10, 7}, std::pair{20, 20},
                                           std::pair{21, 21}, std::pair{24, 24}, std::pair{27, 27},
                                           std::pair{30, 30}, std::pair{33, 33}, std::pair{36, 36},
                                           std::pair{35, 12}, std::pair{12, 35}, std::pair{40, 3},
                                           std::pair{3, 40}, std::pair{61, 4}));

TEST(EllipseClipping, PartlyOutsideMatchesTheVisiblePartOfTheWhole) {
  Painter whole(60, 60);
  whole.dc.Ellipse(10, 14, 46, 50);
  Painter clipped(30, 30);
  clipped.dc.Ellipse(-10, -6, 26, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(clipped.surface.GetPixel(x, y), whole.surface.GetPixel(x + 20, y + 20));
  EXPECT_EQ(clipped.dc.Changed(), CRect(0, 0, 26, 30));
}

TEST(EllipsePen, WithoutAPenTheBrushCoversTheWholeShape) {
  Painter p(12, 8);
  CPen none(PS_NULL, 1, kPen);
  p.dc.SelectObject(none);
  p.dc.Ellipse(0, 0, 10, 7);
  std::vector<std::string> expected = kExample;
  for (std::string& row : expected)
    for (char& c : row)
      if (c == 'o') c = '#';
  EXPECT_EQ(Picture(p.surface), expected);
}

}  // namespace

}  // namespace lab
