#include "shell/qt/client_area.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <cmath>

#include "platform/focus_ring.h"
#include "shell/qt/dialog_window.h"
#include "shell/qt/pixel_painting.h"
#include "shell/qt/run_report.h"
#include "shell/qt/template_style.h"

namespace lab {

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
  InstallInstrumentAccessibility();
}

const Dialog* ClientArea::Core() const { return m_window.Core(); }

void ClientArea::PressInstrument(int id) {
  m_window.Dispatch([id](Dialog& d) { d.DispatchInstrumentKey(id, VK_SPACE, 0); });
  UpdateFocusMark();
}

void ClientArea::Changed(const QRect& rect) {
  if (rect.isEmpty()) return;
  m_pending += rect;
  update(rect);
  UpdateFocusMark();
}

// --- the instruments and the keyboard ---------------------------------------------

namespace {
// The core's number of a key the instruments may take; 0 for any other.
int VirtualKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_L:
      return VK_L;
    default:
      return 0;
  }
}
}  // namespace

void ClientArea::TakeInstrumentFocus(bool take) {
  // Tab only: a click on the picture leaves the focus where it is, as it
  // always has (in the count box, say).
  setFocusPolicy(take ? Qt::TabFocus : Qt::NoFocus);
}

void ClientArea::UpdateFocusMark() {
  QRect mark;
  const Dialog* dialog = m_window.Core();
  if (dialog != nullptr && QAccessible::isActive())
    m_announcer.Update(*this, dialog->Instruments());
  if (hasFocus() && dialog != nullptr && dialog->FocusedInstrument() >= 0) {
    for (const Instrument& i : dialog->Instruments()) {
      if (i.id != dialog->FocusedInstrument()) continue;
      mark = QRect(QPoint(i.rect.left, i.rect.top), QPoint(i.rect.right - 1, i.rect.bottom - 1));
      mark.adjust(-1, -1, 1, 1);
    }
  }
  if (mark == m_mark) return;
  update(m_mark);
  update(mark);
  m_mark = mark;
}

void ClientArea::FocusInstrument(int id) {
  m_lastInstrument = id;
  m_window.Dispatch([id](Dialog& d) { d.DispatchInstrumentFocus(id); });
  UpdateFocusMark();
  if (const Dialog* dialog = m_window.Core(); dialog != nullptr && hasFocus()) {
    const std::vector<Instrument> list = dialog->Instruments();
    for (std::size_t n = 0; n < list.size(); ++n) {
      if (list[n].id == id) m_announcer.Focus(*this, static_cast<int>(n));
    }
  }
}

void ClientArea::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  const Dialog* dialog = m_window.Core();
  if (dialog == nullptr) return;
  const std::vector<Instrument> list = dialog->Instruments();
  if (list.empty()) return;
  int id = list.front().id;
  if (event->reason() == Qt::BacktabFocusReason) {
    id = list.back().id;
  } else if (event->reason() != Qt::TabFocusReason) {
    for (const Instrument& i : list) {
      if (i.id == m_lastInstrument) id = i.id;
    }
  }
  FocusInstrument(id);
}

void ClientArea::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  const Dialog* dialog = m_window.Core();
  if (dialog != nullptr && dialog->FocusedInstrument() >= 0) {
    m_window.Dispatch([](Dialog& d) { d.DispatchInstrumentFocus(-1); });
  }
  UpdateFocusMark();
}

void ClientArea::TabToInstrument(int id) {
  m_lastInstrument = id;
  if (hasFocus()) {
    FocusInstrument(id);
  } else {
    // focusInEvent focuses the instrument last focused: this one.
    setFocus(Qt::OtherFocusReason);
  }
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
  const Dialog* dialog = m_window.Core();
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const int key = VirtualKey(event->key());
  const unsigned held = ((modifiers & Qt::ShiftModifier) != 0 ? KEY_SHIFT : 0) |
                        ((modifiers & ~Qt::ShiftModifier) != 0 ? KEY_OTHER_MODIFIER : 0);
  if (dialog == nullptr || dialog->FocusedInstrument() < 0 ||
      !InstrumentTakesKey(key, held, false)) {
    // Escape, F1 and the rest go on to the window.
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (event->isAutoRepeat() && !InstrumentTakesKey(key, held, true)) return;
  const int id = dialog->FocusedInstrument();
  const unsigned shift = held & KEY_SHIFT;
  m_window.Dispatch([&](Dialog& d) { d.DispatchInstrumentKey(id, key, shift); });
  UpdateFocusMark();
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
  PaintFocusMark(painter, surface, m_mark);
  run_report::NoteFrame();
}

void ClientArea::Send(Dialog::Mouse kind, unsigned flags, QPoint at) {
  m_window.Dispatch([&](Dialog& d) { d.DispatchMouse(kind, flags, at.x(), at.y()); });
}

void ClientArea::Press(QMouseEvent* event) {
  const QPoint at = ClientPixel(event);
  const unsigned flags = ButtonFlags(event->buttons());
  if (event->button() == Qt::LeftButton) {
    Send(Dialog::Mouse::LeftDown, flags, at);
  } else if (event->button() == Qt::RightButton) {
    if (m_rightButton.Press(m_window.Core(), CPoint{at.x(), at.y()}, m_window.HasWindowMenu()) ==
        RightButtonRouter::Route::WindowMenu) {
      m_window.ShowWindowMenu(event->globalPosition().toPoint());
      return;
    }
    Send(Dialog::Mouse::RightDown, flags, at);
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
    Send(Dialog::Mouse::LeftUp, flags, at);
  } else if (event->button() == Qt::RightButton) {
    if (m_rightButton.Release() == RightButtonRouter::Route::Nowhere) return;
    Send(Dialog::Mouse::RightUp, flags, at);
  }
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = ClientPixel(event);
  const unsigned flags = ButtonFlags(event->buttons());
  Send(Dialog::Mouse::Move, flags, at);
}

}  // namespace lab
