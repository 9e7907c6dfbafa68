// Bitmap drawing by number, the two-state toggles and the push buttons.
#include "draw/bitmap_draw.h"
#include "draw/image_button.h"
#include "draw/image_toggle.h"
#include "draw_test_pictures.h"
#include "shell/headless/headless_host.h"

namespace {

using draw_test::kPaper;
using draw_test::PictureColor;

class ImageTest : public draw_test::SurfaceTest {};

TEST_F(ImageTest, PicturesAreCopiedFromTheirTopLeftPixel) {
  int w = -1, h = -1;
  GetBitmapSize(130, w, h);
  EXPECT_EQ((CSize{w, h}), (CSize{15, 22}));
  GetBitmapSize(141, w, h);
  EXPECT_EQ((CSize{w, h}), (CSize{2, 2}));
  GetBitmapSize(0x10000 | 145, w, h);  // only the low 16 bits name the picture
  EXPECT_EQ((CSize{w, h}), (CSize{28, 33}));
  GetBitmapSize(999, w, h);
  EXPECT_EQ((CSize{w, h}), (CSize{0, 0}));

  DrawBitmap(dc, 10, 20, 145);
  EXPECT_EQ(InkIn(0, 0, 100, 100).count, 28 * 33);
  EXPECT_EQ(At(37, 52), PictureColor(145));
  Wipe();
  DrawBitmapPart(dc, 50, 60, 3, 2, draw_test::kPatternImage);
  EXPECT_EQ(At(50, 60), draw_test::PatternColor(0, 0));
  EXPECT_EQ(At(52, 61), draw_test::PatternColor(2, 1));
  EXPECT_EQ(Painted(), 6);
  // Wider than the picture: only the picture's pixels are copied.
  DrawBitmapPart(dc, 100, 60, 40, 40, draw_test::kPatternImage);
  EXPECT_EQ(At(103, 62), draw_test::PatternColor(3, 2));
  EXPECT_EQ(Painted(), 6 + 12);
  // A number without a picture draws nothing.
  DrawBitmap(dc, 300, 10, 999);
  DrawBitmapPart(dc, 300, 10, 5, 5, 999);
  EXPECT_EQ(Painted(), 6 + 12);
}

// The stopwatch's power switch at (256, 34): off (148) accepts a click in
// 260,51 - 279,62, on (145) in 259,37 - 279,49.
struct SwitchClick {
  bool on;
  int x, y;
  bool hits;
};
class PowerSwitchTest : public ImageTest, public ::testing::WithParamInterface<SwitchClick> {};

TEST_P(PowerSwitchTest, OnlyTheCurrentStatesRectangleSwitches) {
  const SwitchClick c = GetParam();
  CImageToggle power;
  power.Init(256, 34, 145, 4, 17, 23, 28, 148, 3, 3, 23, 15, c.on);
  EXPECT_EQ(power.HitToggle(dc, c.x, c.y), c.hits);
  EXPECT_EQ(power.GetState(), c.on != c.hits);
  if (c.hits) {
    EXPECT_EQ(At(256, 34), PictureColor(c.on ? 148 : 145));
    EXPECT_EQ(Painted(), 28 * 33);
  } else {
    EXPECT_EQ(Painted(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PowerSwitchTest,
    ::testing::Values(SwitchClick{false, 260, 51, true}, SwitchClick{false, 279, 62, true},
                      SwitchClick{false, 260, 62, true}, SwitchClick{false, 279, 51, true},
                      SwitchClick{false, 259, 56, false}, SwitchClick{false, 280, 56, false},
                      SwitchClick{false, 270, 50, false}, SwitchClick{false, 270, 63, false},
                      SwitchClick{false, 270, 40, false},  // inside the on rectangle only
                      SwitchClick{true, 259, 37, true}, SwitchClick{true, 279, 49, true},
                      SwitchClick{true, 258, 40, false}, SwitchClick{true, 280, 40, false},
                      SwitchClick{true, 270, 36, false}, SwitchClick{true, 270, 50, false},
                      SwitchClick{true, 270, 56, false}));  // inside the off rectangle only

TEST_F(ImageTest, TwoHitsOnTheHalfKiloWeightRestoreItsState) {
  CImageToggle weight;
  weight.Init(612, 20, 160, 8, 42, 46, 82, 157, 1, 1, 59, 85, false);
  EXPECT_FALSE(weight.HitToggle(dc, 615, 25));  // on the hook's rectangle only
  EXPECT_EQ(Painted(), 0);
  ASSERT_TRUE(weight.HitToggle(dc, 620, 62));
  EXPECT_EQ(At(612, 20), PictureColor(160));
  EXPECT_TRUE(weight.HitToggle(dc, 615, 25));
  EXPECT_FALSE(weight.GetState());
  EXPECT_EQ(At(671, 105), PictureColor(157));
}

// Records what the window was asked to show at once.
class PresentProbe : public SurfaceListener {
 public:
  explicit PresentProbe(Surface& s) : surface(s) { surface.SetListener(this); }
  ~PresentProbe() { surface.SetListener(nullptr); }
  void SurfaceChanged(const CRect&) override {}
  void PresentNow() override {
    ++presents;
    shown = surface.GetPixel(326, 73);
  }
  Surface& surface;
  int presents = 0;
  COLORREF shown = 0;
};

// The stopwatch's start button at (326, 73), hit rectangle 329,76 - 355,88.
class StartButtonTest : public ImageTest {
 protected:
  StartButtonTest() : probe(surface) { start.Init(326, 73, 154, 156, 3, 3, 29, 15); }
  ScopedHeadlessHost host;  // its clock advances 1 ms at every reading
  PresentProbe probe;
  CImageButton start;
};

TEST_F(StartButtonTest, HitShowsThePressedPictureForATenthOfASecond) {
  for (CPoint p : {CPoint{329, 76}, CPoint{355, 88}}) {
    const long before = host->ElapsedMilliseconds();
    EXPECT_TRUE(start.HitPress(dc, p.x, p.y));
    EXPECT_GT(host->ElapsedMilliseconds() - before, CImageButton::kPressedMilliseconds);
  }
  EXPECT_EQ(probe.presents, 2);
  EXPECT_EQ(probe.shown, PictureColor(156));
  EXPECT_EQ(At(326, 73), PictureColor(154));
  EXPECT_EQ(At(357, 89), PictureColor(154));
}

TEST_F(StartButtonTest, MissReturnsAtOnceAndDrawsNothing) {
  for (CPoint p : {CPoint{328, 80}, CPoint{356, 80}, CPoint{340, 75}, CPoint{340, 89}}) {
    const long before = host->ElapsedMilliseconds();
    EXPECT_FALSE(start.HitPress(dc, p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(host->ElapsedMilliseconds() - before, 1);  // only this test's readings
  }
  EXPECT_EQ(Painted(), 0);
  EXPECT_EQ(probe.presents, 0);
}

}  // namespace
