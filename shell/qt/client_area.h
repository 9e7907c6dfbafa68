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

#include "platform/dialog.h"
#include "platform/right_button.h"
#include "shell/qt/instrument_accessible.h"

namespace lab {

class DialogWindow;

class ClientArea : public QWidget {
 public:
  explicit ClientArea(DialogWindow& window);

  // A part of the surface changed: show it at the next paint.
  void Changed(const QRect& rect);
  // Shows every change now, without returning to the event loop.
  void PresentNow();
  bool HasPendingChanges() const { return !m_pending.isEmpty(); }
  // A dialog with instruments takes part in Tab: Tab and Shift+Tab move
  // among its instruments inside the client area before going on to the
  // controls, and the keys go to the focused instrument.
  void TakeInstrumentFocus(bool take);
  // Shows the focus mark where the focused instrument is now: called after
  // every change of the surface, of the focus and after an instrument's key.
  void UpdateFocusMark();
  // The focus mark drawn now (the instrument's rectangle grown by 1 pixel),
  // empty when none.
  QRect FocusMark() const { return m_mark; }
  // The dialog shown, nullptr once it has ended.
  const Dialog* Core() const;
  // Tab or Shift+Tab brought the focus to this instrument.
  void TabToInstrument(int id);
  // A press of the instrument as Space presses it (a screen reader's action).
  void PressInstrument(int id);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Press(QMouseEvent* event);
  // One mouse message to the dialog, at a client point.
  void Send(Dialog::Mouse kind, unsigned flags, QPoint at);
  void FocusInstrument(int id);

  DialogWindow& m_window;
  QRegion m_pending;
  RightButtonRouter m_rightButton;
  QRect m_mark;
  int m_lastInstrument = -1;  // focused again when the window gets the focus back
  InstrumentAnnouncer m_announcer;
};

}  // namespace lab
