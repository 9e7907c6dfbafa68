// Text on a surface: faces found by name with a serif fallback, placement by
// the alignment (level and turned upwards), the opaque cell, blending, the
// width scale, and the behaviour without any font at all.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/text/font_library.h"
#include "platform/text/text_renderer.h"
#include "tests/support/png.h"

namespace lab {

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);

CFont MakeFont(int height, int width, int escapement, const char* face = "Times New Roman",
               int weight = FW_DONTCARE, bool italic = false) {
  CFont font;
  font.CreateFont(height, width, escapement, escapement, weight, italic, false, false, ANSI_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, face);
  return font;
}

// The bounding box of the pixels that differ from the background colour.
CRect InkBox(const Surface& surface, COLORREF background, const CRect& within) {
  CRect box;
  for (int y = within.top; y < within.bottom; ++y)
    for (int x = within.left; x < within.right; ++x)
      if (surface.GetPixel(x, y) != background) box = UnionRects(box, CRect(x, y, x + 1, y + 1));
  return box;
}
CRect InkBox(const Surface& surface, COLORREF background = kPaper) {
  return InkBox(surface, background, surface.Bounds());
}

// A surface with a context that writes in the given font, transparently.
struct Writer {
  Writer(const CFont& f, int width = 200, int height = 120)
      : surface(width, height, kPaper), dc(surface), font(f) {
    dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
  }
  Surface surface;
  CDC dc;
  CFont font;
};

struct FaceRow {
  const char* face;
  int weight;
  bool italic;
  const char* file;  // part of the face file's name
};

class FaceResolution : public ::testing::TestWithParam<FaceRow> {};

TEST_P(FaceResolution, FindsTheInstalledFaceOrASerifOne) {
  const FaceRow& row = GetParam();
  const CFont font = MakeFont(12, 0, 0, row.face, row.weight, row.italic);
  const std::string file = text::TextRenderer::Shared().FaceFile(font.Log());
  EXPECT_NE(file.find(row.file), std::string::npos) << file;
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FaceResolution,
    ::testing::Values(FaceRow{"Times New Roman", 0, false, "LiberationSerif-Regular"},
                      FaceRow{"Times New Roman", 550, false, "LiberationSerif-Regular"},
                      FaceRow{"Times New Roman", 551, false, "LiberationSerif-Bold"},
                      FaceRow{"Times New Roman", FW_BOLD, true, "LiberationSerif-BoldItalic"},
                      FaceRow{"Times New Roman", 0, true, "LiberationSerif-Italic"},
                      FaceRow{"Liberation Sans", 0, false, "LiberationSans-Regular"},
                      FaceRow{"No Such Face 4711", 0, false, "Serif"},
                      FaceRow{"", 0, false, "Serif"}));

TEST(TextOut, MadeUpFaceStillDrawsInk) {
  Writer w(MakeFont(15, 7, 0, "No Such Face 4711"));
  EXPECT_TRUE(w.dc.TextOut(10, 10, "Abc"));
  EXPECT_FALSE(InkBox(w.surface).IsRectEmpty());
}

TEST(TextOut, RightBaselineEndsAtThePointAndStandsOnIt) {
  Writer w(MakeFont(12, 6, 0));
  w.dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
  w.dc.TextOut(100, 50, "2.7");
  const CRect ink = InkBox(w.surface);
  EXPECT_GE(ink.right, 99);
  EXPECT_LE(ink.right, 101);
  EXPECT_EQ(ink.bottom, 50);  // the lowest ink row lies just above the baseline y
  EXPECT_GE(ink.top, 50 - 10);

  Writer descender(MakeFont(12, 6, 0));
  descender.dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
  descender.dc.TextOut(100, 50, "gy");
  EXPECT_GT(InkBox(descender.surface).bottom, 51);
  EXPECT_LE(InkBox(descender.surface).bottom, 52);
}

TEST(TextOut, CentreTopHangsCentredBelowThePoint) {
  Writer w(MakeFont(12, 6, 0));
  w.dc.SetTextAlign(TA_CENTER | TA_TOP);
  w.dc.TextOut(100, 20, "1.0");
  const CRect ink = InkBox(w.surface);
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 100.0, 1.5);
  EXPECT_GE(ink.top, 20);
  EXPECT_LE(ink.top, 24);
  EXPECT_LE(ink.bottom, 20 + 10);  // digits end on the baseline, an ascent below y
}

