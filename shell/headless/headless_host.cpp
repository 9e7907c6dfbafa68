#include "shell/headless/headless_host.h"

#include <chrono>

#include "platform/focus_ring.h"
#include "res/texts/text_catalogue.h"
#include "shell/files/desktop_files.h"

namespace lab {

namespace {
// Length of the UTF-8 sequence that starts with this byte (1 for stray bytes).
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}
}  // namespace

HeadlessHost::HeadlessHost() = default;

HeadlessHost::~HeadlessHost() = default;

HeadlessHost::Window& HeadlessHost::Get(const Dialog& dialog) const {
  return *static_cast<Window*>(dialog.HostData());
}

HeadlessHost::Control* HeadlessHost::Find(const Dialog& dialog, int id) const {
  if (dialog.HostData() == nullptr) return nullptr;
  for (Control& c : Get(dialog).controls) {
    if (c.source->id == id) return &c;
  }
  return nullptr;
}

bool HeadlessHost::TakesTyping(const Control* c) {
  return c != nullptr && c->look.kind == ControlKind::Edit && !c->look.readOnly && c->enabled;
}

void HeadlessHost::Open(Dialog& dialog) {
  m_windows.push_back(std::make_unique<Window>());
  Window* window = m_windows.back().get();
  window->source = FindDialogTemplate(dialog.TemplateId());
  if (window->source != nullptr) {
    for (const ControlTemplate& t : window->source->controls) {
      Control c;
      c.source = &t;
      c.look = DescribeControl(t);
      c.text = std::string(t.text);
      c.enabled = !c.look.disabled;
      c.visible = c.look.visible;
      window->controls.push_back(std::move(c));
    }
  }
  dialog.SetHostData(window);
  dialog.InitDialog();
  if (IsOpen(dialog) && !dialog.IsEnding()) {
    const FocusStop opening = OpeningFocus(dialog);
    if (opening.kind == FocusStop::Kind::kControl) window->focus = opening.id;
    dialog.DispatchPaint();
  }
}

void HeadlessHost::Close(Dialog& dialog) {
  for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
    if (it->get() == dialog.HostData()) {
      m_windows.erase(it);
      break;
    }
  }
  dialog.SetHostData(nullptr);
}

bool HeadlessHost::IsOpen(const Dialog& dialog) const { return dialog.HostData() != nullptr; }

void HeadlessHost::Tick(Dialog& dialog, int n) {
  for (int i = 0; i < n && IsOpen(dialog); ++i) {
    const auto timers = Get(dialog).timers;
    for (const auto& [id, period] : timers) dialog.DispatchTimer(id);
  }
}

void HeadlessHost::Paint(Dialog& dialog) { dialog.DispatchPaint(); }

void HeadlessHost::LeftDown(Dialog& dialog, int x, int y) {
  dialog.DispatchMouse(Dialog::Mouse::LeftDown, MK_LBUTTON, x, y);
}
void HeadlessHost::LeftUp(Dialog& dialog, int x, int y) {
  dialog.DispatchMouse(Dialog::Mouse::LeftUp, 0, x, y);
}
void HeadlessHost::RightDown(Dialog& dialog, int x, int y) {
  dialog.DispatchMouse(Dialog::Mouse::RightDown, MK_RBUTTON, x, y);
}
void HeadlessHost::RightUp(Dialog& dialog, int x, int y) {
  dialog.DispatchMouse(Dialog::Mouse::RightUp, 0, x, y);
}
void HeadlessHost::Move(Dialog& dialog, int x, int y, unsigned flags) {
  dialog.DispatchMouse(Dialog::Mouse::Move, flags, x, y);
}
void HeadlessHost::LeftClick(Dialog& dialog, int x, int y) {
  LeftDown(dialog, x, y);
  LeftUp(dialog, x, y);
}

bool HeadlessHost::Click(Dialog& dialog, int id) {
  Control* c = Find(dialog, id);
  if (c == nullptr || !c->visible || !c->enabled) return false;
  dialog.DispatchCommand(id, BN_CLICKED);
  return true;
}

void HeadlessHost::Type(Dialog& dialog, int id, std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    Control* c = Find(dialog, id);
    if (!TakesTyping(c)) return;
    std::size_t n = Utf8Length(static_cast<unsigned char>(utf8[i]));
    if (i + n > utf8.size()) n = utf8.size() - i;
    c->text.append(utf8.substr(i, n));
    i += n;
    dialog.DispatchCommand(id, EN_CHANGE);
  }
}

void HeadlessHost::Paste(Dialog& dialog, int id, std::string_view utf8) {
  Control* c = Find(dialog, id);
  if (!TakesTyping(c) || c->text == utf8) return;
  c->text = std::string(utf8);
  dialog.DispatchCommand(id, EN_CHANGE);
}

