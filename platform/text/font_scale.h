// How a logical font's height and width become a pixel size.
//
// All font-unit quantities are in the face's design units (units_per_EM per
// em); all results are in pixels.
//
// * A positive height h is the cell height (ascent + descent):
//   ppem = round(upem * h / (winAscent + winDescent)), less one while the
//   rounded cell would come out taller than h. A negative height is the em
//   height itself (ppem = -h). Zero asks for kDefaultCellHeight.
// * ascent = round(winAscent * ppem / upem), descent = round(winDescent *
//   ppem / upem).
// * A non-zero width w is the average character width: glyphs and advances
//   are scaled horizontally by |w| / (averageWidth * ppem / upem), where the
//   average width is the weighted lowercase average of the face (see
//   WeightedLowercaseAverage).
#pragma once

#include <array>
#include <cstdint>

namespace lab {

namespace text {

// Cell height used for a logical height of 0, pixels.
constexpr int kDefaultCellHeight = 16;
// Pixel sizes are kept within these bounds whatever the request.
constexpr int kMinPixelsPerEm = 1;
constexpr int kMaxPixelsPerEm = 512;
// Horizontal scales are kept within 1/16 .. 16.
constexpr double kMinWidthScale = 1.0 / 16.0;
constexpr double kMaxWidthScale = 16.0;

// The vertical metrics and average width of a face, in font units.
struct FaceMetrics {
  int unitsPerEm = 2048;
  int winAscent = 0;
  int winDescent = 0;
  double averageWidth = 0.0;  // weighted lowercase average advance
};

// A face at one pixel size.
struct PixelMetrics {
  int ppem = 0;       // em height, pixels
  int ascent = 0;     // pixels above the baseline
  int descent = 0;    // pixels below the baseline
  double xScale = 1;  // horizontal scale of glyphs and advances
};

// Weights (per thousand) of a..z and then the space in the classic weighted
// average character width; they sum to 1000.
inline constexpr std::array<int, 27> kAverageWidthWeights = {64, 14, 27, 35, 100, 20, 14, 42, 63,
                                                             3,  6,  35, 20, 56,  56, 17, 4,  49,
                                                             56, 71, 31, 10, 18,  3,  18, 2,  166};

// Sum of weight * advance / 1000 over a..z and the space. advances[i] is the
// advance of 'a' + i (i < 26) or of the space (i == 26), font units.
double WeightedLowercaseAverage(const std::array<int, 27>& advances);

// The pixel size of a face for a logical height and width (pixels; see the
// rules above).
PixelMetrics ScaleFace(const FaceMetrics& face, int height, int width);

}  // namespace text

}  // namespace lab
