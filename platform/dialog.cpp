#include "platform/dialog.h"

#include <algorithm>

#include "platform/color.h"
#include "platform/control_look.h"
#include "platform/resources.h"
#include "platform/window_host.h"

namespace lab {

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXICON:
    case SM_CYICON:
      return 32;
    default:
      return 0;
  }
}

// --- Controls and menu ---------------------------------------------------

bool CWnd::EnableWindow(bool enable) {
  WindowHost& host = GetWindowHost();
  const bool wasDisabled = !host.IsControlEnabled(*m_dialog, m_id);
  host.EnableControl(*m_dialog, m_id, enable);
  return wasDisabled;
}

bool CWnd::IsWindowEnabled() const { return GetWindowHost().IsControlEnabled(*m_dialog, m_id); }

void CWnd::SetWindowText(std::string_view text) {
  // Only an actual change counts: setting the text a control has does
  // nothing, and a new text of an edit is notified (EN_CHANGE) as the
  // user's typing is.
  WindowHost& host = GetWindowHost();
  if (host.GetControlText(*m_dialog, m_id) == text) return;
  if (!host.SetControlTextQuietly(*m_dialog, m_id, text)) return;
  const ControlTemplate* control = FindControlTemplate(m_dialog->TemplateId(), m_id);
  if (control != nullptr && DescribeControl(*control).kind == ControlKind::Edit) {
    m_dialog->DispatchCommand(m_id, EN_CHANGE);
  }
}

std::string CWnd::GetWindowText() const { return GetWindowHost().GetControlText(*m_dialog, m_id); }

void CMenu::AppendSeparator() {
  m_items.push_back(WindowMenuItem{true, 0, {}, true});
  Changed();
}

void CMenu::AppendItem(unsigned command, std::string_view text) {
  m_items.push_back(WindowMenuItem{false, command, std::string(text), true});
  Changed();
}

void CMenu::EnableItem(unsigned command, bool enable) {
  bool changed = false;
  for (WindowMenuItem& item : m_items) {
    if (item.separator || item.command != command || item.enabled == enable) continue;
    item.enabled = enable;
    changed = true;
  }
  if (changed) Changed();
}

bool CMenu::HasItem() const {
  return std::any_of(m_items.begin(), m_items.end(),
                     [](const WindowMenuItem& item) { return !item.separator; });
}

void CMenu::Changed() { GetWindowHost().WindowChanged(*m_dialog, WindowPart::kSystemMenu); }

// --- Dialog ----------------------------------------------------------------

Dialog::Dialog(int templateId) : m_templateId(templateId) {}

Dialog::~Dialog() { m_surface.SetListener(nullptr); }

int Dialog::DoModal() {
  m_ending = false;
  m_result = 0;
  return GetWindowHost().RunModal(*this);
}

void Dialog::EndDialog(int result) {
  m_ending = true;
  m_result = result;
  GetWindowHost().EndModal(*this, result);
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::DoDataExchange(CDataExchange*) {}

void Dialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::OnPaint() { Default(); }
void Dialog::OnTimer(unsigned) { Default(); }
void Dialog::OnLButtonDown(unsigned, CPoint) { Default(); }
void Dialog::OnLButtonUp(unsigned, CPoint) { Default(); }
void Dialog::OnRButtonDown(unsigned, CPoint) { Default(); }
void Dialog::OnRButtonUp(unsigned, CPoint) { Default(); }
void Dialog::OnMouseMove(unsigned, CPoint) { Default(); }
void Dialog::OnSysCommand(unsigned, long) { Default(); }

bool Dialog::OnCommand(int id, int notification) {
  if (notification != BN_CLICKED) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

const Icon* Dialog::OnQueryDragIcon() { return nullptr; }

bool Dialog::OwnsRightButton(CPoint) const { return false; }

std::vector<Instrument> Dialog::Instruments() const { return {}; }

bool Dialog::OnInstrumentKey(int, int, unsigned) { return false; }

void Dialog::OnInstrumentFocus(int) {}

bool Dialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.Failed();
}

CMenu* Dialog::GetSystemMenu(bool) {
  return GetWindowHost().HasSystemMenu(*this) ? &m_systemMenu : nullptr;
}

unsigned Dialog::SetTimer(unsigned id, unsigned milliseconds) {
  GetWindowHost().SetTimer(*this, id, milliseconds);
  return id;
}

void Dialog::SetIcon(const Icon* icon, bool big) {
  (big ? m_bigIcon : m_smallIcon) = icon;
  GetWindowHost().WindowChanged(*this, WindowPart::kIcon);
}

void Dialog::SetCaption(std::string_view caption) {
  m_caption = std::string(caption);
  GetWindowHost().WindowChanged(*this, WindowPart::kCaption);
}

std::string Dialog::Caption() const {
  if (m_caption) return *m_caption;
  const DialogTemplate* source = FindDialogTemplate(m_templateId);
  return source != nullptr ? std::string(source->caption) : std::string();
}

bool Dialog::IsIconic() const { return GetWindowHost().IsIconic(*this); }

int Dialog::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  return GetWindowHost().MessageBox(this, text, caption, type);
}