void HeadlessHost::Backspace(Dialog& dialog, int id) {
  Control* c = Find(dialog, id);
  if (!TakesTyping(c) || c->text.empty()) return;
  std::size_t end = c->text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(c->text[end]) & 0xC0) == 0x80) --end;
  c->text.resize(end);
  dialog.DispatchCommand(id, EN_CHANGE);
}

void HeadlessHost::Key(Dialog& dialog, int key, unsigned modifiers) {
  const int instrument = dialog.FocusedInstrument();
  if (instrument >= 0 && InstrumentTakesKey(key, modifiers, false)) {
    dialog.DispatchInstrumentKey(instrument, key, modifiers);
    return;
  }
  if (key == VK_SPACE && IsOpen(dialog)) {
    const Control* c = Find(dialog, Get(dialog).focus);
    if (c != nullptr && c->look.kind == ControlKind::PushButton) Click(dialog, c->source->id);
    return;
  }
  dialog.DispatchKey(key);
}

void HeadlessHost::Tab(Dialog& dialog, bool shift) {
  if (!IsOpen(dialog)) return;
  FocusStop current;
  if (dialog.FocusedInstrument() >= 0) {
    current = {FocusStop::Kind::kInstrument, dialog.FocusedInstrument()};
  } else if (Get(dialog).focus != 0) {
    current = {FocusStop::Kind::kControl, Get(dialog).focus};
  }
  const FocusStop next = NextFocusStop(dialog, current, shift);
  if (next.kind == FocusStop::Kind::kInstrument) {
    Get(dialog).focus = 0;
    dialog.DispatchInstrumentFocus(next.id);
  } else if (next.kind == FocusStop::Kind::kControl) {
    if (dialog.FocusedInstrument() >= 0) dialog.DispatchInstrumentFocus(-1);
    if (IsOpen(dialog)) Get(dialog).focus = next.id;
  }
}

void HeadlessHost::SysCommand(Dialog& dialog, unsigned command) {
  dialog.DispatchSysCommand(command);
}

void HeadlessHost::SetIconic(Dialog& dialog, bool iconic, int width, int height) {
  Window& w = Get(dialog);
  w.iconic = iconic;
  if (iconic) {
    dialog.ResizeClient(width, height);
  } else if (w.source != nullptr) {
    dialog.ResizeClient(DialogUnitsToPixelsX(w.source->cx), DialogUnitsToPixelsY(w.source->cy));
  }
  dialog.DispatchPaint();
}

std::string HeadlessHost::Text(const Dialog& dialog, int id) const {
  return GetControlText(dialog, id);
}

bool HeadlessHost::Enabled(const Dialog& dialog, int id) const {
  return IsControlEnabled(dialog, id);
}

bool HeadlessHost::Visible(const Dialog& dialog, int id) const {
  const Control* c = Find(dialog, id);
  return c != nullptr && c->visible;
}

int HeadlessHost::Focus(const Dialog& dialog) const { return Get(dialog).focus; }

bool HeadlessHost::HasControl(const Dialog& dialog, int id) const {
  return Find(dialog, id) != nullptr;
}

const std::vector<HeadlessHost::MenuItem>& HeadlessHost::SystemMenu(const Dialog& dialog) const {
  return dialog.SystemMenuItems();
}

const Icon* HeadlessHost::WindowIcon(const Dialog& dialog, bool big) const {
  return dialog.WindowIcon(big);
}

unsigned HeadlessHost::TimerPeriod(const Dialog& dialog, unsigned id) const {
  for (const auto& [timer, period] : Get(dialog).timers) {
    if (timer == id) return period;
  }
  return 0;
}

CRect HeadlessHost::TakeChanged(const Dialog& dialog) {
  Window& w = Get(dialog);
  const CRect r = w.changed;
  w.changed = CRect();
  w.changedParts.clear();
  return r;
}

std::vector<CRect> HeadlessHost::TakeChangedParts(const Dialog& dialog) {
  Window& w = Get(dialog);
  std::vector<CRect> parts = std::move(w.changedParts);
  w.changedParts.clear();
  w.changed = CRect();
  return parts;
}

// --- WindowHost ----------------------------------------------------------------

int HeadlessHost::RunModal(Dialog& dialog) {
  // The handler is for this dialog only: dialogs that it or the dialog's
  // start-up open in turn are answered with their default button.
  ModalHandler handler = std::move(m_modalHandler);
  m_modalHandler = nullptr;
  m_modalDialogs.push_back(dialog.TemplateId());
  Open(dialog);
  if (!dialog.IsEnding()) {
    if (handler) {
      handler(*this, dialog);
    } else {
      Key(dialog, VK_RETURN);
    }
  }
  if (!m_modalHandler) m_modalHandler = std::move(handler);
  if (!dialog.IsEnding()) dialog.EndDialog(IDCANCEL);
  const int result = dialog.Result();
  Close(dialog);
  return result;
}

