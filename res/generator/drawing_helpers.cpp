#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "res/generator/picture.h"

namespace lab {

QImage NewBitmap(int width, int height, QColor fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

namespace {

// One horizontal box pass over the four channels of every row; the edges
// repeat the outermost pixel.
void BoxPassRows(std::vector<double>& channel, int width, int height, int radius) {
  std::vector<double> row(static_cast<std::size_t>(width));
  const double span = 2.0 * radius + 1.0;
  for (int y = 0; y < height; ++y) {
    double* line = channel.data() + static_cast<std::ptrdiff_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      double sum = 0.0;
      for (int k = -radius; k <= radius; ++k) sum += line[std::clamp(x + k, 0, width - 1)];
      row[static_cast<std::size_t>(x)] = sum / span;
    }
    std::copy(row.begin(), row.end(), line);
  }
}

std::vector<double> Transpose(const std::vector<double>& channel, int width, int height) {
  std::vector<double> out(channel.size());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      out[static_cast<std::size_t>(x * height + y)] =
          channel[static_cast<std::size_t>(y * width + x)];
  return out;
}

}  // namespace

void Blur(QImage& image, int radius) {
  if (radius <= 0) return;
  const int w = image.width();
  const int h = image.height();
  const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
  QImage work = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  std::vector<double> channels[4];
  for (auto& c : channels) c.resize(static_cast<std::size_t>(w * h));
  for (int y = 0; y < h; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(work.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const auto i = static_cast<std::size_t>(y * w + x);
      channels[0][i] = qAlpha(line[x]);
      channels[1][i] = qRed(line[x]);
      channels[2][i] = qGreen(line[x]);
      channels[3][i] = qBlue(line[x]);
    }
  }
  for (auto& c : channels) {
    for (int pass = 0; pass < 3; ++pass) BoxPassRows(c, w, h, radius);
    c = Transpose(c, w, h);
    for (int pass = 0; pass < 3; ++pass) BoxPassRows(c, h, w, radius);
    c = Transpose(c, h, w);
  }
  auto byte = [](double v) { return static_cast<int>(std::clamp(v + 0.5, 0.0, 255.0)); };
  for (int y = 0; y < h; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(work.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const auto i = static_cast<std::size_t>(y * w + x);
      const int a = byte(channels[0][i]);
      line[x] = qRgba(std::min(byte(channels[1][i]), a), std::min(byte(channels[2][i]), a),
                      std::min(byte(channels[3][i]), a), a);
    }
  }
  image = premultiplied ? work : work.convertToFormat(image.format());
}

QImage SoftShadow(const QPainterPath& shape, QSize size, QPointF offset, int radius, QColor color,
                  double opacity) {
  QImage shadow(size, QImage::Format_ARGB32_Premultiplied);
  shadow.fill(Qt::transparent);
  {
    QPainter p(&shadow);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QColor c = color;
    c.setAlphaF(static_cast<float>(opacity));
    p.setBrush(c);
    p.translate(offset);
    p.drawPath(shape);
  }
  Blur(shadow, radius);
  return shadow;
}

double Hash01(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<double>(h & 0xFFFFFFu) / static_cast<double>(0xFFFFFF);
}

}  // namespace lab
