// The stopwatch display's cells (130..144): classic seven-segment figures,
// 15 x 22, flat colours and hard edges so that they stay crisp at their
// natural size. Layout of a cell (segment centre lines):
//
//        x=2      x=11
//   y=2   +---a---+
//         f       b
//   y=11  +---g---+
//         e       c
//   y=20  +---d---+
//
// Bars are 3 pixels thick with pointed ends that meet their neighbours along
// a one-pixel diagonal seam. Column 0 and columns 13..14 stay dark, so the
// decimal point drawn at x 14..15, y 19..20 of a cell sits in the gap between
// two figures, level with the bottom bar.
#include <QColor>

#include "res/generator/picture.h"

namespace lab {

namespace {

const QColor kCell(37, 75, 75);
const QColor kLit(140, 198, 198);
const QColor kUnlit(50, 92, 92);

constexpr int kWidth = 15;
constexpr int kHeight = 22;
constexpr int kLeft = 3, kRight = 11;                // centre columns of the sides
constexpr int kTop = 3, kMiddle = 11, kBottom = 19;  // centre rows of the bars

enum Segment : unsigned { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

// A horizontal bar on row y between the corner columns x0 and x1: the middle
// row stops one pixel short of each corner, the outer rows two.
void HorizontalBar(QImage& image, int y, int x0, int x1, QColor color) {
  for (int x = x0 + 1; x <= x1 - 1; ++x) image.setPixelColor(x, y, color);
  for (int x = x0 + 2; x <= x1 - 2; ++x) {
    image.setPixelColor(x, y - 1, color);
    image.setPixelColor(x, y + 1, color);
  }
}

void VerticalBar(QImage& image, int x, int y0, int y1, QColor color) {
  for (int y = y0 + 1; y <= y1 - 1; ++y) image.setPixelColor(x, y, color);
  for (int y = y0 + 2; y <= y1 - 2; ++y) {
    image.setPixelColor(x - 1, y, color);
    image.setPixelColor(x + 1, y, color);
  }
}

QImage Cell(unsigned lit) {
  QImage image = NewBitmap(kWidth, kHeight, kCell);
  auto color = [lit](unsigned segment) { return (lit & segment) ? kLit : kUnlit; };
  HorizontalBar(image, kTop, kLeft, kRight, color(A));
  VerticalBar(image, kRight, kTop, kMiddle, color(B));
  VerticalBar(image, kRight, kMiddle, kBottom, color(C));
  HorizontalBar(image, kBottom, kLeft, kRight, color(D));
  VerticalBar(image, kLeft, kMiddle, kBottom, color(E));
  VerticalBar(image, kLeft, kTop, kMiddle, color(F));
  HorizontalBar(image, kMiddle, kLeft, kRight, color(G));
  return image;
}

constexpr unsigned kDigits[10] = {
    A | B | C | D | E | F,      // 0
    B | C,                      // 1
    A | B | D | E | G,          // 2
    A | B | C | D | G,          // 3
    B | C | F | G,              // 4
    A | C | D | F | G,          // 5
    A | C | D | E | F | G,      // 6
    A | B | C,                  // 7
    A | B | C | D | E | F | G,  // 8
    A | B | C | D | F | G,      // 9
};

}  // namespace

std::vector<Picture> DrawDisplayCells() {
  std::vector<Picture> cells;
  for (int digit = 0; digit < 10; ++digit) cells.push_back({130 + digit, Cell(kDigits[digit])});
  cells.push_back({140, Cell(0)});
  cells.push_back({141, NewBitmap(2, 2, kLit)});
  cells.push_back({142, Cell(G)});
  cells.push_back({143, Cell(A | D | E | F | G)});
  cells.push_back({144, Cell(A | B | C | E | F | G)});
  return cells;
}

}  // namespace lab
