// Pixel sizes from logical heights and widths, and UTF-8 decoding.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/text/font_scale.h"
#include "platform/text/utf8.h"

namespace lab {

namespace {

// Liberation Serif, the face that serves "Times New Roman": 2048 units per
// em, winAscent 1825, winDescent 443, weighted lowercase average 821.8.
constexpr text::FaceMetrics kSerif{2048, 1825, 443, 821.813};

struct ScaleRow {
  int height, ppem, ascent, descent;
};

class ScaleFaceRow : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(ScaleFaceRow, GivesTheLargestEmWhoseCellFits) {
  const ScaleRow& row = GetParam();
  const text::PixelMetrics m = text::ScaleFace(kSerif, row.height, 0);
  EXPECT_EQ(m.ppem, row.ppem);
  EXPECT_EQ(m.ascent, row.ascent);
  EXPECT_EQ(m.descent, row.descent);
  EXPECT_EQ(m.xScale, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Heights, ScaleFaceRow,
                         ::testing::Values(ScaleRow{12, 11, 10, 2},  // tick labels
                                           ScaleRow{15, 14, 12, 3},  // titles
                                           ScaleRow{8, 7, 6, 2},     // exponents
                                           ScaleRow{13, 11, 10, 2},  // 12 would give a cell of 14
                                           ScaleRow{-11, 11, 10, 2}, ScaleRow{-20, 20, 18, 4},
                                           ScaleRow{0, 14, 12, 3},  // the default cell of 16
                                           ScaleRow{1, 1, 1, 0},
                                           ScaleRow{INT_MAX, text::kMaxPixelsPerEm, 456, 111},
                                           ScaleRow{INT_MIN, text::kMaxPixelsPerEm, 456, 111}));

TEST(ScaleFace, WidthIsTheWeightedLowercaseAverage) {
  // 6 / (821.813 * 11 / 2048) for the labels, 7 / (821.813 * 14 / 2048) for
  // the titles.
  EXPECT_NEAR(text::ScaleFace(kSerif, 12, 6).xScale, 1.3593, 1e-3);
  EXPECT_NEAR(text::ScaleFace(kSerif, 15, 7).xScale, 1.2460, 1e-3);
  EXPECT_NEAR(text::ScaleFace(kSerif, 12, -6).xScale, 1.3593, 1e-3);
  EXPECT_EQ(text::ScaleFace(kSerif, 12, 100000).xScale, text::kMaxWidthScale);
}

TEST(ScaleFace, WeightedAverageOfTheClassicFaceWidths) {
  // Advance widths of a..z and the space of Liberation Serif.
  const std::array<int, 27> advances = {909, 1024, 909,  1024, 909,  682,  1024, 1024, 569,
                                        569, 1024, 569,  1593, 1024, 1024, 1024, 1024, 682,
                                        797, 569,  1024, 1024, 1479, 1024, 1024, 909,  512};
  EXPECT_NEAR(text::WeightedLowercaseAverage(advances), 821.8, 0.5);
}

struct Utf8Row {
  std::string bytes;
  std::vector<char32_t> decoded;
};

class Utf8Decode : public ::testing::TestWithParam<Utf8Row> {};

TEST_P(Utf8Decode, YieldsCodePointsAndReplacesMalformedBytes) {
  const Utf8Row& row = GetParam();
  std::vector<char32_t> out;
  for (std::size_t pos = 0; pos < row.bytes.size();)
    out.push_back(text::DecodeUtf8(row.bytes, pos));
  EXPECT_EQ(out, row.decoded);
}

constexpr char32_t kBad = text::kReplacementCharacter;

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Decode,
    ::testing::Values(Utf8Row{"A1 ", {U'A', U'1', U' '}},
                      Utf8Row{"For\xC3\xA7"
                              "a",
                              {U'F', U'o', U'r', 0xE7, U'a'}},
                      Utf8Row{"\xE2\x82\xAC", {0x20AC}}, Utf8Row{"\xF0\x9F\x98\x80", {0x1F600}},
                      Utf8Row{"\x80"
                              "A",
                              {kBad, U'A'}},                                  // stray continuation
                      Utf8Row{"\xE2\x82", {kBad, kBad}},                      // truncated
                      Utf8Row{"\xC0\xAF", {kBad, kBad}},                      // overlong
                      Utf8Row{"\xED\xA0\x80", {kBad, kBad, kBad}},            // surrogate
                      Utf8Row{"\xF4\x90\x80\x80", {kBad, kBad, kBad, kBad}},  // > U+10FFFF
                      Utf8Row{"\xC3"
                              "A",
                              {kBad, U'A'}},
                      Utf8Row{"\xFF", {kBad}}));

}  // namespace

}  // namespace lab
