// What the picture generator produces: bitmaps by resource number and the
// two images of the application icon, plus the drawing helpers that several
// pictures share.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace lab {

// One bitmap resource. The image is QImage::Format_RGB32, whose pixels are
// 0xFFRRGGBB in rows top-down: the layout the lab's Bitmap uses.
struct Picture {
  int id = 0;
  QImage image;
};

// The application icon: 32 x 32 and 16 x 16, QImage::Format_ARGB32 (not
// premultiplied) with alpha 0 or 255 only; transparent pixels are 0.
struct IconPictures {
  int id = 0;
  QImage large;
  QImage small;
};

// Each drawing function returns its pictures in resource-number order.
std::vector<Picture> DrawDisplayCells();      // 130..144
std::vector<Picture> DrawPowerSwitch();       // 145, 148
std::vector<Picture> DrawStopwatchButtons();  // 151..156
std::vector<Picture> DrawWeights();           // 157..160
Picture DrawTitle();                          // 161
IconPictures DrawIcon();                      // 128

// A blank bitmap filled with one colour.
QImage NewBitmap(int width, int height, QColor fill);

// Blurs an ARGB32 (premultiplied or not) image in place with three box
// passes of the given radius in pixels, which approximates a gaussian.
void Blur(QImage& image, int radius);

// A soft shadow of a shape: the shape filled with the colour at the given
// opacity (0..1), moved by offset and blurred by radius, on a transparent
// image of the given size, ready to be drawn under the shape.
QImage SoftShadow(const QPainterPath& shape, QSize size, QPointF offset, int radius, QColor color,
                  double opacity);

// A cheap deterministic hash of two integers and a seed, in 0..1.
double Hash01(int x, int y, int seed);

}  // namespace lab
