// The device context's state, filled rectangles, pixels, picture copies,
// icons, and the record of what changed.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/dc.h"

namespace lab {

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct RecordingListener : SurfaceListener {
  void SurfaceChanged(const CRect& rect) override { changes.push_back(rect); }
  void PresentNow() override { ++presents; }
  std::vector<CRect> changes;
  int presents = 0;
};

TEST(DcState, FreshContextHasTheDefaultState) {
  Surface surface(4, 4, kPaper);
  CDC dc(surface);
  EXPECT_EQ(dc.GetCurrentPen(), CPen(PS_SOLID, 1, RGB(0, 0, 0)));
  EXPECT_EQ(dc.GetCurrentBrush(), CBrush(RGB(255, 255, 255)));
  EXPECT_TRUE(dc.GetCurrentFont().IsValid());
  EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255));
  EXPECT_EQ(dc.GetBkMode(), OPAQUE);
  EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
  EXPECT_EQ(dc.GetTextAlign(), TA_LEFT | TA_TOP);
  EXPECT_EQ(dc.GetCurrentPosition(), (CPoint{0, 0}));
  EXPECT_TRUE(dc.Changed().IsRectEmpty());
}

TEST(DcState, SettersReturnThePreviousValue) {
  Surface surface(4, 4, kPaper);
  CDC dc(surface);
  EXPECT_EQ(dc.SetTextAlign(26), TA_LEFT | TA_TOP);
  EXPECT_EQ(dc.SetTextAlign(6), 26u);
  EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
  EXPECT_EQ(dc.SetBkMode(OPAQUE), TRANSPARENT);
  EXPECT_EQ(dc.SetBkColor(kRed), kPaper);
  EXPECT_EQ(dc.SetBkColor(kBlue), kRed);
  EXPECT_EQ(dc.SetTextColor(kRed), RGB(0, 0, 0));
  EXPECT_EQ(dc.GetTextColor(), kRed);
}

TEST(DcState, SelectObjectReturnsTheReplacedObjectAndIgnoresEmptyOnes) {
  Surface surface(4, 4, kPaper);
  CDC dc(surface);
  const CPen original = dc.GetCurrentPen();
  CPen red(PS_SOLID, 1, kRed);
  EXPECT_EQ(dc.SelectObject(red), original);
  red.DeleteObject();  // the context keeps its copy
  EXPECT_EQ(dc.GetCurrentPen(), CPen(PS_SOLID, 1, kRed));
  EXPECT_FALSE(dc.SelectObject(CPen()).IsValid());
  EXPECT_EQ(dc.GetCurrentPen(), CPen(PS_SOLID, 1, kRed));

  CBrush blue(kBlue);
  EXPECT_EQ(dc.SelectObject(blue), CBrush(RGB(255, 255, 255)));
  EXPECT_FALSE(dc.SelectObject(CBrush()).IsValid());
  EXPECT_EQ(dc.GetCurrentBrush(), blue);

  const CFont defaultFont = dc.GetCurrentFont();
  CFont font;
  font.CreateFont(12, 6, 0, 0, 0, false, false, false, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "Times New Roman");
  EXPECT_EQ(dc.SelectObject(font), defaultFont);
  EXPECT_EQ(dc.SelectObject(font), font);
  CFont deleted = font;
  deleted.DeleteObject();
  EXPECT_FALSE(dc.SelectObject(deleted).IsValid());
  EXPECT_EQ(dc.GetCurrentFont(), font);
}

struct FillRow {
  CRect rect;
  CRect filled;  // on a 6 x 5 surface
};

class FillSolidRectRow : public ::testing::TestWithParam<FillRow> {};

