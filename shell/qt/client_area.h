// The client area of a dialog window: shows the dialog's surface and turns
// mouse input over it (not over the controls) into the dialog's mouse
// messages, in client pixels.
//
// Where the windowing system gives applications no window menu of their
// own, a right click offers the dialog's window-menu items instead, except
// where the right button is the dialog's own (RightButtonRouter).
#pragma once

#include <QRegion>
#include <QWidget>

#include "platform/right_button.h"

class DialogWindow;

class ClientArea : public QWidget {
 public:
  explicit ClientArea(DialogWindow& window);

  // A part of the surface changed: show it at the next paint.
  void Changed(const QRect& rect);
  // Shows every change now, without returning to the event loop.
  void PresentNow();
  bool HasPendingChanges() const { return !m_pending.isEmpty(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Press(QMouseEvent* event);

  DialogWindow& m_window;
  QRegion m_pending;
  RightButtonRouter m_rightButton;
};
