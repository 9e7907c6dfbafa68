// The application icon (128) at 32 x 32 and 16 x 16: a dark red ball on a
// thin dark red string that runs up to the top right corner, in front of a
// broad yellow band; above and below the band the icon is transparent.
// Drawn pixel by pixel in 16 colours with hard edges: at these sizes an
// antialiased edge would only add muddy in-between colours.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "res/generator/picture.h"

namespace lab {

namespace {

// The icon's palette: five reds and a highlight for the ball, the band's
// yellows and its outline; nothing outside this list is ever drawn.
constexpr QRgb kRedRamp[] = {qRgb(56, 0, 0),    qRgb(96, 0, 0),    qRgb(136, 8, 8),
                             qRgb(180, 24, 24), qRgb(220, 64, 56), qRgb(255, 168, 150)};
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kString = qRgb(96, 0, 0);
constexpr QRgb kBandLight = qRgb(255, 250, 190);
constexpr QRgb kBand = qRgb(255, 232, 80);
constexpr QRgb kBandShade = qRgb(240, 196, 24);
constexpr QRgb kBandEdge = qRgb(150, 110, 0);

struct Layout {
  int size;
  int bandTop, bandBottom;  // rows of the band, inclusive
  double ballX, ballY, ballRadius;
  bool sparkle;  // a white pixel at the brightest spot
};

void Put(QImage& image, int x, int y, QRgb color) {
  if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
    image.setPixel(x, y, color | 0xFF000000u);
}

// A one-pixel line including both ends.
void Line(QImage& image, int x0, int y0, int x1, int y1, QRgb color) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Put(image, x0, y0, color);
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

QImage Render(const Layout& l) {
  QImage image(l.size, l.size, QImage::Format_ARGB32);
  image.fill(0u);
  for (int x = 0; x < l.size; ++x) {
    for (int y = l.bandTop; y <= l.bandBottom; ++y) {
      QRgb c = kBand;
      if (y == l.bandTop || y == l.bandBottom) {
        c = kBandEdge;
      } else if (y == l.bandTop + 1) {
        c = kBandLight;
      } else if (y == l.bandBottom - 1) {
        c = kBandShade;
      }
      Put(image, x, y, c);
    }
  }
  // The string leaves the ball along the line from its centre to the corner.
  Line(image, l.size - 1, 0, static_cast<int>(l.ballX), static_cast<int>(l.ballY), kString);

  // The ball, lit from the upper left: diffuse shading picks a step of the
  // red ramp, a specular spot the highlight, and the rim away from the light
  // is the darkest red so the ball stands out from the band.
  const double lx = -0.48, ly = -0.56, lz = 0.675;
  const double hn = std::sqrt(lx * lx + ly * ly + (lz + 1.0) * (lz + 1.0));
  const double hx = lx / hn, hy = ly / hn, hz = (lz + 1.0) / hn;
  double brightest = -1.0;
  int sparkleX = 0, sparkleY = 0;
  for (int y = 0; y < l.size; ++y) {
    for (int x = 0; x < l.size; ++x) {
      const double nx = (x + 0.5 - l.ballX) / l.ballRadius;
      const double ny = (y + 0.5 - l.ballY) / l.ballRadius;
      const double d2 = nx * nx + ny * ny;
      if (d2 > 1.0) continue;
      const double nz = std::sqrt(1.0 - d2);
      const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
      const double specular = std::pow(std::max(0.0, nx * hx + ny * hy + nz * hz), 30.0);
      int step = std::clamp(static_cast<int>(std::floor(0.6 + diffuse * 4.0)), 0, 4);
      if (std::sqrt(d2) * l.ballRadius > l.ballRadius - 1.0 && diffuse < 0.5) step = 0;
      if (specular > 0.45) step = 5;
      Put(image, x, y, kRedRamp[step]);
      if (specular > brightest) {
        brightest = specular;
        sparkleX = x;
        sparkleY = y;
      }
    }
  }
  if (l.sparkle) Put(image, sparkleX, sparkleY, kWhite);
  return image;
}

}  // namespace

IconPictures DrawIcon() {
  return {128, Render({32, 8, 23, 12.0, 16.0, 6.5, true}),
          Render({16, 4, 11, 6.0, 8.0, 3.4, false})};
}

}  // namespace lab
