// The golden check itself: which pixels a region compares, and what a
// failure says and leaves behind. No suite here is named "...Golden...":
// scripts/update-goldens.sh runs those with the goldens being written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/golden.h"
#include "tests/support/png.h"

namespace lab {

namespace {

RgbPicture Plain(int width, int height) {
  return RgbPicture{
      width, height,
      std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0xFF102030u)};
}

struct RegionRow {
  const char* name;
  CPoint changed;  // the one pixel of b that differs from a
  int bSize;       // b's width and height (a is 8 x 8)
  int differing;
};

class RegionPixels : public ::testing::TestWithParam<RegionRow> {};

// The region: inside (1, 1) .. (7, 7), outside (3, 3) .. (5, 5), right and
// bottom edges excluded.
TEST_P(RegionPixels, CountsOnlyTheRegionsPixels) {
  const RegionRow& row = GetParam();
  const RgbPicture a = Plain(8, 8);
  RgbPicture b = Plain(row.bSize, row.bSize);
  b.pixels[static_cast<std::size_t>(row.changed.y) * b.width + row.changed.x] = 0xFFFFFFFFu;
  EXPECT_EQ(DifferingPixels(a, b, PictureRegion{CRect(1, 1, 7, 7), CRect(3, 3, 5, 5)}),
            row.differing);
}

INSTANTIATE_TEST_SUITE_P(Rows, RegionPixels,
                         ::testing::Values(RegionRow{"inside", {1, 1}, 8, 1},
                                           RegionRow{"in_the_hole", {4, 4}, 8, 0},
                                           RegionRow{"hole_right_edge", {5, 4}, 8, 1},
                                           RegionRow{"region_right_edge", {7, 2}, 8, 0},
                                           RegionRow{"region_left_edge", {0, 2}, 8, 0},
                                           // b lacks the region's last column and row: 11 pixels.
                                           RegionRow{"smaller_picture", {0, 0}, 6, 11}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PictureCheck, AFailureSaysHowManyPixelsAndWhereThePicturesAre) {
  namespace fs = std::filesystem;
  RgbPicture golden;
  ASSERT_TRUE(ReadPng(std::string(LAB_GOLDEN_DIR) + "/startup.png", golden));
  golden.pixels[0] ^= 0x00FFFFFFu;
  golden.pixels[1] ^= 0x00FFFFFFu;
  const ::testing::AssertionResult result =
      MatchesGolden(golden, "startup", PictureRegion{CRect(0, 0, 2, 1), CRect()});
  ASSERT_FALSE(result);
  const fs::path out = fs::path(LAB_BINARY_DIR) / "golden-failures";
  EXPECT_NE(std::string(result.message()).find("startup: 2 pixels differ"), std::string::npos)
      << result.message();
  EXPECT_NE(std::string(result.message()).find(out.string()), std::string::npos)
      << result.message();
  EXPECT_TRUE(fs::exists(out / "startup.actual.png"));
  EXPECT_TRUE(fs::exists(out / "startup.diff.png"));
  fs::remove(out / "startup.actual.png");
  fs::remove(out / "startup.diff.png");
}

TEST(PictureCheck, AMissingGoldenSaysHowToMakeIt) {
  const Surface surface(4, 4, RGB(0, 0, 0));
  const ::testing::AssertionResult result = MatchesGolden(surface, "no_such_picture");
  ASSERT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("scripts/update-goldens.sh"), std::string::npos)
      << result.message();
}

}  // namespace

}  // namespace lab