bool HeadlessHost::SetControlTextQuietly(Dialog& dialog, int id, std::string_view text) {
  Control* c = Find(dialog, id);
  if (c == nullptr) return false;
  c->text = std::string(text);
  return true;
}

std::string HeadlessHost::GetControlText(const Dialog& dialog, int id) const {
  const Control* c = Find(dialog, id);
  return c != nullptr ? c->text : std::string();
}

void HeadlessHost::EnableControl(Dialog& dialog, int id, bool enable) {
  if (Control* c = Find(dialog, id)) c->enabled = enable;
}

bool HeadlessHost::IsControlEnabled(const Dialog& dialog, int id) const {
  const Control* c = Find(dialog, id);
  return c != nullptr && c->enabled;
}

void HeadlessHost::FocusControl(Dialog& dialog, int id) {
  if (dialog.HostData() != nullptr) Get(dialog).focus = id;
}

int HeadlessHost::MessageBox(Dialog* owner, std::string_view text, std::string_view caption,
                             unsigned type) {
  m_messageBoxes.push_back(MessageBoxRecord{std::string(text), std::string(caption), type,
                                            owner != nullptr ? owner->TemplateId() : 0});
  return IDOK;
}

void HeadlessHost::SetTimer(Dialog& dialog, unsigned id, unsigned milliseconds) {
  Window& w = Get(dialog);
  for (auto& [timer, period] : w.timers) {
    if (timer == id) {
      period = milliseconds;
      return;
    }
  }
  w.timers.emplace_back(id, milliseconds);
}

bool HeadlessHost::IsIconic(const Dialog& dialog) const {
  return dialog.HostData() != nullptr && Get(dialog).iconic;
}

void HeadlessHost::SurfaceChanged(Dialog& dialog, const CRect& rect) {
  if (dialog.HostData() == nullptr) return;
  Window& w = Get(dialog);
  w.changed = UnionRects(w.changed, rect);
  w.changedParts.push_back(rect);
}

void HeadlessHost::PresentNow(Dialog&) { ++m_presentCount; }

void HeadlessHost::HoldWindow(Dialog&, unsigned milliseconds) {
  ++m_presentCount;
  ++m_holdCount;
  m_heldMs += static_cast<long>(milliseconds);
}

long HeadlessHost::ElapsedMilliseconds() {
  if (m_clock == Clock::Virtual) return ++m_virtualMs + m_heldMs;
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now();
  return static_cast<long>(duration_cast<milliseconds>(steady_clock::now() - start).count()) +
         m_heldMs;
}

const HeadlessHost::MenuItem* HeadlessHost::SystemMenuItem(const Dialog& dialog,
                                                           unsigned command) const {
  for (const MenuItem& item : dialog.SystemMenuItems()) {
    if (!item.separator && item.command == command) return &item;
  }
  return nullptr;
}

void HeadlessHost::SetClipboard(std::string_view text, std::string_view html) {
  m_clipboardText = std::string(text);
  m_clipboardHtml = std::string(html);
  ++m_clipboardWrites;
}

std::string HeadlessHost::SaveFile(Dialog&, std::string_view defaultName, std::string_view filter,
                                   std::string_view bytes) {
  m_saveDialogs.push_back(SaveDialogRecord{std::string(defaultName), std::string(filter)});
  if (m_saveAnswers.empty()) return {};
  const std::string path = std::move(m_saveAnswers.front());
  m_saveAnswers.pop_front();
  if (path.empty()) return {};
  m_fileWrites.push_back(path);
  return desktop_files::WriteFileAtomically(path, bytes);
}

std::optional<std::string> HeadlessHost::ReadState(std::string_view name) {
  const auto it = m_state.find(name);
  if (it == m_state.end()) return std::nullopt;
  return it->second;
}

bool HeadlessHost::WriteState(std::string_view name, std::string_view bytes) {
  if (!m_stateWritable) return false;
  ++m_stateWrites;
  m_state[std::string(name)] = std::string(bytes);
  return true;
}

std::string HeadlessHost::StateLocation() const { return TextOf(TextId::StateInTestMemory); }

std::string HeadlessHost::Caption(const Dialog& dialog) const { return dialog.Caption(); }

int HeadlessHost::PixelScale(const Dialog&) const { return m_pixelScale; }

ScopedHeadlessHost::ScopedHeadlessHost()
    : m_previous(HasWindowHost() ? &GetWindowHost() : nullptr) {
  SetWindowHost(&m_host);
}

ScopedHeadlessHost::~ScopedHeadlessHost() { SetWindowHost(m_previous); }

}  // namespace lab
