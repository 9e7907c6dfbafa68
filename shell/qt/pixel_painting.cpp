#include "shell/qt/pixel_painting.h"

namespace lab {

void PaintFocusMark(QPainter& painter, const QImage& picture, const QRect& mark) {
  if (mark.isEmpty()) return;
  auto dot = [&](int x, int y) {
    if (((x + y) & 1) != 0 || !picture.valid(x, y)) return;
    painter.fillRect(QRect(x, y, 1, 1), QColor::fromRgb(picture.pixel(x, y) ^ 0x00FFFFFFu));
  };
  for (int x = mark.left(); x <= mark.right(); ++x) {
    dot(x, mark.top());
    if (mark.bottom() != mark.top()) dot(x, mark.bottom());
  }
  for (int y = mark.top() + 1; y < mark.bottom(); ++y) {
    dot(mark.left(), y);
    if (mark.right() != mark.left()) dot(mark.right(), y);
  }
}

void PaintPixelsExactly(QPainter& painter, const QImage& picture, const QPoint& origin,
                        const QRegion& region, const QColor& background) {
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QRect covered(origin, picture.size());
  for (const QRect& part : region) {
    const QRect inside = part & covered;
    if (!inside.isEmpty()) {
      painter.drawImage(inside, picture, inside.translated(-origin));
    }
    for (const QRect& rest : QRegion(part) - QRegion(inside)) {
      painter.fillRect(rest, background);
    }
  }
}

}  // namespace lab
