// HeadlessHost: the window host in memory, for tests and benchmarks.
//
// It creates windows from the dialog templates with their controls as plain
// records, and lets a test deliver every message a user or the system can
// give (ticks, presses, moves, releases, clicks, typing, keys, system
// commands, repaints) and read back the surface's pixels, every control's
// text and state, and the message boxes and modal dialogs that came up. A
// modal dialog opened by a handler is answered at once (its default button is
// pressed), a message box with OK; both are recorded.
//
// Implements the calls of WindowHost in memory, recorded for the tests, but
// EndModal (RunModal returns once the dialog is ending), HasSystemMenu (the
// template's) and WindowChanged (it reads the window menu, the icons and the
// caption from the dialog when a test asks), which it leaves to the
// defaults.
// SaveFile answers from AnswerSaveDialog and writes the file for real.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_look.h"
#include "platform/dialog.h"
#include "platform/resources.h"
#include "platform/window_host.h"

namespace lab {

class HeadlessHost : public WindowHost {
 public:
  struct MessageBoxRecord {
    std::string text;
    std::string caption;
    unsigned type = 0;
    int ownerTemplate = 0;  // 0 without an owner
  };
  using MenuItem = WindowMenuItem;
  // One opening of the save dialog.
  struct SaveDialogRecord {
    std::string defaultName;
    std::string filter;
  };
  // Virtual: the elapsed clock advances 1 ms at each reading. Real: the
  // steady clock. Either way a hold of the window (HoldWindow) moves the
  // clock on by its time at once, without waiting.
  enum class Clock { Virtual, Real };
  // What happens to a dialog run modally: the default presses its default
  // button (as a user closing the title picture with Enter would).
  using ModalHandler = std::function<void(HeadlessHost&, Dialog&)>;

  HeadlessHost();
  ~HeadlessHost() override;

  // --- driving ------------------------------------------------------------
  // Creates the window, runs the dialog's initialisation and its first paint.
  void Open(Dialog& dialog);
  void Close(Dialog& dialog);
  bool IsOpen(const Dialog& dialog) const;
  // Delivers n ticks of every timer of the dialog, in the order they were set.
  void Tick(Dialog& dialog, int n = 1);
  void Paint(Dialog& dialog);
  void LeftDown(Dialog& dialog, int x, int y);
  void LeftUp(Dialog& dialog, int x, int y);
  void RightDown(Dialog& dialog, int x, int y);
  void RightUp(Dialog& dialog, int x, int y);
  void Move(Dialog& dialog, int x, int y, unsigned flags = 0);
  // A left click: press and release at one point.
  void LeftClick(Dialog& dialog, int x, int y);
  // Clicks a button; ignored when it is hidden or disabled. False then.
  bool Click(Dialog& dialog, int id);
  // Types text at the end of an edit box, one character at a time, each with
  // its change notification. Ignored for read-only boxes.
  void Type(Dialog& dialog, int id, std::string_view utf8);
  // Replaces the whole text of an edit box at once (a paste over a
  // selection), with one change notification.
  void Paste(Dialog& dialog, int id, std::string_view utf8);
  // Deletes the last character of an edit box (Backspace). Ignored, as
  // typing is, for read-only and disabled boxes.
  void Backspace(Dialog& dialog, int id);
  // A key to the focused instrument when there is one (Escape still ends
  // the dialog); otherwise Enter presses the default button, Escape cancels
  // and Space clicks a focused push button.
  void Key(Dialog& dialog, int key, unsigned modifiers = 0);
  // Moves the focus round the Tab ring: the dialog's instruments in reading
  // order, then its enabled visible tab-stop controls in template order.
  void Tab(Dialog& dialog, bool shift = false);
  // The instrument with the focus, -1 when none.
  int FocusedInstrument(const Dialog& dialog) const { return dialog.FocusedInstrument(); }
  void SysCommand(Dialog& dialog, unsigned command);
  void SetIconic(Dialog& dialog, bool iconic, int width = 0, int height = 0);

  // --- reading ------------------------------------------------------------
  std::string Text(const Dialog& dialog, int id) const;
  bool Enabled(const Dialog& dialog, int id) const;
  bool Visible(const Dialog& dialog, int id) const;
  int Focus(const Dialog& dialog) const;  // control with the focus, 0 none
  bool HasControl(const Dialog& dialog, int id) const;
  const std::vector<MenuItem>& SystemMenu(const Dialog& dialog) const;
  const Icon* WindowIcon(const Dialog& dialog, bool big) const;
  unsigned TimerPeriod(const Dialog& dialog, unsigned id) const;  // 0 when none
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
  void ClearMessageBoxes() { m_messageBoxes.clear(); }
  // Template numbers of the dialogs run modally, in order.
  const std::vector<int>& ModalDialogs() const { return m_modalDialogs; }
  // Union of the surface parts reported changed since the last call (of
  // either Take).
  CRect TakeChanged(const Dialog& dialog);
  // The same changes as the host was given them, one rectangle each.
  std::vector<CRect> TakeChangedParts(const Dialog& dialog);
  int PresentCount() const { return m_presentCount; }
  // The holds of a window (a pressed button staying down) so far.
  int HoldCount() const { return m_holdCount; }

