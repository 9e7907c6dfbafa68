// A surface's pixels copied out as R, G, B, A bytes, clipped to the surface.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "platform/surface_rgba.h"

namespace {

struct RgbaRow {
  const char* name;
  CRect asked;
  CRect copied;
};
void PrintTo(const RgbaRow& row, std::ostream* os) { *os << row.name; }

class CopyRgbaTest : public ::testing::TestWithParam<RgbaRow> {};

// Each pixel of a 6 x 4 surface has its own colour: red x * 40, green
// y * 60, blue x + y.
TEST_P(CopyRgbaTest, CopiesTheClippedRectangleRowByRow) {
  const RgbaRow& row = GetParam();
  Surface surface(6, 4, RGB(0, 0, 0));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) surface.SetPixel(x, y, RGB(x * 40, y * 60, x + y));
  std::vector<std::uint8_t> bytes(3, 7);
  EXPECT_EQ(CopyRgba(surface, row.asked, bytes), row.copied);
  ASSERT_EQ(bytes.size(), row.copied.IsRectEmpty() ? 0u
                                                   : static_cast<std::size_t>(row.copied.Width()) *
                                                         row.copied.Height() * 4);
  std::size_t i = 0;
  for (int y = row.copied.top; y < row.copied.bottom && !row.copied.IsRectEmpty(); ++y)
    for (int x = row.copied.left; x < row.copied.right; ++x, i += 4) {
      EXPECT_EQ(bytes[i], x * 40);
      EXPECT_EQ(bytes[i + 1], y * 60);
      EXPECT_EQ(bytes[i + 2], x + y);
      EXPECT_EQ(bytes[i + 3], 255);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CopyRgbaTest,
    ::testing::Values(RgbaRow{"Whole", CRect(0, 0, 6, 4), CRect(0, 0, 6, 4)},
                      RgbaRow{"Inside", CRect(2, 1, 4, 3), CRect(2, 1, 4, 3)},
                      RgbaRow{"OnePixel", CRect(5, 3, 6, 4), CRect(5, 3, 6, 4)},
                      RgbaRow{"OverTheTopLeft", CRect(-3, -2, 2, 2), CRect(0, 0, 2, 2)},
                      RgbaRow{"OverTheBottomRight", CRect(4, 2, 90, 90), CRect(4, 2, 6, 4)},
                      RgbaRow{"Huge", CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), CRect(0, 0, 6, 4)},
                      RgbaRow{"Outside", CRect(6, 0, 9, 4), CRect()},
                      RgbaRow{"Empty", CRect(3, 3, 3, 3), CRect()},
                      RgbaRow{"Inverted", CRect(4, 3, 1, 1), CRect()}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
