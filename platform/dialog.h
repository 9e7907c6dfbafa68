// The dialog base that the system's dialogs derive from.
//
// A dialog is built from a template (by number), initialised before it is
// shown (OnInitDialog), exchanges data with its controls (DoDataExchange,
// UpdateData), and receives one message at a time from its host through the
// Dispatch* entry points, which call the overridable handlers. Handlers that
// a dialog does not override fall back to the default processing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/data_exchange.h"
#include "platform/dc.h"
#include "platform/geometry.h"
#include "platform/instrument.h"
#include "platform/resources.h"
#include "platform/surface.h"

namespace lab {

// Notifications.
constexpr int BN_CLICKED = 0, EN_CHANGE = 0x300;

// System commands. The low four bits of a command are the system's own:
// compare commands with them masked off.
constexpr unsigned kSysCommandMask = 0xFFF0;
constexpr unsigned SC_MOVE = 0xF010;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_RESTORE = 0xF120;

// Message box types.
constexpr unsigned MB_OK = 0x0, MB_ICONEXCLAMATION = 0x30;

// Keys the dialog manager handles itself.
constexpr int VK_RETURN = 0x0D, VK_ESCAPE = 0x1B;

// System metrics of the icon.
constexpr int SM_CXICON = 11, SM_CYICON = 12;
int GetSystemMetrics(int index);

// Mouse flags.
constexpr unsigned MK_LBUTTON = 0x1;
constexpr unsigned MK_RBUTTON = 0x2;

class Dialog;

// A handle on one control of a dialog, as GetDlgItem gives it.
class CWnd {
 public:
  CWnd(Dialog* dialog, int id) : m_dialog(dialog), m_id(id) {}
  bool EnableWindow(bool enable = true);
  bool IsWindowEnabled() const;
  // Changes the text; a change of an edit's text raises its change
  // notification (EN_CHANGE), the same text nothing.
  void SetWindowText(std::string_view text);
  std::string GetWindowText() const;
  int GetDlgCtrlID() const { return m_id; }

 private:
  Dialog* m_dialog;
  int m_id;
};

// One line of a dialog's window menu: an item, or a separator.
struct WindowMenuItem {
  bool separator = false;
  unsigned command = 0;
  std::string text;
  bool enabled = true;
  friend bool operator==(const WindowMenuItem&, const WindowMenuItem&) = default;
};

// The window menu of a dialog. The dialog keeps its items; the host is
// told of each change (WindowHost::WindowChanged) and shows them its way.
class CMenu {
 public:
  explicit CMenu(Dialog* dialog) : m_dialog(dialog) {}
  void AppendSeparator();
  void AppendItem(unsigned command, std::string_view text);
  // Greys (false) or enables the items with this command.
  void EnableItem(unsigned command, bool enable);
  const std::vector<WindowMenuItem>& Items() const { return m_items; }
  // At least one item that is not a separator: something to offer.
  bool HasItem() const;

 private:
  void Changed();

  Dialog* m_dialog;
  std::vector<WindowMenuItem> m_items;
};

class Dialog : private SurfaceListener {
 public:
  explicit Dialog(int templateId);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int TemplateId() const { return m_templateId; }

  // Runs the dialog modally on the current host; returns the result that
  // ended it (IDOK, IDCANCEL).
  int DoModal();
  void EndDialog(int result);

  // Overridables.
  virtual bool OnInitDialog();  // runs UpdateData(false); true: focus to the first control
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual void OnOK();      // UpdateData(true), then ends with IDOK
  virtual void OnCancel();  // ends with IDCANCEL

  // Message handlers; each default calls Default().
  virtual void OnPaint();
  virtual void OnTimer(unsigned id);
  virtual void OnLButtonDown(unsigned flags, CPoint point);
  virtual void OnLButtonUp(unsigned flags, CPoint point);
  virtual void OnRButtonDown(unsigned flags, CPoint point);
  virtual void OnRButtonUp(unsigned flags, CPoint point);
  virtual void OnMouseMove(unsigned flags, CPoint point);
  virtual void OnSysCommand(unsigned id, long lParam);
  // Button clicks and edit notifications. The default sends IDOK to OnOK
  // and IDCANCEL to OnCancel.
  virtual bool OnCommand(int id, int notification);
  virtual const Icon* OnQueryDragIcon();
  // True when a right press at this client point is the dialog's own (the
  // lab: inside the simulation box, edges included); elsewhere a host that
  // offers the window menu in a context menu opens it.
  virtual bool OwnsRightButton(CPoint point) const;  // default: false
  // The instruments drawn on the surface, in reading order (default: none).
  // Hosts put them before the template's tab-stop controls in the Tab ring.
  virtual std::vector<Instrument> Instruments() const;
  // A key on the focused instrument; true when the instrument used it.
  virtual bool OnInstrumentKey(int id, int key, unsigned modifiers);  // default: false
  // The focus moved to this instrument, or left every one (-1).
  virtual void OnInstrumentFocus(int id);  // default: nothing

