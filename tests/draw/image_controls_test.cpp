// Bitmap drawing by number, the two-state toggles and the push buttons.
#include <vector>

#include "draw/bitmap_draw.h"
#include "draw/image_button.h"
#include "draw/image_toggle.h"
#include "draw_test_pictures.h"
#include "shell/headless/headless_host.h"

namespace lab {

namespace {

using draw_test::kPaper;
using draw_test::PatternColor;
using draw_test::PictureColor;

class ImageTest : public draw_test::SurfaceTest {};

TEST_F(ImageTest, PicturesAreCopiedFromTheirTopLeftPixel) {
  int w = -1, h = -1;
  GetBitmapSize(145, w, h);
  EXPECT_EQ((CSize{w, h}), (CSize{28, 33}));
  GetBitmapSize(999, w, h);
  EXPECT_EQ((CSize{w, h}), (CSize{0, 0}));

  DrawBitmapPart(dc, 50, 60, 3, 2, draw_test::kPatternImage);
  EXPECT_EQ(At(50, 60), PatternColor(0, 0));
  EXPECT_EQ(At(52, 61), PatternColor(2, 1));
  EXPECT_EQ(Painted(), 6);
  // Wider than the picture: only the picture's pixels are copied.
  DrawBitmapPart(dc, 100, 60, 40, 40, draw_test::kPatternImage);
  EXPECT_EQ(At(103, 62), PatternColor(3, 2));
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
  EXPECT_EQ(Painted(), c.hits ? 28 * 33 : 0);
  EXPECT_EQ(At(256, 34), !c.hits ? kPaper : PictureColor(c.on ? 148 : 145));
}

// Corners inside, one past each edge outside, and the other state's rectangle.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, PowerSwitchTest, ::testing::Values(
    SwitchClick{false, 260, 51, true}, SwitchClick{false, 279, 62, true},
    SwitchClick{false, 260, 62, true}, SwitchClick{false, 279, 51, true},
    SwitchClick{false, 259, 56, false}, SwitchClick{false, 280, 56, false},
    SwitchClick{false, 270, 50, false}, SwitchClick{false, 270, 63, false},
    SwitchClick{false, 270, 40, false},
    SwitchClick{true, 259, 37, true}, SwitchClick{true, 279, 49, true},
    SwitchClick{true, 258, 40, false}, SwitchClick{true, 280, 40, false},
    SwitchClick{true, 270, 36, false}, SwitchClick{true, 270, 50, false},
    SwitchClick{true, 270, 56, false}));
// clang-format on

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

// The stopwatch's start button at (326, 73), hit rectangle 329,76 - 355,88.
struct ButtonClick {
  int x, y;
  bool hits;
};
class StartButtonTest : public ImageTest,
                        public ::testing::WithParamInterface<ButtonClick>,
                        public SurfaceListener {
 protected:
  StartButtonTest() { surface.SetListener(this); }
  ~StartButtonTest() override { surface.SetListener(nullptr); }
  void SurfaceChanged(const CRect&) override {}
  // Records what the window was asked to show at once.
  void PresentNow() override { shown.push_back(At(326, 73)); }

  ScopedHeadlessHost host;  // its clock advances 1 ms at every reading
  std::vector<COLORREF> shown;
};

// A hit shows the pressed picture at once and the normal one after 0.1 s;
// a miss returns at once and draws nothing.
TEST_P(StartButtonTest, HitShowsThePressedPictureForATenthOfASecond) {
  const auto [x, y, hits] = GetParam();
  CImageButton start;
  start.Init(326, 73, 154, 156, 3, 3, 29, 15);
  const long before = host->ElapsedMilliseconds();
  EXPECT_EQ(start.HitPress(dc, x, y), hits);
  const long waited = host->ElapsedMilliseconds() - before;
  EXPECT_TRUE(hits ? waited > CImageButton::kPressedMilliseconds : waited == 1) << waited;
  EXPECT_EQ(shown, hits ? std::vector{PictureColor(156)} : std::vector<COLORREF>{});
  EXPECT_EQ(Painted(), hits ? 32 * 17 : 0);
  EXPECT_EQ(At(357, 89), hits ? PictureColor(154) : kPaper);
}

INSTANTIATE_TEST_SUITE_P(Edges, StartButtonTest,
                         ::testing::Values(ButtonClick{329, 76, true}, ButtonClick{355, 88, true},
                                           ButtonClick{328, 80, false}, ButtonClick{356, 80, false},
                                           ButtonClick{340, 75, false},
                                           ButtonClick{340, 89, false}));

}  // namespace

}  // namespace lab
