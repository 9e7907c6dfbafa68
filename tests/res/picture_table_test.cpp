// Every picture is present once, opaque, at the size the layout relies on.
#include <gtest/gtest.h>

#include <map>

#include "res/pictures.h"
#include "res/resource_ids.h"

namespace {

struct Size {
  int width, height;
};

const std::map<int, Size>& ExpectedSizes() {
  static const std::map<int, Size> sizes = [] {
    std::map<int, Size> s;
    for (int id = 130; id <= 144; ++id) s[id] = {15, 22};
    s[141] = {2, 2};
    s[145] = s[148] = {28, 33};
    for (int id = 151; id <= 156; ++id) s[id] = {32, 17};
    for (int id = 157; id <= 160; ++id) s[id] = {60, 86};
    s[161] = {399, 268};
    return s;
  }();
  return sizes;
}

TEST(PictureTable, HoldsEveryBitmapOnceAtItsSize) {
  std::map<int, int> seen;
  for (const BitmapResource& b : LabBitmaps()) {
    ++seen[b.id];
    const auto it = ExpectedSizes().find(b.id);
    ASSERT_NE(it, ExpectedSizes().end()) << "unexpected bitmap " << b.id;
    EXPECT_EQ(b.bitmap.width, it->second.width) << b.id;
    EXPECT_EQ(b.bitmap.height, it->second.height) << b.id;
    ASSERT_NE(b.bitmap.pixels, nullptr) << b.id;
    for (int i = 0; i < b.bitmap.width * b.bitmap.height; ++i)
      ASSERT_EQ(b.bitmap.pixels[i] >> 24, 0xFFu) << "bitmap " << b.id << " is not opaque";
  }
  for (const auto& [id, size] : ExpectedSizes()) EXPECT_EQ(seen[id], 1) << "bitmap " << id;
}

TEST(PictureTable, IconHasBothImages) {
  const Icon& icon = LabIcon();
  EXPECT_EQ(icon.id, IDR_MAINFRAME);
  EXPECT_EQ(icon.large.size, 32);
  EXPECT_EQ(icon.small.size, 16);
  EXPECT_NE(icon.large.argb, nullptr);
  EXPECT_NE(icon.small.argb, nullptr);
}

}  // namespace