TEST_P(FillSolidRectRow, FillsRightAndBottomExclusiveAndKeepsTheColour) {
  const FillRow& row = GetParam();
  for (bool asRect : {false, true}) {
    Surface surface(6, 5, kPaper);
    CDC dc(surface);
    if (asRect) {
      dc.FillSolidRect(row.rect, kRed);
    } else {
      dc.FillSolidRect(row.rect.left, row.rect.top, row.rect.Width(), row.rect.Height(), kRed);
    }
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x)
        ASSERT_EQ(surface.GetPixel(x, y), row.filled.PtInRect({x, y}) ? kRed : kPaper)
            << x << "," << y;
    EXPECT_EQ(dc.GetBkColor(), kRed);
    EXPECT_EQ(dc.Changed(), row.filled);
  }
}

INSTANTIATE_TEST_SUITE_P(Rects, FillSolidRectRow,
                         ::testing::Values(FillRow{{1, 1, 4, 3}, {1, 1, 4, 3}},
                                           FillRow{{2, 2, 3, 3}, {2, 2, 3, 3}},
                                           FillRow{{3, 1, 3, 4}, {}},  // no width
                                           FillRow{{4, 1, 2, 4}, {}},  // reversed
                                           FillRow{{-5, -5, 2, 9}, {0, 0, 2, 5}},
                                           FillRow{{5, 4, 1000, 1000}, {5, 4, 6, 5}},
                                           FillRow{{7, 0, 9, 5}, {}}));

TEST(DcPixels, SetPixelReturnsThePreviousColourAndIgnoresOutside) {
  Surface surface(3, 3, kPaper);
  CDC dc(surface);
  EXPECT_EQ(dc.SetPixel(1, 2, kRed), kPaper);
  EXPECT_EQ(dc.SetPixel(1, 2, kBlue), kRed);
  EXPECT_EQ(dc.GetPixel(1, 2), kBlue);
  EXPECT_EQ(dc.SetPixel(3, 0, kRed), CLR_INVALID);
  EXPECT_EQ(dc.SetPixel(-1, 0, kRed), CLR_INVALID);
  EXPECT_EQ(dc.Changed(), CRect(1, 2, 2, 3));
}

// A 5 x 4 picture whose pixel (x, y) holds 0xFF0000yx.
struct Picture {
  Picture() {
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 5; ++x) pixels[y * 5 + x] = 0xFF000000u | (y << 4) | x;
  }
  Bitmap bitmap() const { return Bitmap{5, 4, pixels.data()}; }
  std::array<std::uint32_t, 20> pixels{};
};

struct BlitRow {
  int x, y, w, h, sx, sy;
};

class BitBltRow : public ::testing::TestWithParam<BlitRow> {};

TEST_P(BitBltRow, CopiesOnlyWhatLiesInBothPictureAndSurface) {
  const BlitRow& r = GetParam();
  const Picture picture;
  Surface surface(6, 5, kPaper);
  CDC dc(surface);
  EXPECT_TRUE(dc.BitBlt(r.x, r.y, r.w, r.h, picture.bitmap(), r.sx, r.sy));
  CRect expectedChange;
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      const int i = x - r.x, j = y - r.y, px = r.sx + i, py = r.sy + j;
      const bool copied =
          i >= 0 && i < r.w && j >= 0 && j < r.h && px >= 0 && px < 5 && py >= 0 && py < 4;
      const std::uint32_t expected = copied ? picture.pixels[py * 5 + px] : ToPixel(kPaper);
      ASSERT_EQ(surface.RawPixel(x, y), expected) << x << "," << y;
      if (copied) expectedChange = UnionRects(expectedChange, CRect(x, y, x + 1, y + 1));
    }
  }
  EXPECT_EQ(dc.Changed(), expectedChange);
}

INSTANTIATE_TEST_SUITE_P(Offsets, BitBltRow,
                         ::testing::Values(BlitRow{0, 0, 5, 4, 0, 0}, BlitRow{1, 1, 3, 2, 1, 1},
                                           BlitRow{3, 2, 5, 4, 0, 0},    // past the surface
                                           BlitRow{-2, -1, 5, 4, 0, 0},  // before the surface
                                           BlitRow{0, 0, 6, 5, 2, 1},    // past the picture
                                           BlitRow{2, 2, 4, 4, -1, -2},  // before the picture
                                           BlitRow{0, 0, 0, 4, 0, 0}, BlitRow{0, 0, 3, 3, 5, 0}));

