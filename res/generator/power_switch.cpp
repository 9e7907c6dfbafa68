// The stopwatch's power switch (145 on, 148 off), 28 x 33: a grey rocker in
// a black bezel with light grey edges, marked O on its upper half and I on
// its lower half. The rocker pivots on row 16. The half that stands out of
// the bezel is the one to press next: the O half while the switch is on,
// the I half while it is off. That half leans away from the light and
// darkens towards its far end, so the on picture has its dark shadow along
// the top and the off picture along the bottom; the half pressed in lies
// flat and light, and the crest between them catches a highlight.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "res/generator/picture.h"

namespace lab {

namespace {

constexpr int kWidth = 28;
constexpr int kHeight = 33;
// The opening in the bezel, inclusive pixel bounds.
constexpr int kOpenLeft = 4, kOpenRight = 23, kOpenTop = 4, kOpenBottom = 28;
constexpr int kPivot = 16;

QColor Grey(double level) {
  const int v = static_cast<int>(std::lround(std::clamp(level, 0.0, 255.0)));
  return QColor(v, v, v);
}

QImage Bezel() {
  QImage image = NewBitmap(kWidth, kHeight, QColor(50, 90, 150));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(205, 205, 205), 1.0));
  p.setBrush(QColor(0, 0, 0));
  p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0), 3.0, 3.0);
  p.setRenderHint(QPainter::Antialiasing, false);
  // The lip of the opening: darker on the upper and left edges, light on the
  // lower and right ones, where the light from above falls into it.
  p.setPen(QColor(120, 120, 120));
  p.drawLine(kOpenLeft - 1, kOpenTop - 1, kOpenRight + 1, kOpenTop - 1);
  p.drawLine(kOpenLeft - 1, kOpenTop - 1, kOpenLeft - 1, kOpenBottom + 1);
  p.setPen(QColor(196, 196, 196));
  p.drawLine(kOpenLeft - 1, kOpenBottom + 1, kOpenRight + 1, kOpenBottom + 1);
  p.drawLine(kOpenRight + 1, kOpenTop, kOpenRight + 1, kOpenBottom + 1);
  return image;
}

// Grey level of a rocker row at a signed distance from the pivot: positive
// on the standing half (1 next to the crest .. 12 at its far end).
double RowLevel(int fromPivot) {
  static constexpr double kStanding[] = {212, 186, 162, 140, 121, 104, 89, 76, 64, 54, 44, 24};
  if (fromPivot == 0) return 232;
  if (fromPivot > 0) return kStanding[std::min(fromPivot, 12) - 1];
  return 186.0 - 2.0 * (-fromPivot - 1);
}

// The marks, 4 x 5 pixels each, as rows of bits (bit 3 the left column).
constexpr unsigned kMarkO[5] = {0b0110, 0b1001, 0b1001, 0b1001, 0b0110};
constexpr unsigned kMarkI[5] = {0b0110, 0b0110, 0b0110, 0b0110, 0b0110};

void Mark(QImage& image, const unsigned (&rows)[5], int left, int top, bool onDark) {
  const QColor ink = onDark ? QColor(228, 228, 228) : QColor(56, 56, 56);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 4; ++c)
      if (rows[r] & (8u >> c)) image.setPixelColor(left + c, top + r, ink);
}

QImage Switch(bool on) {
  QImage image = Bezel();
  for (int y = kOpenTop; y <= kOpenBottom; ++y) {
    const int fromPivot = on ? kPivot - y : y - kPivot;
    const double level = RowLevel(fromPivot);
    for (int x = kOpenLeft; x <= kOpenRight; ++x) {
      // A little roundness across the rocker: its sides fall off.
      const double across = (x - (kOpenLeft + kOpenRight) / 2.0) / 10.0;
      double v = level * (1.0 - 0.2 * across * across * across * across);
      if (x == kOpenLeft || x == kOpenRight) v *= 0.78;
      image.setPixelColor(x, y, Grey(v));
    }
  }
  const int markLeft = (kOpenLeft + kOpenRight) / 2 - 1;
  Mark(image, kMarkO, markLeft, 8, on);
  Mark(image, kMarkI, markLeft, 20, !on);
  return image;
}

}  // namespace

std::vector<Picture> DrawPowerSwitch() { return {{145, Switch(true)}, {148, Switch(false)}}; }

}  // namespace lab
