// WebHost: the window host in a web page.
//
// The instruments the core draws on a surface (Dialog::Instruments) are
// elements of the page over the canvas, updated after every event and tick
// where they changed; their keys and focus come back as page events.
//
// Implements: RunModal, the controls, MessageBox, SetTimer, WindowChanged
// (the caption, the page's icon, the window menu as a context menu of the
// page), SurfaceChanged, PresentNow, HoldWindow, SetClipboard, SaveFile (a
// download), ReadState and WriteState (local storage), StateLocation.
// Leaves to WindowHost's defaults: EndModal (the loop sees the dialog
// ending), HasSystemMenu (the template's), IsIconic (a page is never
// minimised), the clock (the steady clock: the page's own), PixelScale (the
// browser scales the canvas).
//
// Each modal dialog is a window of the page: a canvas showing the dialog's
// surface, with real HTML controls at the template's places over it. The
// whole program runs as one coroutine (Asyncify): a modal loop (of a dialog
// or a message box) suspends it while it waits for the page's next event or
// timer, so nothing ever busy-waits the browser; timers go on under
// a message box as under a dialog. Input reaches the
// core only from the innermost modal loop, one event at a time: what the page
// queues while the program is suspended elsewhere (a message box, a hold of
// the window) waits in the queue, and input for a window under the innermost
// is dropped.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/instrument.h"
#include "platform/right_button.h"
#include "platform/window_host.h"

namespace lab {

class WebHost : public WindowHost {
 public:
  WebHost();
  ~WebHost() override;

  // The name shown as the caption of message boxes that have none.
  void SetApplicationName(std::string name) { m_applicationName = std::move(name); }
  // The dialog of the outermost window, nullptr when none runs.
  Dialog* OutermostDialog() const;
  // The dialog of the window at this level of the page, nullptr when none.
  Dialog* DialogAt(int level) const;
  // For the page's benchmark: whether changes go to the canvas (the core's
  // own work timed apart from the canvas's).
  void SetPresenting(bool on) { m_presenting = on; }

  int RunModal(Dialog& dialog) override;
  bool SetControlTextQuietly(Dialog& dialog, int id, std::string_view text) override;
  std::string GetControlText(const Dialog& dialog, int id) const override;
  void EnableControl(Dialog& dialog, int id, bool enable) override;
  bool IsControlEnabled(const Dialog& dialog, int id) const override;
  void FocusControl(Dialog& dialog, int id) override;
  int MessageBox(Dialog* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;
  void SetTimer(Dialog& dialog, unsigned id, unsigned milliseconds) override;
  // The window's caption bar (and, for the outermost window, the page's
  // title), the page's icon, and the page's window menu.
  void WindowChanged(Dialog& dialog, WindowPart part) override;
  void SurfaceChanged(Dialog& dialog, const CRect& rect) override;
  void PresentNow(Dialog& dialog) override;
  void HoldWindow(Dialog& dialog, unsigned milliseconds) override;
  void SetClipboard(std::string_view text, std::string_view html) override;
  // The page has no save dialog: the file goes to the browser's downloads
  // under its default name (the browser asks where, if it is set to).
  std::string SaveFile(Dialog& dialog, std::string_view defaultName, std::string_view filter,
                       std::string_view bytes) override;
  // The browser's local storage of the page, one entry per name.
  std::optional<std::string> ReadState(std::string_view name) override;
  bool WriteState(std::string_view name, std::string_view bytes) override;
  // "l'emmagatzematge del navegador".
  std::string StateLocation() const override;

 private:
  struct Timer {
    unsigned id;
    double period;  // ms
    double due;     // ms on the page's clock
  };
  struct Window {
    int level = 0;
    Dialog* dialog = nullptr;
    const DialogTemplate* source = nullptr;
    std::vector<Timer> timers;
    RightButtonRouter rightButton;
    // The instruments as the page shows them now (Dialog::Instruments),
    // when they were last sent (ms on the page's clock), and the one that
    // has the keyboard's focus (-1: none).
    std::vector<Instrument> instruments;
    double instrumentsSent = 0;
    int focusedInstrument = -1;
    // The surface as the canvas's bytes, kept up to date a changed
    // rectangle at a time.
    std::vector<std::uint8_t> image;
  };
  struct Event {
    int kind, level, a, b, c, d;
  };

  Window* WindowOf(const Dialog& dialog) const;
  void AddControls(const Window& window);
  // Delivers the page's events and the timers until done() holds (a modal
  // loop: of a dialog, or of a message box).
  template <typename Done>
  void RunLoop(Done&& done);
  // Delivers every timer that is due; the time until the next one is due
  // (negative: none runs).
  double DeliverDueTimers();
  // Whether the last DeliverDueTimers dispatched a tick.
  bool m_ticked = false;
  void Deliver(const Event& event);
  void DeliverMouse(Window& window, const Event& event);
  // Sends the page the instruments of every window that changed since it
  // last did. After an event always, so that what the student did is heard
  // at once. After ticks alone (a swinging ball changes its place and depth
  // at each one) only a few times a second, unless an instrument has the
  // focus and its mark must follow it: a screen reader reads a state at
  // most that old, and a running lab does not rebuild the descriptions and
  // the page's layout twenty times a second for nobody.
  void ShowInstruments(bool afterTicksOnly = false);
  void DeliverInstrumentEvent(Window& window, const Event& event);

  std::vector<std::unique_ptr<Window>> m_windows;  // outermost first
  std::string m_applicationName;
  bool m_hidden = false;
  bool m_presenting = true;
  // Message boxes up (no input reaches a window meanwhile), and the number
  // of the last one answered.
  int m_openBoxes = 0;
  int m_answeredBox = 0;
  // The event being taken from the page.
  int m_event[6] = {};
};

// The page's one host, made at its first use.
WebHost& PageHost();

}  // namespace lab