// The text turned by 900 is the level text turned a quarter counter-clockwise,
// pixel for pixel: a level pixel at (u, v) from the reference point lies at
// (v, -u - 1) from it when turned.
TEST(TextOut, EscapementNinetyIsTheLevelTextTurnedUpwards) {
  for (unsigned align : {TA_LEFT | TA_BASELINE, TA_CENTER | TA_TOP, TA_RIGHT | TA_BOTTOM}) {
    Writer level(MakeFont(15, 7, 0), 120, 120);
    Writer turned(MakeFont(15, 7, 900), 120, 120);
    level.dc.SetTextAlign(align);
    turned.dc.SetTextAlign(align);
    level.dc.TextOut(50, 60, "Fy(N)");
    turned.dc.TextOut(60, 70, "Fy(N)");
    ASSERT_FALSE(InkBox(turned.surface).IsRectEmpty());
    for (int v = -50; v < 50; ++v)
      for (int u = -50; u < 50; ++u)
        ASSERT_EQ(level.surface.GetPixel(50 + u, 60 + v),
                  turned.surface.GetPixel(60 + v, 70 - u - 1))
            << "align " << align << " u " << u << " v " << v;
  }
}

TEST(TextOut, TurnedTextReadsUpwardsInATallNarrowBox) {
  Writer first(MakeFont(15, 7, 900));
  first.dc.SetTextAlign(TA_LEFT | TA_BASELINE);
  first.dc.TextOut(50, 100, "T");
  Writer both(MakeFont(15, 7, 900));
  both.dc.SetTextAlign(TA_LEFT | TA_BASELINE);
  both.dc.TextOut(50, 100, "Ti");
  const CRect t = InkBox(first.surface);
  ASSERT_FALSE(t.IsRectEmpty());
  // The second letter adds ink only above the first one.
  CRect added;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x)
      if (both.surface.GetPixel(x, y) != first.surface.GetPixel(x, y))
        added = UnionRects(added, CRect(x, y, x + 1, y + 1));
  ASSERT_FALSE(added.IsRectEmpty());
  EXPECT_LE(added.bottom, t.top + 1);
  EXPECT_LE(t.bottom, 100);
  // Glyph tops face left of the baseline x, their feet stand on it.
  EXPECT_LT(t.left, 50);
  EXPECT_LE(t.right, 51);

  Writer title(MakeFont(15, 7, 900));
  title.dc.SetTextAlign(TA_CENTER | TA_TOP);
  title.dc.TextOut(20, 60, "Forca (N)");
  const CRect box = InkBox(title.surface);
  EXPECT_GT(box.Height(), 4 * box.Width());
  EXPECT_NEAR((box.top + box.bottom) / 2.0, 60.0, 2.0);
  EXPECT_GE(box.left, 20);  // the top of the cell is at x; the glyphs hang to its right
}

TEST(TextOut, OtherEscapementsTurnTheTextAboutThePoint) {
  Writer w(MakeFont(15, 7, 450), 160, 160);
  w.dc.SetBkMode(OPAQUE);
  w.dc.FillSolidRect(0, 0, 1, 1, RGB(220, 220, 255));
  w.dc.SetTextAlign(TA_LEFT | TA_BASELINE);
  const Surface before = w.surface;
  w.dc.TextOut(30, 130, "Allargament");
  const CRect ink = InkBox(w.surface, kPaper, CRect(1, 1, 160, 160));
  const double length = w.dc.GetTextExtent("Allargament").cx;
  // The baseline runs up and to the right at 45 degrees.
  EXPECT_NEAR(ink.Width(), length * 0.7071 + 12, 6);
  EXPECT_NEAR(ink.Height(), length * 0.7071 + 12, 6);
  EXPECT_GE(ink.left, 30 - 12);
  EXPECT_LE(ink.bottom, 130 + 4);
  int cellPixels = 0;  // the turned cell shows round the glyphs
  for (int y = 1; y < 160; ++y)
    for (int x = 1; x < 160; ++x) cellPixels += w.surface.GetPixel(x, y) == RGB(220, 220, 255);
  EXPECT_GT(cellPixels, length * 15 / 2);
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 160; ++x)
      if (w.surface.GetPixel(x, y) != before.GetPixel(x, y)) {
        ASSERT_TRUE(w.dc.Changed().PtInRect({x, y})) << x << "," << y;
      }
}

// The text cell of a text written at (x, y) with alignment left + top.
CRect CellOf(int escapement, int x, int y, CSize extent) {
  return escapement == 0 ? CRect(x, y, x + extent.cx, y + extent.cy)
                         : CRect(x, y - extent.cx, x + extent.cy, y);
}

class OpaqueCell : public ::testing::TestWithParam<int> {};

