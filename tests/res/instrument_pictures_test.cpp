// The stopwatch's switch and buttons and the weights on the rack.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/res/picture_probe.h"

namespace {

double Luminance(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

double MeanLuminance(const Bitmap& b, int x0, int y0, int x1, int y1) {
  double sum = 0.0;
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x, ++n) sum += Luminance(PixelAt(b, x, y));
  return sum / n;
}

// ---- Power switch: on 145 shades its upper half, off 148 its lower half;
// the halves are where the hit rectangles of the two states lie.

TEST(PowerSwitch, OnIsDarkAlongTheTopAndOffAlongTheBottom) {
  const Bitmap* on = FindPicture(145);
  const Bitmap* off = FindPicture(148);
  ASSERT_TRUE(on && off);
  EXPECT_LT(MeanLuminance(*on, 4, 4, 23, 8), MeanLuminance(*on, 4, 24, 23, 28) - 40);
  EXPECT_LT(MeanLuminance(*off, 4, 24, 23, 28), MeanLuminance(*off, 4, 4, 23, 8) - 40);
  for (const Bitmap* s : {on, off}) {
    EXPECT_EQ(PixelAt(*s, 2, 16), (Rgb{0, 0, 0})) << "black bezel";
    EXPECT_GT(Luminance(PixelAt(*s, 0, 16)), 180) << "light grey edge";
  }
}

// ---- Buttons.

constexpr Rgb kFace{102, 153, 153};
constexpr Rgb kRed{204, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kDarkTeal{0, 102, 102};

struct ButtonCase {
  int normal, pressed;
  Rgb ink;
};
constexpr ButtonCase kButtons[] = {{151, 152, kBlack}, {153, 155, kBlack}, {154, 156, kRed}};
void PrintTo(const ButtonCase& b, std::ostream* os) {
  *os << "bitmaps " << b.normal << " and " << b.pressed;
}

// The lettering: the ink pixels of the face's inside, away from the edges.
std::vector<std::pair<int, int>> Ink(const Bitmap& b, Rgb ink) {
  std::vector<std::pair<int, int>> at;
  for (int y = 2; y <= 14; ++y)
    for (int x = 2; x <= 29; ++x)
      if (PixelAt(b, x, y) == ink) at.emplace_back(x, y);
  return at;
}

class StopwatchButton : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(StopwatchButton, WordInItsColourOnTheFace) {
  for (int id : {GetParam().normal, GetParam().pressed}) {
    const Bitmap* b = FindPicture(id);
    ASSERT_NE(b, nullptr);
    EXPECT_GE(Ink(*b, GetParam().ink).size(), 40u) << id;
    const Rgb other = GetParam().ink == kRed ? kBlack : kRed;
    EXPECT_TRUE(Ink(*b, other).empty()) << id;
    EXPECT_EQ(PixelAt(*b, 3, 3), kFace) << id;
  }
}

TEST_P(StopwatchButton, NormalHasADottedFrame) {
  const Bitmap* b = FindPicture(GetParam().normal);
  ASSERT_NE(b, nullptr);
  const Rgb dot = PixelAt(*b, 1, 1);
  EXPECT_NE(dot, kFace);
  EXPECT_TRUE(dot.r == dot.g && dot.g == dot.b) << "the dots are grey";
  EXPECT_EQ(PixelAt(*b, 2, 1), kFace);
  EXPECT_EQ(PixelAt(*b, 3, 1), dot);
  EXPECT_EQ(PixelAt(*b, 30, 3), dot);
  EXPECT_EQ(PixelAt(*b, 30, 4), kFace);
}

TEST_P(StopwatchButton, PressedHasADarkEdgeAndTheWordMovedUpLeft) {
  const Bitmap* normal = FindPicture(GetParam().normal);
  const Bitmap* pressed = FindPicture(GetParam().pressed);
  ASSERT_TRUE(normal && pressed);
  for (int x = 0; x < 32; ++x) {
    EXPECT_EQ(PixelAt(*pressed, x, 16), kBlack) << x;
    if (x < 30) {
      EXPECT_EQ(PixelAt(*pressed, x, 15), kDarkTeal) << x;
    }
  }
  for (int y = 0; y < 17; ++y) {
    EXPECT_EQ(PixelAt(*pressed, 31, y), kBlack) << y;
    if (y < 15) {
      EXPECT_EQ(PixelAt(*pressed, 30, y), kDarkTeal) << y;
    }
  }
  EXPECT_EQ(PixelAt(*pressed, 1, 1), kFace) << "no dotted frame when pressed";
  auto moved = Ink(*normal, GetParam().ink);
  for (auto& [x, y] : moved) {
    --x;
    --y;
  }
  EXPECT_EQ(Ink(*pressed, GetParam().ink), moved);
}

INSTANTIATE_TEST_SUITE_P(AllButtons, StopwatchButton, ::testing::ValuesIn(kButtons),
                         [](const auto& row) { return std::to_string(row.param.normal); });

// ---- Weights: a press inside x 8..46, y 42..82 takes the weight, so each
// ball's lower half lies there; the peg is the same in all four pictures.

bool IsBall(Rgb c) {
  return c.r >= 15 && c.r <= 150 && c.g * 100 < c.r * 64 && c.b * 100 < c.g * 75;
}

struct Ball {
  int pixels = 0;
  int left = 99, top = 99, right = -1, bottom = -1;
};

Ball FindBall(const Bitmap& b) {
  Ball ball;
  for (int y = 0; y < b.height; ++y) {
    for (int x = 0; x < b.width; ++x) {
      if (!IsBall(PixelAt(b, x, y))) continue;
      ++ball.pixels;
      ball.left = std::min(ball.left, x);
      ball.right = std::max(ball.right, x);
      ball.top = std::min(ball.top, y);
      ball.bottom = std::max(ball.bottom, y);
    }
  }
  return ball;
}

TEST(Weights, LowerHalfOfEachBallLiesWhereAPressTakesIt) {
  for (int id : {157, 158, 159}) {
    const Bitmap* w = FindPicture(id);
    ASSERT_NE(w, nullptr);
    const Ball ball = FindBall(*w);
    ASSERT_GT(ball.pixels, 300) << id;
    const int middle = (ball.top + ball.bottom + 1) / 2;
    int inside = 0;
    for (int y = middle; y < w->height; ++y) {
      for (int x = 0; x < w->width; ++x) {
        if (!IsBall(PixelAt(*w, x, y))) continue;
        EXPECT_TRUE(x >= 8 && x <= 46 && y >= 42 && y <= 82) << id << " at " << x << "," << y;
        ++inside;
      }
    }
    EXPECT_GT(inside, ball.pixels / 3) << id;
  }
}

TEST(Weights, BallsShrinkWithTheirMassAndThePegIsEmptyWithout) {
  const int half = FindBall(*FindPicture(157)).pixels;
  const int third = FindBall(*FindPicture(159)).pixels;
  const int fifth = FindBall(*FindPicture(158)).pixels;
  EXPECT_GT(half, third);
  EXPECT_GT(third, fifth);
  EXPECT_EQ(FindBall(*FindPicture(160)).pixels, 0);
}

TEST(Weights, SamePegOnTheSameLightWood) {
  const Bitmap* empty = FindPicture(160);
  ASSERT_NE(empty, nullptr);
  const Rgb pegMiddle = PixelAt(*empty, 27, 12);
  EXPECT_LT(std::abs(pegMiddle.r - pegMiddle.b), 30) << "the peg is silver";
  EXPECT_GT(pegMiddle.r, 120);
  for (int id : {157, 158, 159}) {
    const Bitmap* w = FindPicture(id);
    for (int y = 9; y <= 15; ++y)
      for (int x = 24; x <= 30; ++x)
        EXPECT_EQ(PixelAt(*w, x, y), PixelAt(*empty, x, y)) << id << " at " << x << "," << y;
  }
  for (int id : {157, 158, 159, 160}) {
    const Bitmap* w = FindPicture(id);
    int r = 0, g = 0, b = 0, n = 0;
    for (int y = 25; y <= 60; ++y) {
      for (int x = 52; x <= 58; ++x, ++n) {
        r += PixelAt(*w, x, y).r;
        g += PixelAt(*w, x, y).g;
        b += PixelAt(*w, x, y).b;
      }
    }
    EXPECT_NEAR(r / n, 193, 12) << id;
    EXPECT_NEAR(g / n, 137, 12) << id;
    EXPECT_NEAR(b / n, 90, 12) << id;
  }
}

}  // namespace