TEST(DcIcon, BlendsByTheMaskAndClipsToTheSurface) {
  std::vector<std::uint32_t> argb(32 * 32, 0x00FF0000u);  // transparent red
  for (int x = 0; x < 32; ++x) {
    argb[1 * 32 + x] = 0xFF0000FFu;  // row 1 opaque blue
    argb[2 * 32 + x] = 0x800000FFu;  // row 2 half blue
  }
  const Icon icon{128, IconImage{32, argb.data()}, IconImage{}};
  Surface surface(40, 20, RGB(0, 0, 0));
  CDC dc(surface);
  EXPECT_TRUE(dc.DrawIcon(10, -1, &icon));
  EXPECT_EQ(surface.GetPixel(10, 0), kBlue);
  EXPECT_EQ(surface.GetPixel(39, 0), kBlue);
  EXPECT_EQ(surface.GetPixel(9, 0), RGB(0, 0, 0));
  EXPECT_EQ(surface.GetPixel(20, 1), RGB(0, 0, 128));
  EXPECT_EQ(surface.GetPixel(20, 2), RGB(0, 0, 0));
  EXPECT_EQ(surface.GetPixel(20, 19), RGB(0, 0, 0));
  EXPECT_EQ(dc.Changed(), CRect(10, 0, 40, 20));

  EXPECT_FALSE(dc.DrawIcon(0, 0, nullptr));
  EXPECT_EQ(surface.GetPixel(0, 0), RGB(0, 0, 0));
}

TEST(DcChanges, ReleaseReportsTheUnionAndFlushPresentsAndStartsAfresh) {
  Surface surface(20, 20, kPaper);
  RecordingListener listener;
  surface.SetListener(&listener);
  {
    CDC dc(surface);
    dc.SetPixel(2, 3, kRed);
    dc.FillSolidRect(10, 10, 3, 2, kRed);
    dc.Flush();
    ASSERT_EQ(listener.changes, (std::vector<CRect>{CRect(2, 3, 13, 12)}));
    EXPECT_EQ(listener.presents, 1);
    EXPECT_TRUE(dc.Changed().IsRectEmpty());
    dc.MoveTo(0, 19);
    dc.LineTo(40, 19);
  }
  EXPECT_EQ(listener.changes.back(), CRect(0, 19, 20, 20));
  EXPECT_EQ(listener.changes.size(), 2u);
  {
    CDC untouched(surface);  // nothing drawn: nothing reported
  }
  EXPECT_EQ(listener.changes.size(), 2u);
}

TEST(SurfaceResize, KeepsWhatOverlapsAndFillsTheRest) {
  Surface surface(3, 2, kPaper);
  surface.SetPixel(2, 1, kRed);
  surface.SetPixel(0, 0, kBlue);
  surface.Resize(4, 3, kRed);
  EXPECT_EQ(surface.Width(), 4);
  EXPECT_EQ(surface.GetPixel(0, 0), kBlue);
  EXPECT_EQ(surface.GetPixel(1, 1), kPaper);
  EXPECT_EQ(surface.GetPixel(3, 0), kRed);
  EXPECT_EQ(surface.GetPixel(0, 2), kRed);
  surface.Resize(1, 1, kPaper);
  EXPECT_EQ(surface.GetPixel(0, 0), kBlue);
  EXPECT_EQ(surface.GetPixel(1, 0), CLR_INVALID);
  surface.Resize(-3, 5, kPaper);
  EXPECT_EQ(surface.Width(), 0);
  EXPECT_EQ(surface.GetPixel(0, 0), CLR_INVALID);
}

}  // namespace

}  // namespace lab
