#include "shell/qt/picture_control.h"

#include <QPaintEvent>

#include "shell/qt/pixel_painting.h"
#include "shell/qt/run_report.h"
#include "shell/qt/template_style.h"

namespace lab {

PictureControl::PictureControl(const QImage& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Clicks on the picture belong to the window behind it.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureControl::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintPixelsExactly(painter, m_picture, QPoint(0, 0), event->region(), DialogBackground());
  run_report::NoteFrame();
}

}  // namespace lab
