// The one seam between the core and a windowing system.
//
// Everything that needs a real window goes through this interface: the Qt
// shell implements it on real widgets, the headless host in memory for tests
// and benchmarks. The core never knows which one runs it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/geometry.h"

class Dialog;

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Creates the dialog's window and controls from its template, runs its
  // initialisation (Dialog::InitDialog) before showing it, then runs a modal
  // loop until Dialog::EndDialog. Destroys the window and returns the result.
  virtual int RunModal(Dialog& dialog) = 0;
  // Ends the modal loop of the dialog with a result.
  virtual void EndModal(Dialog& dialog, int result) = 0;

  // Controls by identifier. Setting a text changes the control only when the
  // text differs, and an actual change of an edit control raises its change
  // notification (Dialog::DispatchCommand with EN_CHANGE).
  virtual void SetControlText(Dialog& dialog, int id, std::string_view text) = 0;
  virtual std::string GetControlText(const Dialog& dialog, int id) const = 0;
  virtual void EnableControl(Dialog& dialog, int id, bool enable) = 0;
  virtual bool IsControlEnabled(const Dialog& dialog, int id) const = 0;
  // Puts the focus into a control and selects all its text.
  virtual void FocusControl(Dialog& dialog, int id) = 0;

  // A modal message box; returns the button that ended it (IDOK).
  virtual int MessageBox(Dialog* owner, std::string_view text, std::string_view caption,
                         unsigned type) = 0;

  // A periodic timer that delivers Dialog::DispatchTimer(id).
  virtual void SetTimer(Dialog& dialog, unsigned id, unsigned milliseconds) = 0;

  // The window menu. HasSystemMenu is false for windows without one.
  virtual bool HasSystemMenu(const Dialog& dialog) const = 0;
  virtual void AppendSystemMenuSeparator(Dialog& dialog) = 0;
  virtual void AppendSystemMenuItem(Dialog& dialog, unsigned command, std::string_view text) = 0;

  virtual void SetIcon(Dialog& dialog, const Icon* icon, bool big) = 0;
  virtual bool IsIconic(const Dialog& dialog) const = 0;

  // A device context of the dialog was released after changing this part of
  // its surface. PresentNow shows every change at once (before a busy wait).
  virtual void SurfaceChanged(Dialog& dialog, const CRect& rect) = 0;
  virtual void PresentNow(Dialog& dialog) = 0;

  // Elapsed time in milliseconds since some fixed moment (the run-time clock).
  virtual long ElapsedMilliseconds() = 0;

  // Plain text and HTML of the same content onto the clipboard.
  virtual void SetClipboard(std::string_view text, std::string_view html) = 0;
  // The desktop's save dialog; the chosen path, or "" when cancelled.
  virtual std::string ChooseSaveFile(Dialog& dialog, std::string_view defaultName,
                                     std::string_view filter) = 0;
  // Writes bytes to a temporary name in the same folder, then renames it;
  // "" on success, else a Catalan sentence saying what failed and where.
  virtual std::string WriteFileAtomically(std::string_view path, std::string_view bytes) = 0;
  // The lab's kept state (the series), by name: files in
  // $XDG_STATE_HOME/trelko/ on the desktop, local storage in the browser.
  // ReadState gives std::nullopt when missing or unreadable.
  virtual std::optional<std::string> ReadState(std::string_view name) = 0;
  virtual bool WriteState(std::string_view name, std::string_view bytes) = 0;
  // Greys or enables an item of the window menu.
  virtual void EnableSystemMenuItem(Dialog& dialog, unsigned command, bool enable) = 0;

  // How many device pixels wide one surface pixel is on the dialog's screen
  // (a whole number: 2 on a screen of twice the density).
  virtual int PixelScale(const Dialog&) const { return 1; }
};

// The host that the core uses. Set once by the program's start-up (or by a
// test) before any dialog runs.
void SetWindowHost(WindowHost* host);
WindowHost& GetWindowHost();
bool HasWindowHost();