void Dialog::Default() {
  switch (m_current) {
    case Message::Paint: {
      // Validates the window and erases the background, as the default
      // processing of a paint message does.
      CClientDC dc(this);
      dc.FillSolidRect(GetClientRect(), kDialogBackground);
      break;
    }
    case Message::SysCommand:
      if ((m_currentSysCommand & kSysCommandMask) == SC_CLOSE) OnCancel();
      break;
    default:
      break;
  }
}

void Dialog::EraseIconBackground(CDC& dc) { dc.FillSolidRect(GetClientRect(), kDialogBackground); }

void Dialog::SurfaceChanged(const CRect& rect) {
  if (m_painting > 0) {
    m_paintChanges.push_back(rect);
    return;
  }
  if (HasWindowHost()) GetWindowHost().SurfaceChanged(*this, rect);
}

void Dialog::ReportPaintChanges() {
  std::vector<CRect> changes;
  changes.swap(m_paintChanges);
  for (std::size_t i = 0; i < changes.size(); ++i) {
    bool covered = false;
    for (std::size_t j = 0; j < changes.size() && !covered; ++j) {
      // Of two equal rectangles the first is reported.
      covered =
          j != i && RectContains(changes[j], changes[i]) && (j < i || changes[i] != changes[j]);
    }
    if (!covered && HasWindowHost()) GetWindowHost().SurfaceChanged(*this, changes[i]);
  }
}

void Dialog::PresentNow() {
  ReportPaintChanges();
  if (HasWindowHost()) GetWindowHost().PresentNow(*this);
}

void Dialog::HoldWindow(unsigned milliseconds) {
  ReportPaintChanges();
  if (HasWindowHost()) GetWindowHost().HoldWindow(*this, milliseconds);
}

// --- Entry points for hosts --------------------------------------------------

void Dialog::InitDialog() {
  const DialogTemplate* t = FindDialogTemplate(m_templateId);
  const int width = t != nullptr ? DialogUnitsToPixelsX(t->cx) : 0;
  const int height = t != nullptr ? DialogUnitsToPixelsY(t->cy) : 0;
  m_surface.Resize(width, height, kDialogBackground);
  m_surface.SetListener(this);
  m_ending = false;
  m_focusedInstrument = -1;
  // A new window starts from its template: no menu items, icons or caption
  // of an earlier one.
  m_systemMenu = CMenu(this);
  m_caption.reset();
  m_bigIcon = m_smallIcon = nullptr;
  OnInitDialog();
}

void Dialog::ResizeClient(int width, int height) {
  m_surface.Resize(width, height, kDialogBackground);
}

template <typename Handler>
void Dialog::Handle(Message message, Handler&& handler) {
  // Default() needs the message being handled; a handler may run a nested
  // modal loop, so the outer message is restored afterwards.
  const Message saved = m_current;
  m_current = message;
  handler();
  m_current = saved;
}

void Dialog::DispatchPaint() {
  ++m_painting;
  Handle(Message::Paint, [this] { OnPaint(); });
  if (--m_painting == 0) ReportPaintChanges();
}

void Dialog::DispatchTimer(unsigned id) {
  Handle(Message::Timer, [this, id] { OnTimer(id); });
}

void Dialog::DispatchMouse(Mouse kind, unsigned flags, int x, int y) {
  const CPoint point{x, y};
  Handle(Message::Mouse, [&] {
    switch (kind) {
      case Mouse::LeftDown:
        OnLButtonDown(flags, point);
        break;
      case Mouse::LeftUp:
        OnLButtonUp(flags, point);
        break;
      case Mouse::RightDown:
        OnRButtonDown(flags, point);
        break;
      case Mouse::RightUp:
        OnRButtonUp(flags, point);
        break;
      case Mouse::Move:
        OnMouseMove(flags, point);
        break;
    }
  });
}

void Dialog::DispatchCommand(int id, int notification) {
  Handle(Message::Command, [&] { OnCommand(id, notification); });
}

void Dialog::DispatchSysCommand(unsigned id) {
  const unsigned saved = m_currentSysCommand;
  m_currentSysCommand = id;
  Handle(Message::SysCommand, [&] { OnSysCommand(id, 0); });
  m_currentSysCommand = saved;
}

void Dialog::DispatchKey(int key) {
  if (key == VK_ESCAPE) {
    DispatchCommand(IDCANCEL, BN_CLICKED);
    return;
  }
  if (key != VK_RETURN) return;
  // Enter presses the default push button while it is enabled.
  const DialogTemplate* t = FindDialogTemplate(m_templateId);
  if (t == nullptr) return;
  for (const ControlTemplate& c : t->controls) {
    const ControlLook look = DescribeControl(c);
    if (look.kind == ControlKind::PushButton && look.defaultButton && look.visible) {
      if (GetWindowHost().IsControlEnabled(*this, c.id)) DispatchCommand(c.id, BN_CLICKED);
      return;
    }
  }
}

bool Dialog::DispatchInstrumentKey(int id, int key, unsigned modifiers) {
  if (key == VK_ESCAPE) {
    DispatchKey(VK_ESCAPE);
    return true;
  }
  // An instrument's key acts as the mouse on it: its handlers are the mouse's.
  bool used = false;
  Handle(Message::Mouse, [&] { used = OnInstrumentKey(id, key, modifiers); });
  return used;
}

void Dialog::DispatchInstrumentFocus(int id) {
  if (id < 0) id = -1;
  m_focusedInstrument = id;
  Handle(Message::Mouse, [&] { OnInstrumentFocus(id); });
}

}  // namespace lab