  // Services for the handlers.
  bool UpdateData(bool saveAndValidate = true);
  CWnd GetDlgItem(int id) { return CWnd(this, id); }
  CMenu* GetSystemMenu(bool revert);
  unsigned SetTimer(unsigned id, unsigned milliseconds);
  void SetIcon(const Icon* icon, bool big);
  bool IsIconic() const;
  // A new caption for the window (the template's is the first).
  void SetCaption(std::string_view caption);
  CRect GetClientRect() const { return m_surface.Bounds(); }
  int MessageBox(std::string_view text, std::string_view caption = {},
                 unsigned type = MB_OK | MB_ICONEXCLAMATION);
  // The default processing of the message being handled.
  void Default();
  // Erases the client area with the dialog's background, as the default
  // processing of an icon-background erase does.
  void EraseIconBackground(CDC& dc);

  Surface& GetSurface() { return m_surface; }
  const Surface& GetSurface() const { return m_surface; }

  // Entry points for hosts: one message each.
  void InitDialog();  // sizes the surface from the template, runs OnInitDialog
  void DispatchPaint();
  void DispatchTimer(unsigned id);
  enum class Mouse { LeftDown, LeftUp, RightDown, RightUp, Move };
  void DispatchMouse(Mouse kind, unsigned flags, int x, int y);
  void DispatchCommand(int id, int notification);
  void DispatchSysCommand(unsigned id);
  // Enter presses the default push button, Escape cancels.
  void DispatchKey(int key);
  // A key on an instrument (Enter included: it is the instrument's, not the
  // default button's). Escape still cancels the dialog. True when used.
  bool DispatchInstrumentKey(int id, int key, unsigned modifiers);
  // The host moved the focus to an instrument, or away from all (-1).
  void DispatchInstrumentFocus(int id);
  int FocusedInstrument() const { return m_focusedInstrument; }
  // The window is minimised (iconic) or restored: the host resizes the
  // client area and paints again.
  void ResizeClient(int width, int height);

  // What the window shows beside its surface and controls, as the dialog
  // keeps it: the host reads it when it is told of a change.
  const std::vector<WindowMenuItem>& SystemMenuItems() const { return m_systemMenu.Items(); }
  bool HasSystemMenuItem() const { return m_systemMenu.HasItem(); }
  std::string Caption() const;
  const Icon* WindowIcon(bool big) const { return big ? m_bigIcon : m_smallIcon; }

  // Host bookkeeping.
  void* HostData() const { return m_hostData; }
  void SetHostData(void* data) { m_hostData = data; }
  bool IsEnding() const { return m_ending; }
  int Result() const { return m_result; }

 private:
  enum class Message { None, Paint, Timer, Mouse, Command, SysCommand };
  void SurfaceChanged(const CRect& rect) override;
  void PresentNow() override;
  void HoldWindow(unsigned milliseconds) override;
  // Reports the changes a paint kept back, less those that lie inside
  // another: a paint that fills the window and then draws on most of it
  // puts the window on the screen once, not once and then nearly again.
  void ReportPaintChanges();
  template <typename Handler>
  void Handle(Message message, Handler&& handler);

  int m_templateId;
  Surface m_surface;
  CMenu m_systemMenu{this};
  std::optional<std::string> m_caption;  // set by SetCaption
  const Icon* m_bigIcon = nullptr;
  const Icon* m_smallIcon = nullptr;
  void* m_hostData = nullptr;
  bool m_ending = false;
  int m_result = 0;
  Message m_current = Message::None;
  unsigned m_currentSysCommand = 0;
  int m_focusedInstrument = -1;
  // Paints under way, and the changes they reported meanwhile (the window
  // is shown as the paint leaves it, at its end or when it asks to be
  // shown).
  int m_painting = 0;
  std::vector<CRect> m_paintChanges;
};

// A device context of a dialog's client area, released at the end of its
// scope: the changed part is reported to the host.
class CClientDC : public CDC {
 public:
  explicit CClientDC(Dialog* dialog) : CDC(dialog->GetSurface()) {}
};
// The paint handler's context.
using CPaintDC = CClientDC;

}  // namespace lab
