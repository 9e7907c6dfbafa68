// The stopwatch's switch and buttons and the weights on the rack.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <utility>
#include <vector>

#include "tests/res/picture_probe.h"

namespace lab {

namespace {

constexpr Rgb kFace{102, 153, 153};
constexpr Rgb kRed{204, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kDarkTeal{0, 102, 102};

// The rocker: on (145) shades its upper half, off (148) its lower half, where
// the hit rectangles of the two states lie.
TEST(PowerSwitch, OnIsDarkAlongTheTopAndOffAlongTheBottom) {
  const Bitmap* on = FindPicture(145);
  const Bitmap* off = FindPicture(148);
  ASSERT_TRUE(on && off);
  EXPECT_LT(Luminance(MeanIn(*on, 4, 4, 23, 8)), Luminance(MeanIn(*on, 4, 24, 23, 28)) - 40);
  EXPECT_LT(Luminance(MeanIn(*off, 4, 24, 23, 28)), Luminance(MeanIn(*off, 4, 4, 23, 8)) - 40);
  for (const Bitmap* s : {on, off}) {
    EXPECT_EQ(PixelAt(*s, 2, 16), kBlack) << "black bezel";
    EXPECT_GT(Luminance(PixelAt(*s, 0, 16)), 180) << "light grey edge";
  }
}

struct ButtonCase {
  int normal, pressed;
  Rgb ink;
};
void PrintTo(const ButtonCase& b, std::ostream* os) { *os << b.normal << ", " << b.pressed; }

// The lettering: the ink pixels of the face's inside, away from the edges.
std::vector<std::pair<int, int>> Ink(const Bitmap& b, Rgb ink) {
  std::vector<std::pair<int, int>> at;
  for (int y = 2; y <= 14; ++y)
    for (int x = 2; x <= 29; ++x)
      if (PixelAt(b, x, y) == ink) at.emplace_back(x, y);
  return at;
}

class StopwatchButton : public ::testing::TestWithParam<ButtonCase> {};

// The word in its colour on the face. Normal: a dotted grey frame. Pressed:
// black outer and dark teal inner edges on the right and bottom, no dots,
// and the word one pixel up and left.
TEST_P(StopwatchButton, WordOnTheFaceNormalDottedPressedSunk) {
  const Bitmap* normal = FindPicture(GetParam().normal);
  const Bitmap* pressed = FindPicture(GetParam().pressed);
  ASSERT_TRUE(normal && pressed);
  const Rgb ink = GetParam().ink;
  for (const Bitmap* b : {normal, pressed}) {
    EXPECT_GE(Ink(*b, ink).size(), 40u);
    EXPECT_TRUE(Ink(*b, ink == kRed ? kBlack : kRed).empty());
    EXPECT_EQ(PixelAt(*b, 3, 3), kFace);
  }
  const Rgb dot = PixelAt(*normal, 1, 1);
  EXPECT_TRUE(dot != kFace && dot.r == dot.g && dot.g == dot.b) << "grey dots";
  EXPECT_EQ(PixelAt(*normal, 2, 1), kFace);
  EXPECT_EQ(PixelAt(*normal, 3, 1), dot);
  EXPECT_EQ(PixelAt(*normal, 30, 3), dot);
  EXPECT_EQ(PixelAt(*normal, 30, 4), kFace);

  EXPECT_TRUE(AllIn(*pressed, 0, 16, 31, 16, kBlack) && AllIn(*pressed, 31, 0, 31, 16, kBlack));
  EXPECT_TRUE(AllIn(*pressed, 0, 15, 29, 15, kDarkTeal) &&
              AllIn(*pressed, 30, 0, 30, 14, kDarkTeal));
  EXPECT_EQ(PixelAt(*pressed, 1, 1), kFace);
  std::vector<std::pair<int, int>> moved;
  for (auto [x, y] : Ink(*normal, ink)) moved.emplace_back(x - 1, y - 1);
  EXPECT_EQ(Ink(*pressed, ink), moved);
}

INSTANTIATE_TEST_SUITE_P(AllButtons, StopwatchButton,
                         ::testing::Values(ButtonCase{151, 152, kBlack},
                                           ButtonCase{153, 155, kBlack},
                                           ButtonCase{154, 156, kRed}),
                         [](const auto& row) { return std::to_string(row.param.normal); });

bool IsBall(Rgb c) {
  return c.r >= 15 && c.r <= 150 && c.g * 100 < c.r * 64 && c.b * 100 < c.g * 75;
}

// A press inside x 8..46, y 42..82 takes a weight, so the lower half of each
// ball lies there; the balls shrink with their mass, the empty peg has none.
TEST(Weights, LowerHalfOfEachBallLiesWhereAPressTakesIt) {
  int previous = 60 * 86;
  for (int id : {157, 159, 158}) {  // 0.5, 0.3 and 0.2 kg
    const Bitmap* w = FindPicture(id);
    ASSERT_NE(w, nullptr);
    const int pixels = CountIn(*w, 0, 0, 59, 85, IsBall);
    ASSERT_GT(pixels, 300) << id;
    EXPECT_LT(pixels, previous) << id;
    previous = pixels;
    int top = 0, bottom = 85;
    while (CountIn(*w, 0, top, 59, top, IsBall) == 0) ++top;
    while (CountIn(*w, 0, bottom, 59, bottom, IsBall) == 0) --bottom;
    const int middle = (top + bottom + 1) / 2;
    const int lower = CountIn(*w, 0, middle, 59, 85, IsBall);
    EXPECT_EQ(CountIn(*w, 8, std::max(middle, 42), 46, 82, IsBall), lower) << id;
    EXPECT_GT(lower, pixels / 3) << id;
  }
  EXPECT_EQ(CountIn(*FindPicture(160), 0, 0, 59, 85, IsBall), 0);
}

// The same silver peg in all four pictures, on the same light wood.
TEST(Weights, SamePegOnTheSameLightWood) {
  const Bitmap* empty = FindPicture(160);
  ASSERT_NE(empty, nullptr);
  const Rgb peg = PixelAt(*empty, 27, 12);
  EXPECT_LT(std::abs(peg.r - peg.b), 30);
  EXPECT_GT(peg.r, 120);
  for (int id : {157, 158, 159, 160}) {
    const Bitmap* w = FindPicture(id);
    ASSERT_NE(w, nullptr);
    int differ = 0;
    for (int y = 9; y <= 15; ++y)
      for (int x = 24; x <= 30; ++x) differ += PixelAt(*w, x, y) != PixelAt(*empty, x, y);
    EXPECT_EQ(differ, 0) << id;
    const Rgb wood = MeanIn(*w, 52, 25, 58, 60);
    EXPECT_NEAR(wood.r, 193, 12) << id;
    EXPECT_NEAR(wood.g, 137, 12) << id;
    EXPECT_NEAR(wood.b, 90, 12) << id;
  }
}

}  // namespace

}  // namespace lab
