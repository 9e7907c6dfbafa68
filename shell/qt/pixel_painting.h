// Shows the core's pixels unchanged: one logical pixel per picture pixel at
// whole device pixels, enlarged on a high-density screen by the screen's
// whole scale factor with no smoothing.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

namespace lab {

// Draws the parts of `region` (logical pixels) that the picture covers at
// `origin`, and fills the rest of `region` with `background`.
void PaintPixelsExactly(QPainter& painter, const QImage& picture, const QPoint& origin,
                        const QRegion& region, const QColor& background);

// A dotted focus rectangle over `picture` (drawn at the origin): every other
// pixel of the rectangle's edges, those where x + y is even, in the
// inverse of the picture's colour there. The picture itself is not changed.
void PaintFocusMark(QPainter& painter, const QImage& picture, const QRect& mark);

}  // namespace lab