  // The window menu's item with this command; nullptr when there is none.
  const MenuItem* SystemMenuItem(const Dialog& dialog, unsigned command) const;

  // --- the clipboard, the save dialog, files and the kept state -------------
  // The last text and HTML put on the clipboard, and how many times.
  const std::string& ClipboardText() const { return m_clipboardText; }
  const std::string& ClipboardHtml() const { return m_clipboardHtml; }
  int ClipboardWrites() const { return m_clipboardWrites; }
  // The answers of the next save dialogs, in order: a path, or "" for a
  // cancel. A dialog with no answer left is cancelled.
  void AnswerSaveDialog(std::string path) { m_saveAnswers.push_back(std::move(path)); }
  const std::vector<SaveDialogRecord>& SaveDialogs() const { return m_saveDialogs; }
  // Files are written for real (desktop_files::WriteFileAtomically); the
  // paths chosen are recorded in order, failed writes too.
  const std::vector<std::string>& FileWrites() const { return m_fileWrites; }
  // The kept state, by name. A test may fill it before the dialog opens, or
  // make writes fail.
  std::map<std::string, std::string, std::less<>>& State() { return m_state; }
  void SetStateWritable(bool writable) { m_stateWritable = writable; }
  int StateWrites() const { return m_stateWrites; }
  // The caption a dialog's window shows: the template's until SetCaption.
  std::string Caption(const Dialog& dialog) const;
  void SetPixelScale(int scale) { m_pixelScale = scale; }

  void SetClock(Clock clock) { m_clock = clock; }
  void SetModalHandler(ModalHandler handler) { m_modalHandler = std::move(handler); }

  // --- WindowHost -----------------------------------------------------------
  int RunModal(Dialog& dialog) override;
  bool SetControlTextQuietly(Dialog& dialog, int id, std::string_view text) override;
  std::string GetControlText(const Dialog& dialog, int id) const override;
  void EnableControl(Dialog& dialog, int id, bool enable) override;
  bool IsControlEnabled(const Dialog& dialog, int id) const override;
  void FocusControl(Dialog& dialog, int id) override;
  int MessageBox(Dialog* owner, std::string_view text, std::string_view caption,
                 unsigned type) override;
  void SetTimer(Dialog& dialog, unsigned id, unsigned milliseconds) override;
  bool IsIconic(const Dialog& dialog) const override;
  void SurfaceChanged(Dialog& dialog, const CRect& rect) override;
  void PresentNow(Dialog& dialog) override;
  void HoldWindow(Dialog& dialog, unsigned milliseconds) override;
  long ElapsedMilliseconds() override;
  void SetClipboard(std::string_view text, std::string_view html) override;
  std::string SaveFile(Dialog& dialog, std::string_view defaultName, std::string_view filter,
                       std::string_view bytes) override;
  std::optional<std::string> ReadState(std::string_view name) override;
  bool WriteState(std::string_view name, std::string_view bytes) override;
  // The catalogue's StateInTestMemory: the state is a map of this host.
  std::string StateLocation() const override;
  int PixelScale(const Dialog& dialog) const override;

 private:
  struct Control {
    const ControlTemplate* source = nullptr;
    ControlLook look;
    std::string text;
    bool enabled = true;
    bool visible = true;
  };
  struct Window {
    const DialogTemplate* source = nullptr;
    std::vector<Control> controls;
    std::vector<std::pair<unsigned, unsigned>> timers;  // id, period
    bool iconic = false;
    int focus = 0;
    CRect changed;
    std::vector<CRect> changedParts;
  };
  Window& Get(const Dialog& dialog) const;
  Control* Find(const Dialog& dialog, int id) const;
  // An enabled edit that is not read-only: the user's typing reaches it.
  static bool TakesTyping(const Control* c);

  std::vector<std::unique_ptr<Window>> m_windows;
  std::vector<MessageBoxRecord> m_messageBoxes;
  std::vector<int> m_modalDialogs;
  int m_presentCount = 0;
  Clock m_clock = Clock::Virtual;
  long m_virtualMs = 0;
  long m_heldMs = 0;  // the time the window was held, added to the clock
  int m_holdCount = 0;
  ModalHandler m_modalHandler;
  std::string m_clipboardText;
  std::string m_clipboardHtml;
  int m_clipboardWrites = 0;
  std::deque<std::string> m_saveAnswers;
  std::vector<SaveDialogRecord> m_saveDialogs;
  std::vector<std::string> m_fileWrites;
  std::map<std::string, std::string, std::less<>> m_state;
  bool m_stateWritable = true;
  int m_stateWrites = 0;
  int m_pixelScale = 1;
};

// Installs a headless host for the life of a scope, then puts back the one
// that was installed before.
class ScopedHeadlessHost {
 public:
  ScopedHeadlessHost();
  ~ScopedHeadlessHost();
  HeadlessHost& operator*() { return m_host; }
  HeadlessHost* operator->() { return &m_host; }
  const HeadlessHost& operator*() const { return m_host; }
  const HeadlessHost* operator->() const { return &m_host; }

 private:
  HeadlessHost m_host;
  WindowHost* m_previous;
};

}  // namespace lab
