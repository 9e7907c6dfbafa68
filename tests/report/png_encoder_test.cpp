// The PNG writer: its checksums, and its files read back by zlib's
// decoder (tests/support/png.cpp) pixel for pixel.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "report/png_encoder.h"
#include "tests/support/png.h"

namespace lab {

namespace {

// The check values published with the two algorithms.
TEST(Checksums, KnownValues) {
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(Crc32(""), 0u);
  EXPECT_EQ(Adler32("Wikipedia"), 0x11E60398u);
  EXPECT_EQ(Adler32(""), 1u);
  // In pieces as at once.
  EXPECT_EQ(Crc32("6789", Crc32("12345")), Crc32("123456789"));
  const std::string big(100000, '\xFF');
  EXPECT_EQ(Adler32(big.substr(60000), Adler32(big.substr(0, 60000))), Adler32(big));
}

RgbPicture Pattern(int width, int height) {
  RgbPicture p{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      p.pixels.push_back(static_cast<std::uint32_t>((x * 37 + y) & 0xFF) << 16 |
                         static_cast<std::uint32_t>((y * 11) & 0xFF) << 8 |
                         static_cast<std::uint32_t>((x ^ y) & 0xFF));
    }
  }
  return p;
}

RgbPicture Decode(const std::string& bytes) {
  // A name of the test's own: the rows run side by side in separate processes.
  std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  const std::string path = ::testing::TempDir() + "png_encoder_test_" + name + ".png";
  std::ofstream(path, std::ios::binary) << bytes;
  RgbPicture image;
  EXPECT_TRUE(ReadPng(path, image));
  std::remove(path.c_str());
  return image;
}

struct SizeRow {
  int width;
  int height;
};

class PngRoundTrip : public ::testing::TestWithParam<SizeRow> {};

TEST_P(PngRoundTrip, DecodesToTheSamePixels) {
  const RgbPicture picture = Pattern(GetParam().width, GetParam().height);
  const RgbPicture image = Decode(EncodePng(picture));
  ASSERT_EQ(image.width, picture.width);
  ASSERT_EQ(image.height, picture.height);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    ASSERT_EQ(image.pixels[i] & 0xFFFFFFu, picture.pixels[i]) << "pixel " << i;
  }
}

// One pixel; one stored block exactly full (21845 pixels + 1 filter byte =
// 65536 bytes: one byte over); several blocks (the graph panel at 2x).
INSTANTIATE_TEST_SUITE_P(Rows, PngRoundTrip,
                         ::testing::Values(SizeRow{1, 1}, SizeRow{21845, 1}, SizeRow{7, 3},
                                           SizeRow{864, 592}));

TEST(EncodePng, NothingForAnEmptyOrInconsistentPicture) {
  EXPECT_EQ(EncodePng(RgbPicture{}), "");
  EXPECT_EQ(EncodePng(RgbPicture{2, 2, {1, 2, 3}}), "");
}

}  // namespace

}  // namespace lab