TEST_P(OpaqueCell, OpaqueFillsTheCellWithTheLastFillColourAndTransparentNothing) {
  const int escapement = GetParam();
  const COLORREF kFill = RGB(200, 220, 240);
  Writer w(MakeFont(12, 6, escapement), 200, 120);
  w.dc.SetBkMode(OPAQUE);
  w.dc.FillSolidRect(0, 0, 1, 1, kFill);
  const CSize extent = w.dc.GetTextExtent("Ag 1");
  ASSERT_GT(extent.cx, 10);
  EXPECT_EQ(extent.cy, 12);
  w.dc.TextOut(30, 80, "Ag 1");
  const CRect cell = CellOf(escapement, 30, 80, extent);
  for (int y = cell.top - 1; y <= cell.bottom; ++y) {
    for (int x = cell.left - 1; x <= cell.right; ++x) {
      const COLORREF c = w.surface.GetPixel(x, y);
      if (cell.PtInRect({x, y})) {
        ASSERT_NE(c, kPaper) << x << "," << y;
      } else {
        ASSERT_EQ(c, kPaper) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(w.surface.GetPixel(cell.left, cell.top), kFill);
  EXPECT_EQ(w.surface.GetPixel(cell.right - 1, cell.bottom - 1), kFill);
  EXPECT_EQ(w.dc.Changed(), UnionRects(cell, CRect(0, 0, 1, 1)));

  // Transparent text over a coloured field changes only inked pixels, and
  // blends its edges with the field.
  Writer t(MakeFont(12, 6, escapement), 200, 120);
  t.dc.FillSolidRect(0, 0, 200, 120, RGB(255, 0, 0));
  t.dc.TextOut(30, 80, "Ag 1");
  EXPECT_EQ(t.surface.GetPixel(cell.left, cell.top), RGB(255, 0, 0));
  EXPECT_EQ(t.surface.GetPixel(cell.right - 1, cell.bottom - 1), RGB(255, 0, 0));
  int partial = 0;
  for (int y = cell.top; y < cell.bottom; ++y)
    for (int x = cell.left; x < cell.right; ++x) {
      const COLORREF c = t.surface.GetPixel(x, y);
      if (c != RGB(255, 0, 0) && c != kInk) {
        ++partial;
        EXPECT_EQ(GetGValue(c), 0);
        EXPECT_EQ(GetBValue(c), 0);
      }
    }
  EXPECT_GT(partial, 3);
}

INSTANTIATE_TEST_SUITE_P(Escapements, OpaqueCell, ::testing::Values(0, 900));

// Advance widths of Liberation Serif, font units of 2048 per em.
double SerifAdvanceUnits(char c) {
  static const int kLower[26] = {909, 1024, 909,  1024, 909,  682,  1024, 1024, 569,
                                 569, 1024, 569,  1593, 1024, 1024, 1024, 1024, 682,
                                 797, 569,  1024, 1024, 1479, 1024, 1024, 909};
  if (c >= 'a' && c <= 'z') return kLower[c - 'a'];
  if (c >= '0' && c <= '9') return 1024;
  return 512;  // space and full stop
}

struct WidthRow {
  int height, width, ppem;
  double xScale;
};

class TextWidth : public ::testing::TestWithParam<WidthRow> {};

// Each advance is the face's advance at the em size, scaled by the width
// factor and rounded to a whole pixel.
TEST_P(TextWidth, AdvancesAreTheScaledFaceAdvancesRounded) {
  const WidthRow& row = GetParam();
  Writer w(MakeFont(row.height, row.width, 0));
  const text::PixelMetrics m = text::TextRenderer::Shared().Metrics(w.font.Log());
  EXPECT_EQ(m.ppem, row.ppem);
  EXPECT_NEAR(m.xScale, row.xScale, 1e-3);
  for (std::string sample : {"0.6", "1.8", "the quick brown fox", "elastic constant"}) {
    double expected = 0;
    for (char c : sample) expected += SerifAdvanceUnits(c) * row.ppem / 2048.0 * row.xScale;
    const CSize extent = w.dc.GetTextExtent(sample);
    EXPECT_NEAR(extent.cx, expected, 0.5 * static_cast<double>(sample.size()) + 0.01) << sample;
    EXPECT_EQ(extent.cy, row.height);
  }
  EXPECT_EQ(w.dc.GetTextExtent("").cx, 0);
}

INSTANTIATE_TEST_SUITE_P(Fonts, TextWidth,
                         ::testing::Values(WidthRow{12, 0, 11, 1.0},
                                           WidthRow{12, 6, 11, 6 / (821.813 * 11 / 2048)},
                                           WidthRow{15, 7, 14, 7 / (821.813 * 14 / 2048)},
                                           WidthRow{8, 4, 7, 4 / (821.813 * 7 / 2048)}));

TEST(TextOut, LeavesThePositionAndReportsEveryChangedPixel) {
  Writer w(MakeFont(15, 7, 900));
  w.dc.SetBkMode(OPAQUE);
  w.dc.MoveTo(3, 4);
  const Surface before = w.surface;
  w.dc.SetTextAlign(TA_CENTER | TA_TOP);
  w.dc.TextOut(20, 60, "Forca");
  EXPECT_EQ(w.dc.GetCurrentPosition(), (CPoint{3, 4}));
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x)
      if (w.surface.GetPixel(x, y) != before.GetPixel(x, y)) {
        ASSERT_TRUE(w.dc.Changed().PtInRect({x, y})) << x << "," << y;
      }
}

TEST(TextOut, ClipsAtTheSurfaceEdges) {
  Writer w(MakeFont(15, 7, 900), 30, 30);
  w.dc.SetBkMode(OPAQUE);
  w.dc.FillSolidRect(0, 0, 1, 1, RGB(1, 2, 3));
  w.dc.TextOut(-5, 10, "Allargament");
  w.dc.TextOut(25, 40, "Allargament");
  w.dc.TextOut(INT_MAX - 3, INT_MIN + 3, "x");
  EXPECT_TRUE(IntersectRects(w.dc.Changed(), w.surface.Bounds()) == w.dc.Changed());
}

TEST(TextRenderer, WithoutAnyFontDrawsNothing) {
  const std::string config = ::testing::TempDir() + "lab-no-fonts.conf";
  {
    std::ofstream out(config);
    out << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
  }
  text::TextRenderer renderer(std::make_unique<text::FontLibrary>(config.c_str()));
  Surface surface(50, 30, kPaper);
  const Surface before = surface;
  text::TextPlacement placement;
  placement.x = 10;
  placement.y = 10;
  placement.opaque = true;
  placement.background = RGB(9, 9, 9);
  const CFont font = MakeFont(12, 6, 0);
  const text::TextResult result = renderer.Draw(surface, font.Log(), placement, "1.0");
  EXPECT_FALSE(result.drawn);
  EXPECT_TRUE(result.changed.IsRectEmpty());
  EXPECT_TRUE(InkBox(surface).IsRectEmpty());
  EXPECT_EQ(renderer.Extent(font.Log(), "1.0"), CSize());
  EXPECT_EQ(renderer.FaceFile(font.Log()), "");
  std::remove(config.c_str());
}

// The texts of the lab's graph panel: tick labels below and left of the
// area, the two titles and an exponent over the upright title. Set
// LAB_TEXT_SAMPLE_PNG to a path to keep the picture (and a four-times
// enlargement beside it) for looking at.
TEST(TextOut, GraphPanelTextsDoNotCollide) {
  Surface surface(420, 260, RGB(0, 0, 0));
  CDC dc(surface);
  dc.FillSolidRect(70, 20, 342, 180, RGB(255, 255, 255));
  CFont labels = MakeFont(12, 6, 0);
  dc.SelectObject(labels);
  dc.SetTextAlign(TA_CENTER | TA_TOP);
  const char* xs[] = {"0.6", "0.8", "1.0", "1.2", "1.4", "1.6", "1.8", "2.0"};
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(dc.TextOut(70 + i * 48, 204, xs[i]));
  dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
  const char* ys[] = {"0.9", "1.2", "1.5", "1.8", "2.1", "2.4", "2.7"};
  for (int i = 0; i < 7; ++i) dc.TextOut(65, 189 - i * 26 + 3, ys[i]);
  CFont title = MakeFont(15, 7, 0);
  dc.SelectObject(title);
  dc.SetTextAlign(TA_CENTER | TA_TOP);
  dc.TextOut(241, 222, "Allargament x (m)");
  CFont upright = MakeFont(15, 7, 900);
  dc.SelectObject(upright);
  dc.TextOut(20, 110, "T\xC2\xB2 (s )");
  CFont exponent = MakeFont(8, 4, 900);
  dc.SelectObject(exponent);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(19, 98, "2");

  // Successive x labels do not run into each other.
  const CRect first = InkBox(surface, RGB(0, 0, 0), CRect(40, 200, 100, 220));
  const CRect second = InkBox(surface, RGB(0, 0, 0), CRect(100, 200, 150, 220));
  EXPECT_LT(first.right, second.left);
  EXPECT_NEAR(first.Width(), 18, 3);

  if (const char* path = std::getenv("LAB_TEXT_SAMPLE_PNG")) {
    ASSERT_TRUE(WritePng(path, surface));
    RgbPicture big{surface.Width() * 4, surface.Height() * 4, {}};
    for (int y = 0; y < big.height; ++y)
      for (int x = 0; x < big.width; ++x) big.pixels.push_back(surface.RawPixel(x / 4, y / 4));
    ASSERT_TRUE(WritePng(std::string(path) + ".x4.png", big));
  }
}

}  // namespace

}  // namespace lab
