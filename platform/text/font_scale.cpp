#include "platform/text/font_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lab {

namespace text {
namespace {

// round(value * numerator / denominator) for non-negative operands.
std::int64_t ScaleRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
  return (2 * value * numerator + denominator) / (2 * denominator);
}

}  // namespace

double WeightedLowercaseAverage(const std::array<int, 27>& advances) {
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < advances.size(); ++i) {
    sum += static_cast<std::int64_t>(kAverageWidthWeights[i]) * advances[i];
  }
  return static_cast<double>(sum) / 1000.0;
}

PixelMetrics ScaleFace(const FaceMetrics& face, int height, int width) {
  const std::int64_t upem = std::max(face.unitsPerEm, 1);
  const std::int64_t ascentUnits = std::max(face.winAscent, 0);
  const std::int64_t descentUnits = std::max(face.winDescent, 0);
  const std::int64_t cellUnits = std::max<std::int64_t>(ascentUnits + descentUnits, 1);

  auto ascentAt = [&](std::int64_t ppem) { return ScaleRounded(ascentUnits, ppem, upem); };
  auto descentAt = [&](std::int64_t ppem) { return ScaleRounded(descentUnits, ppem, upem); };

  std::int64_t ppem = 0;
  if (height < 0) {
    ppem = -static_cast<std::int64_t>(height);
  } else {
    const std::int64_t cell = height == 0 ? kDefaultCellHeight : height;
    ppem = ScaleRounded(upem, std::min<std::int64_t>(cell, 4 * kMaxPixelsPerEm), cellUnits);
    while (ppem > kMinPixelsPerEm && ascentAt(ppem) + descentAt(ppem) > cell) --ppem;
  }
  ppem = std::clamp<std::int64_t>(ppem, kMinPixelsPerEm, kMaxPixelsPerEm);

  PixelMetrics m;
  m.ppem = static_cast<int>(ppem);
  m.ascent = static_cast<int>(ascentAt(ppem));
  m.descent = static_cast<int>(descentAt(ppem));
  if (width != 0 && face.averageWidth > 0.0) {
    const double natural =
        face.averageWidth * static_cast<double>(ppem) / static_cast<double>(upem);
    const double wanted = std::abs(static_cast<double>(width));
    m.xScale = std::clamp(wanted / natural, kMinWidthScale, kMaxWidthScale);
  }
  return m;
}

}  // namespace text

}  // namespace lab
