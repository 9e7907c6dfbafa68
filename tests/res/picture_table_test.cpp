// Every picture is present once, opaque, at the size the layout relies on.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "res/pictures.h"

namespace lab {

namespace {

TEST(PictureTable, HoldsEveryBitmapOnceOpaqueAtItsSize) {
  std::map<int, std::pair<int, int>> expected;
  for (int id = 130; id <= 144; ++id) expected[id] = {15, 22};
  expected[141] = {2, 2};
  expected[145] = expected[148] = {28, 33};
  for (int id = 151; id <= 156; ++id) expected[id] = {32, 17};
  for (int id = 157; id <= 160; ++id) expected[id] = {60, 86};
  expected[161] = {399, 268};
  std::map<int, std::pair<int, int>> seen;
  for (const BitmapResource& b : LabBitmaps()) {
    EXPECT_TRUE(seen.emplace(b.id, std::pair{b.bitmap.width, b.bitmap.height}).second) << b.id;
    ASSERT_NE(b.bitmap.pixels, nullptr) << b.id;
    for (int i = 0; i < b.bitmap.width * b.bitmap.height; ++i)
      ASSERT_EQ(b.bitmap.pixels[i] >> 24, 0xFFu) << "bitmap " << b.id << " is not opaque";
  }
  EXPECT_EQ(seen, expected);
}

}  // namespace

}  // namespace lab
