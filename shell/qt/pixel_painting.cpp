#include "shell/qt/pixel_painting.h"

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
