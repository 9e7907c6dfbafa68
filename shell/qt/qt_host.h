// QtHost: the window host on Qt 6 Widgets.
//
// Implements the modal life, the controls, message boxes, timers, the
// window's caption and icon (WindowChanged; the window menu is read from the
// dialog when it is offered), minimising, the surface, holds, the clipboard,
// SaveFile (Qt's save dialog and an atomic write), the kept state (files)
// and the pixel scale of the window's screen. Leaves to WindowHost's
// defaults HasSystemMenu (the template's WS_SYSMENU) and the clock (the
// steady clock).
//
// Each modal dialog gets a DialogWindow built from its template, with a
// nested event loop of its own; timers are precise Qt timers; message boxes
// are Qt's. A QApplication must exist for the life of the host.
//
// The host keeps the modal levels that run, outermost first: each running
// dialog and each message box over them. A window that is closed while
// levels run over it ends them first (see DialogWindow::closeEvent); EndAll
// ends every level, for a clean exit on a termination signal.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/window_host.h"

class QDialog;

namespace lab {

class DialogWindow;

class QtHost : public WindowHost {
 public:
  QtHost();
  ~QtHost() override;

  // The window of a dialog while it runs, nullptr otherwise.
  static DialogWindow* WindowOf(const Dialog& dialog);

  int RunModal(Dialog& dialog) override;
  void EndModal(Dialog& dialog, int result) override;

  bool SetControlTextQuietly(Dialog& dialog, int id, std::string_view text) override;
  std::string GetControlText(const Dialog& dialog, int id) const override;
  void EnableControl(Dialog& dialog, int id, bool enable) override;
  bool IsControlEnabled(const Dialog& dialog, int id) const override;
  void FocusControl(Dialog& dialog, int id) override;

  // A warning box with one OK button, modal, over its owner's window. An
  // empty caption shows the application's name.
  int MessageBox(Dialog* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;

  void SetTimer(Dialog& dialog, unsigned id, unsigned milliseconds) override;

  void WindowChanged(Dialog& dialog, WindowPart part) override;
  bool IsIconic(const Dialog& dialog) const override;

  void SurfaceChanged(Dialog& dialog, const CRect& rect) override;
  void PresentNow(Dialog& dialog) override;
  // Puts every change on the screen, then sleeps: no event is handled.
  void HoldWindow(Dialog& dialog, unsigned milliseconds) override;

  // Text and HTML in one clipboard entry (text/plain and text/html).
  void SetClipboard(std::string_view text, std::string_view html) override;
  // Qt's save dialog, then desktop_files::WriteFileAtomically.
  std::string SaveFile(Dialog& dialog, std::string_view defaultName, std::string_view filter,
                       std::string_view bytes) override;
  // Files named after the state in $XDG_STATE_HOME/trelko/ (by default
  // ~/.local/state/trelko/), written atomically.
  std::optional<std::string> ReadState(std::string_view name) override;
  bool WriteState(std::string_view name, std::string_view bytes) override;
  // The state folder's path (desktop_files::StateFolder).
  std::string StateLocation() const override;
  int PixelScale(const Dialog& dialog) const override;

  // Ends every level that runs over the dialog's own, innermost first: an
  // open popup menu closes, a message box ends as if answered, a dialog
  // ends with IDCANCEL. Returns true when a message box or dialog ended.
  bool EndAbove(const Dialog& dialog);
  // Ends every level; until the outermost has returned, dialogs that start
  // end at once with IDCANCEL and message boxes return IDOK unseen.
  void EndAll();
  // The number of modal levels running (dialogs and message boxes).
  std::size_t RunningLevels() const { return m_levels.size(); }

 private:
  // A running dialog, or a message box or save dialog (dialog == nullptr).
  struct Level {
    Dialog* dialog;
    QDialog* box;
  };
  // Qt's save dialog, modal over the dialog's window, opening in the
  // documents folder with the proposed name; a name typed without the
  // filter's ending gets it. The chosen path, "" when cancelled.
  std::string ChooseSaveFile(Dialog& dialog, std::string_view defaultName, std::string_view filter);
  bool EndLevelsFrom(std::size_t first);
  void Leave();

  std::vector<Level> m_levels;
  bool m_endingAll = false;
};

}  // namespace lab
