#include "shell/qt/client_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <cmath>

#include "shell/qt/dialog_window.h"
#include "shell/qt/pixel_painting.h"
#include "shell/qt/run_report.h"
#include "shell/qt/template_style.h"

namespace {
unsigned ButtonFlags(Qt::MouseButtons buttons) {
  unsigned flags = 0;
  if ((buttons & Qt::LeftButton) != 0) flags |= MK_LBUTTON;
  if ((buttons & Qt::RightButton) != 0) flags |= MK_RBUTTON;
  return flags;
}

// The client pixel under the pointer (the pixel the point lies in).
QPoint ClientPixel(const QMouseEvent* event) {
  const QPointF p = event->position();
  return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}
}  // namespace

ClientArea::ClientArea(DialogWindow& window) : QWidget(&window), m_window(window) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // moves without a button pressed are messages too
  setFocusPolicy(Qt::NoFocus);
}

void ClientArea::Changed(const QRect& rect) {
  if (rect.isEmpty()) return;
  m_pending += rect;
  update(rect);
}

void ClientArea::PresentNow() {
  if (m_pending.isEmpty() || !isVisible() || window()->isMinimized()) return;
  // Paints into the window's backing store and flushes it to the screen
  // before returning; no event is handled meanwhile.
  repaint(m_pending);
}

void ClientArea::paintEvent(QPaintEvent* event) {
  m_pending -= event->region();
  QPainter painter(this);
  QImage surface;
  if (const Dialog* dialog = m_window.Core()) {
    const Surface& s = dialog->GetSurface();
    surface = ViewPixels(s.Data(), s.Width(), s.Height());
  }
  PaintPixelsExactly(painter, surface, QPoint(0, 0), event->region(), DialogBackground());
  run_report::NoteFrame();
}

void ClientArea::Press(QMouseEvent* event) {
  const QPoint at = ClientPixel(event);
  const unsigned flags = ButtonFlags(event->buttons());
  if (event->button() == Qt::LeftButton) {
    m_window.Dispatch(
        [&](Dialog& d) { d.DispatchMouse(Dialog::Mouse::LeftDown, flags, at.x(), at.y()); });
  } else if (event->button() == Qt::RightButton) {
    if (m_rightButton.Press(m_window.Core(), CPoint{at.x(), at.y()}, m_window.HasWindowMenu()) ==
        RightButtonRouter::Route::WindowMenu) {
      m_window.ShowWindowMenu(event->globalPosition().toPoint());
      return;
    }
    m_window.Dispatch(
        [&](Dialog& d) { d.DispatchMouse(Dialog::Mouse::RightDown, flags, at.x(), at.y()); });
  }
}

void ClientArea::mousePressEvent(QMouseEvent* event) { Press(event); }

// The dialog's window asks for no double clicks: a second press in quick
// succession is just another press.
void ClientArea::mouseDoubleClickEvent(QMouseEvent* event) { Press(event); }

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = ClientPixel(event);
  const unsigned flags = ButtonFlags(event->buttons());
  if (event->button() == Qt::LeftButton) {
    m_window.Dispatch(
        [&](Dialog& d) { d.DispatchMouse(Dialog::Mouse::LeftUp, flags, at.x(), at.y()); });
  } else if (event->button() == Qt::RightButton) {
    if (m_rightButton.Release() == RightButtonRouter::Route::Nowhere) return;
    m_window.Dispatch(
        [&](Dialog& d) { d.DispatchMouse(Dialog::Mouse::RightUp, flags, at.x(), at.y()); });
  }
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = ClientPixel(event);
  const unsigned flags = ButtonFlags(event->buttons());
  m_window.Dispatch(
      [&](Dialog& d) { d.DispatchMouse(Dialog::Mouse::Move, flags, at.x(), at.y()); });
}
