// The one seam between the core and a windowing system.
//
// It has two halves. A host drives the core through the dialog's entry
// points (platform/dialog.h: InitDialog, the Dispatch* calls, the
// instruments, ResizeClient) and reads what a window shows from it (its
// surface, caption, icon and window menu); the lab's own questions go
// through app/running_lab.h. The core asks the host through this interface
// for what needs a real window. Three hosts implement it: the Qt shell on
// real widgets (shell/qt), the web page with HTML controls over a canvas
// (shell/web), and the headless host in memory for tests and benchmarks
// (shell/headless). The core never knows which one runs it.
//
// The calls with a body here are the optional part, all defaulted in
// window_host.cpp with the behaviour of a host without that part (no
// minimising, no clipboard, no kept state ...); the others every host
// writes. Each host's header lists what it does.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/geometry.h"

namespace lab {

class Dialog;

// The parts of a window that the dialog keeps and the host shows.
enum class WindowPart { kCaption, kIcon, kSystemMenu };

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Creates the dialog's window and controls from its template, runs its
  // initialisation (Dialog::InitDialog) before showing it, then runs a modal
  // loop until Dialog::EndDialog. Destroys the window and returns the result.
  virtual int RunModal(Dialog& dialog) = 0;
  // Ends the modal loop of the dialog with a result. The default does
  // nothing: a loop that checks Dialog::IsEnding at each turn needs no call.
  virtual void EndModal(Dialog& dialog, int result);

  // Controls by identifier. SetControlTextQuietly only sets the text (an
  // edit's shows from its beginning), with no notification of its own: the
  // core (CWnd::SetWindowText) skips a text that is already there and
  // notifies an edit's change. False when the dialog has no window or no
  // such control.
  virtual bool SetControlTextQuietly(Dialog& dialog, int id, std::string_view text) = 0;
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

  // Whether the dialog has a window menu: the default is the template's
  // WS_SYSMENU; a host that offers no menu says false.
  virtual bool HasSystemMenu(const Dialog& dialog) const;
  // What the dialog keeps of its window changed: its caption
  // (Dialog::Caption), its icons (Dialog::WindowIcon) or its window menu
  // (Dialog::SystemMenuItems). Default: nothing (a host that reads them
  // when it shows them).
  virtual void WindowChanged(Dialog& dialog, WindowPart part);

  // Default: a window that is never minimised.
  virtual bool IsIconic(const Dialog& dialog) const;

  // A device context of the dialog was released after changing this part of
  // its surface. PresentNow shows every change at once (default: nothing,
  // for a host that shows every change as it is reported).
  virtual void SurfaceChanged(Dialog& dialog, const CRect& rect) = 0;
  virtual void PresentNow(Dialog& dialog);
  // Holds the window for a time after every change is on the screen: no
  // message is handled meanwhile and the lab's clock does not advance. The
  // desktop and the page sleep; the headless host advances its own clock.
  virtual void HoldWindow(Dialog& dialog, unsigned milliseconds) = 0;

  // Elapsed time in milliseconds since some fixed moment (the run-time
  // clock). Default: the system's steady clock.
  virtual long ElapsedMilliseconds();

  // Plain text and HTML of the same content onto the clipboard. Default:
  // nothing (no clipboard).
  virtual void SetClipboard(std::string_view text, std::string_view html);
  // Saves bytes as a file that the user names, the host's own way: the
  // desktop asks with its save dialog (proposing defaultName, showing files
  // of the filter, "*.csv") and writes to a temporary name in the chosen
  // folder, then renames it, so the file is whole or untouched; the page
  // offers a download under defaultName. "" on success or when the user
  // cancels, else a Catalan sentence saying what failed and where.
  virtual std::string SaveFile(Dialog& dialog, std::string_view defaultName,
                               std::string_view filter, std::string_view bytes) = 0;
  // The lab's kept state (the series), by name: files in
  // $XDG_STATE_HOME/trelko/ on the desktop, local storage in the browser.
  // ReadState gives std::nullopt when missing or unreadable; WriteState
  // false when it could not keep it. Default: nothing is kept.
  virtual std::optional<std::string> ReadState(std::string_view name);
  virtual bool WriteState(std::string_view name, std::string_view bytes);
  // Where the kept state lives, in Catalan words for a message ("" when the
  // host keeps nothing, the default).
  virtual std::string StateLocation() const;

  // How many device pixels wide one surface pixel is on the dialog's screen
  // (a whole number: 2 on a screen of twice the density). Default 1.
  virtual int PixelScale(const Dialog& dialog) const;
};

// The host that the core uses. Set once by the program's start-up (or by a
// test) before any dialog runs.
void SetWindowHost(WindowHost* host);
WindowHost& GetWindowHost();
bool HasWindowHost();

}  // namespace lab
