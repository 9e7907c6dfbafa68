// DialogWindow: the real window of one dialog, built from its template.
//
// It holds a widget for every control of the template (push buttons, line
// edits, text labels, pictures) at the template's place, above the client
// area that shows the dialog's surface. Every event that the dialog must
// know of becomes one of its messages (Dialog::Dispatch*), one at a time:
// button clicks, edit changes, Enter, Escape, the close command, timers,
// mouse input over the client area and a full paint whenever the window is
// exposed. Only the dialog ends the window (EndModal); Escape and the close
// button ask the dialog. A close while a message box or another dialog runs
// over the window ends those first, and reaches the dialog once the handler
// that started them has returned.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/control_look.h"
#include "platform/dialog.h"
#include "platform/resources.h"

class QTimer;
class QWindow;

namespace lab {

class ClientArea;
class QtHost;

class DialogWindow : public QDialog {
 public:
  DialogWindow(QtHost& host, Dialog& dialog, const DialogTemplate& source);
  ~DialogWindow() override;

  const DialogTemplate& Source() const { return m_source; }
  int TemplateId() const { return m_source.id; }
  // The dialog, or nullptr once it has ended.
  Dialog* Core() const { return m_dialog; }
  ClientArea* Client() const { return m_client; }
  // The widget of a control, nullptr when the template has none.
  QWidget* Control(int id) const;

  // --- the modal life -------------------------------------------------------
  // After the dialog's initialisation: the focus goes to the window's
  // opening control (OpeningFocus), and the window is centred on the screen.
  void PrepareToShow();
  void EndModal(int result);
  // The dialog is over: no more messages reach it, its timers stop.
  void Detach();
  // True while a message of this window is being handled.
  bool Dispatching() const { return m_depth > 0; }

  // Delivers one message to the dialog, unless it has ended or is ending.
  template <typename Message>
  void Dispatch(Message&& message) {
    if (m_dialog == nullptr || m_dialog->IsEnding()) return;
    ++m_depth;
    std::forward<Message>(message)(*m_dialog);
    --m_depth;
    if (m_depth == 0 && m_closePending) DeliverPendingClose();
  }

  // --- controls -------------------------------------------------------------
  // Sets the text with no notification (the core gives it); an edit's new
  // text shows from its beginning. False when there is no such control.
  bool SetControlTextQuietly(int id, std::string_view text);
  std::string ControlText(int id) const;
  void EnableControl(int id, bool enable);
  bool IsControlEnabled(int id) const;
  void FocusControl(int id);

  // --- timers, window menu, icon --------------------------------------------
  void SetTimer(unsigned id, unsigned milliseconds);
  // The dialog's window menu (Dialog::SystemMenuItems) has an item.
  bool HasWindowMenu() const;
  // Offers the window-menu items at a screen position; a chosen item is a
  // system command to the dialog.
  void ShowWindowMenu(const QPoint& globalPos);
  // Shows the dialog's icons (Dialog::WindowIcon) as the window's.
  void ShowIcon();

  // --- the surface ----------------------------------------------------------
  void SurfaceChanged(const CRect& rect);
  void PresentNow();

  // The standard OK and Cancel actions go to the dialog.
  void accept() override;
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab go round the window's ring (platform/focus_ring.h):
  // the instruments inside the client area, then the controls.
  bool focusNextPrevChild(bool next) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ControlWidget {
    const ControlTemplate* source;
    QWidget* widget;
  };
  QWidget* CreateControl(const ControlTemplate& control);
  QWidget* CreateButton(const ControlTemplate& control, const ControlLook& look);
  QWidget* CreateEdit(const ControlTemplate& control, const ControlLook& look);
  QWidget* CreateText(const ControlTemplate& control, const ControlLook& look);
  QWidget* CreatePicture(const ControlTemplate& control);
  void DeliverPendingClose();

  QtHost& m_host;
  Dialog* m_dialog;
  const DialogTemplate& m_source;
  ClientArea* m_client = nullptr;
  std::vector<ControlWidget> m_controls;
  std::vector<std::pair<unsigned, QTimer*>> m_timers;
  QPointer<QWindow> m_exposeWatched;
  int m_depth = 0;
  // A close that waits for the running handler to return.
  bool m_closePending = false;
};

}  // namespace lab
