#include "shell/web/web_host.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>

#include "platform/color.h"
#include "platform/control_look.h"
#include "platform/focus_ring.h"
#include "platform/resources.h"
#include "platform/surface_rgba.h"
#include "res/texts/text_catalogue.h"
#include "shell/web/page_calls.h"

namespace lab {

namespace {
// The shortest period a timer runs at, in milliseconds.
constexpr unsigned kMinimumTimerPeriod = 10;
// How often, at most, ticks alone refresh the instruments' descriptions
// while none has the focus, in milliseconds.
constexpr double kTickInstrumentPeriod = 250;

// The page sends the core's own numbers back in its events.
static_assert(page_input::kLeftDown == static_cast<int>(Dialog::Mouse::LeftDown) &&
              page_input::kLeftUp == static_cast<int>(Dialog::Mouse::LeftUp) &&
              page_input::kRightDown == static_cast<int>(Dialog::Mouse::RightDown) &&
              page_input::kRightUp == static_cast<int>(Dialog::Mouse::RightUp) &&
              page_input::kMove == static_cast<int>(Dialog::Mouse::Move));
static_assert(page_input::kLeftButton == MK_LBUTTON && page_input::kRightButton == MK_RBUTTON);
static_assert(page_input::kClicked == BN_CLICKED && page_input::kChange == EN_CHANGE &&
              page_input::kClose == SC_CLOSE);
static_assert(page_input::kReturn == VK_RETURN && page_input::kEscape == VK_ESCAPE);
static_assert(page_input::kSpace == VK_SPACE && page_input::kArrowLeft == VK_LEFT &&
              page_input::kArrowUp == VK_UP && page_input::kArrowRight == VK_RIGHT &&
              page_input::kArrowDown == VK_DOWN && page_input::kThrow == VK_L &&
              page_input::kShiftKey == KEY_SHIFT);
static_assert(page_input::kOtherModifier == KEY_OTHER_MODIFIER);
static_assert(page_focus::kNowhere == static_cast<int>(FocusStop::Kind::kNone) &&
              page_focus::kInstrument == static_cast<int>(FocusStop::Kind::kInstrument) &&
              page_focus::kControl == static_cast<int>(FocusStop::Kind::kControl));
static_assert(page_role::kButton == static_cast<int>(InstrumentRole::kButton) &&
              page_role::kSwitch == static_cast<int>(InstrumentRole::kSwitch) &&
              page_role::kBall == static_cast<int>(InstrumentRole::kBall) &&
              page_role::kReadout == static_cast<int>(InstrumentRole::kReadout) &&
              page_role::kGraph == static_cast<int>(InstrumentRole::kGraph));

std::string Text(std::string_view text) { return std::string(text); }

// The page's kinds are the core's, in the same order.
static_assert(page_kind::kPushButton == static_cast<int>(ControlKind::PushButton) &&
              page_kind::kEdit == static_cast<int>(ControlKind::Edit) &&
              page_kind::kText == static_cast<int>(ControlKind::Text) &&
              page_kind::kPicture == static_cast<int>(ControlKind::Picture));

unsigned PageFlags(const ControlLook& look) {
  unsigned flags = 0;
  if (look.visible) flags |= page_control::kVisible;
  if (look.disabled) flags |= page_control::kDisabled;
  if (look.tabStop) flags |= page_control::kTabStop;
  if (look.defaultButton) flags |= page_control::kDefault;
  if (look.readOnly) flags |= page_control::kReadOnly;
  if (look.staticEdge) flags |= page_control::kStaticEdge;
  if (look.border) flags |= page_control::kBorder;
  if (look.align == TextAlign::Right) flags |= page_control::kRight;
  if (look.align == TextAlign::Centre) flags |= page_control::kCentre;
  if (look.digits) flags |= page_control::kDigits;
  return flags;
}

// The controls' font: the template's points at 96 dots per inch, truncated,
// as on the desktop.
int FontPixels(const DialogTemplate& source) {
  const int points = source.fontPoints > 0 ? source.fontPoints : 8;
  return points * 96 / 72;
}

}  // namespace

WebHost::WebHost() : m_hidden(lab_page_hidden() != 0) {}

WebHost::~WebHost() = default;

WebHost::Window* WebHost::WindowOf(const Dialog& dialog) const {
  return static_cast<Window*>(dialog.HostData());
}

Dialog* WebHost::DialogAt(int level) const {
  for (const auto& window : m_windows) {
    if (window->level == level) return window->dialog;
  }
  return nullptr;
}

Dialog* WebHost::OutermostDialog() const {
  return m_windows.empty() ? nullptr : m_windows.front()->dialog;
}

// --- the modal life -------------------------------------------------------------

int WebHost::RunModal(Dialog& dialog) {
  const DialogTemplate* source = FindDialogTemplate(dialog.TemplateId());
  if (source == nullptr) return -1;
  auto owned = std::make_unique<Window>();
  Window& window = *owned;
  window.level = static_cast<int>(m_windows.size());
  window.dialog = &dialog;
  window.source = source;
  m_windows.push_back(std::move(owned));
  void* const previous = dialog.HostData();
  dialog.SetHostData(&window);

  const bool framed = (source->style & WS_CAPTION) == WS_CAPTION;
  lab_page_open_window(window.level, Text(source->caption).c_str(),
                       DialogUnitsToPixelsX(source->cx), DialogUnitsToPixelsY(source->cy),
                       framed ? 1 : 0, kDialogBackground, FontPixels(*source));
  AddControls(window);
  // The page's thread is let go after building a window and again before
  // showing it: at start-up the main window, its initialisation, the title
  // and its first frame are each a short task, not one long block. (No
  // event is delivered meanwhile: they wait in the page's queue.)
  emscripten_sleep(0);

  // The initialisation runs before the window is shown; it may itself run
  // another dialog modally, or end this one.
  dialog.InitDialog();
  if (!dialog.IsEnding()) {
    emscripten_sleep(0);
    const FocusStop opening = OpeningFocus(dialog);
    lab_page_show_window(window.level, opening.kind == FocusStop::Kind::kControl ? opening.id : 0);
    dialog.DispatchPaint();
    ShowInstruments();
    RunLoop([&dialog] { return dialog.IsEnding(); });
  }
  const int result = dialog.Result();

  lab_page_close_window(window.level);
  dialog.SetHostData(previous);
  m_windows.pop_back();
  return result;
}

void WebHost::AddControls(const Window& window) {
  for (const ControlTemplate& c : window.source->controls) {
    const ControlLook look = DescribeControl(c);
    const int x = DialogUnitsToPixelsX(c.x);
    const int y = DialogUnitsToPixelsY(c.y);
    if (look.kind == ControlKind::Picture) {
      // A picture control takes the size of its picture.
      const Bitmap* bitmap = LoadBitmap(c.bitmap);
      if (bitmap == nullptr) continue;
      // Its text alternative: its own text, or for the title picture (which
      // has none) the program's name, which is what it shows.
      const std::string alt = c.text.empty() ? m_applicationName : Text(c.text);
      lab_page_add_control(window.level, c.id, page_kind::kPicture, alt.c_str(), x, y,
                           bitmap->width, bitmap->height, PageFlags(look), bitmap->pixels);
      continue;
    }
    lab_page_add_control(window.level, c.id, static_cast<int>(look.kind), Text(c.text).c_str(), x,
                         y, DialogUnitsToPixelsX(c.cx), DialogUnitsToPixelsY(c.cy), PageFlags(look),
                         nullptr);
    if (look.kind == ControlKind::Edit) {
      lab_page_name_control(window.level, c.id, ControlName(*window.source, c).c_str());
    }
  }
}

template <typename Done>
void WebHost::RunLoop(Done&& done) {
  while (!done()) {
    const double wait = DeliverDueTimers();
    if (m_ticked) ShowInstruments(true);
    if (done()) break;
    if (lab_page_next_event(m_event) != 0) {
      Deliver(Event{m_event[0], m_event[1], m_event[2], m_event[3], m_event[4], m_event[5]});
      ShowInstruments();
      continue;
    }
    lab_page_wait_event(wait);
  }
}

double WebHost::DeliverDueTimers() {
  double next = -1;
  m_ticked = false;
  if (m_hidden) return next;
  // Levels may come and go while a tick runs: index, do not iterate.
  for (std::size_t w = 0; w < m_windows.size(); ++w) {
    for (std::size_t t = 0; w < m_windows.size() && t < m_windows[w]->timers.size(); ++t) {
      Window& window = *m_windows[w];
      const double now = emscripten_get_now();
      Timer& timer = window.timers[t];
      if (timer.due <= now) {
        // Periods missed altogether (the window was held, the machine was
        // busy) are not made up for: one tick, then the period again.
        if (now - timer.due >= timer.period) timer.due = now;
        timer.due += timer.period;
        const unsigned id = timer.id;
        if (!window.dialog->IsEnding()) {
          window.dialog->DispatchTimer(id);
          m_ticked = true;
        }
        if (w >= m_windows.size() || t >= m_windows[w]->timers.size()) continue;
      }
      const double left = std::max(0.0, m_windows[w]->timers[t].due - emscripten_get_now());
      if (next < 0 || left < next) next = left;
    }
  }
  return next;
}

void WebHost::Deliver(const Event& event) {
  if (event.kind == page_event::kVisibility) {
    const bool hidden = lab_page_hidden() != 0;
    if (m_hidden && !hidden) {
      // Back in view: the model goes on from where it stopped, without a
      // burst of the ticks it missed.
      const double now = emscripten_get_now();
      for (auto& window : m_windows) {
        for (Timer& timer : window->timers) timer.due = now + timer.period;
      }
    }
    m_hidden = hidden;
    return;
  }
  if (event.kind == page_event::kBoxAnswered) {
    m_answeredBox = event.a;
    return;
  }
  if (event.level < 0 || event.level >= static_cast<int>(m_windows.size())) return;
  Window& window = *m_windows[static_cast<std::size_t>(event.level)];
  Dialog& dialog = *window.dialog;
  if (dialog.IsEnding()) return;
  if (event.kind == page_event::kPaint) {
    dialog.DispatchPaint();
    return;
  }
  // Input only for the innermost window: the others are under a modal one,
  // and all of them under a message box.
  if (event.level != static_cast<int>(m_windows.size()) - 1 || m_openBoxes > 0) return;
  switch (event.kind) {
    case page_event::kMouse:
      DeliverMouse(window, event);
      break;
    case page_event::kCommand:
      // A click that waited in the queue while its button was disabled is
      // not a click.
      if (event.b == BN_CLICKED && !IsControlEnabled(dialog, event.a)) break;
      dialog.DispatchCommand(event.a, event.b);
      break;
    case page_event::kSysCommand:
      dialog.DispatchSysCommand(static_cast<unsigned>(event.a));
      break;
    case page_event::kKey:
      dialog.DispatchKey(event.a);
      break;
    case page_event::kMenuKey:
      if (window.dialog->HasSystemMenuItem()) lab_page_show_menu(window.level, 0, 0);
      break;
    case page_event::kInstrumentKey:
    case page_event::kInstrumentFocus:
      DeliverInstrumentEvent(window, event);
      break;
    default:
      break;
  }
}

void WebHost::DeliverMouse(Window& window, const Event& event) {
  Dialog& dialog = *window.dialog;
  const auto kind = static_cast<Dialog::Mouse>(event.a);
  const unsigned flags = static_cast<unsigned>(event.b);
  const CPoint at{event.c, event.d};
  if (kind == Dialog::Mouse::RightDown) {
    if (window.rightButton.Press(&dialog, at, window.dialog->HasSystemMenuItem()) ==
        RightButtonRouter::Route::WindowMenu) {
      lab_page_show_menu(window.level, at.x, at.y);
      return;
    }
  } else if (kind == Dialog::Mouse::RightUp &&
             window.rightButton.Release() == RightButtonRouter::Route::Nowhere) {
    return;
  }
  dialog.DispatchMouse(kind, flags, at.x, at.y);
}

// --- the instruments -------------------------------------------------------------

void WebHost::DeliverInstrumentEvent(Window& window, const Event& event) {
  if (event.kind == page_event::kInstrumentFocus) {
    window.focusedInstrument = event.a;
    window.dialog->DispatchInstrumentFocus(event.a);
  } else {
    window.dialog->DispatchInstrumentKey(event.a, event.b, static_cast<unsigned>(event.c));
  }
}

namespace {
// The graph's rows for the page: rows separated by 0x1E, cells by 0x1F.
std::string TableText(const std::vector<std::vector<std::string>>& table) {
  std::string text;
  for (std::size_t r = 0; r < table.size(); ++r) {
    if (r > 0) text += '\x1e';
    for (std::size_t c = 0; c < table[r].size(); ++c) {
      if (c > 0) text += '\x1f';
      text += table[r][c];
    }
  }
  return text;
}
}  // namespace

void WebHost::ShowInstruments(bool afterTicksOnly) {
  const double now = emscripten_get_now();
  for (std::size_t w = 0; w < m_windows.size(); ++w) {
    Window& window = *m_windows[w];
    if (window.dialog->IsEnding()) continue;
    if (afterTicksOnly && window.focusedInstrument < 0 &&
        now - window.instrumentsSent < kTickInstrumentPeriod) {
      continue;
    }
    window.instrumentsSent = now;
    std::vector<Instrument> current = window.dialog->Instruments();
    // Most ticks change nothing, or only the ball: the page hears of the
    // instruments that changed, nothing else.
    for (std::size_t i = 0; i < current.size(); ++i) {
      if (i < window.instruments.size() && window.instruments[i] == current[i]) continue;
      const Instrument& it = current[i];
      lab_page_set_instrument(window.level, static_cast<int>(i), it.id, static_cast<int>(it.role),
                              it.rect.left, it.rect.top, it.rect.Width(), it.rect.Height(),
                              it.name.c_str(), it.state.c_str(), it.checked ? 1 : 0,
                              TableText(it.table).c_str(), it.summary.c_str(), it.announced.c_str(),
                              it.keys.c_str());
    }
    if (current.size() < window.instruments.size()) {
      lab_page_keep_instruments(window.level, static_cast<int>(current.size()));
    }
    window.instruments = std::move(current);
  }
}

// --- controls ------------------------------------------------------------------

bool WebHost::SetControlTextQuietly(Dialog& dialog, int id, std::string_view text) {
  const Window* window = WindowOf(dialog);
  if (window == nullptr) return false;
  lab_page_set_text(window->level, id, Text(text).c_str());
  return true;
}

std::string WebHost::GetControlText(const Dialog& dialog, int id) const {
  const Window* window = WindowOf(dialog);
  if (window == nullptr) return std::string();
  char* text = lab_page_get_text(window->level, id);
  if (text == nullptr) return std::string();
  std::string result(text);
  std::free(text);
  return result;
}

void WebHost::EnableControl(Dialog& dialog, int id, bool enable) {
  if (const Window* window = WindowOf(dialog)) lab_page_enable(window->level, id, enable ? 1 : 0);
}

bool WebHost::IsControlEnabled(const Dialog& dialog, int id) const {
  const Window* window = WindowOf(dialog);
  return window != nullptr && lab_page_is_enabled(window->level, id) != 0;
}

void WebHost::FocusControl(Dialog& dialog, int id) {
  if (const Window* window = WindowOf(dialog)) lab_page_focus(window->level, id);
}

int WebHost::MessageBox(Dialog*, std::string_view text, std::string_view caption, unsigned) {
  const std::string title = caption.empty() ? m_applicationName : Text(caption);
  const int box = lab_page_open_message_box(Text(text).c_str(), title.c_str());
  ++m_openBoxes;
  RunLoop([this, box] { return m_answeredBox == box; });
  --m_openBoxes;
  return IDOK;
}

// --- timers, window menu, icon -------------------------------------------------------

void WebHost::SetTimer(Dialog& dialog, unsigned id, unsigned milliseconds) {
  Window* window = WindowOf(dialog);
  if (window == nullptr) return;
  const double period = std::max(milliseconds, kMinimumTimerPeriod);
  const double due = emscripten_get_now() + period;
  for (Timer& timer : window->timers) {
    if (timer.id == id) {
      timer.period = period;
      timer.due = due;
      return;
    }
  }
  window->timers.push_back(Timer{id, period, due});
}

void WebHost::WindowChanged(Dialog& dialog, WindowPart part) {
  const Window* window = WindowOf(dialog);
  if (window == nullptr) return;
  if (part == WindowPart::kCaption) {
    lab_page_set_caption(window->level, Text(dialog.Caption()).c_str());
  } else if (part == WindowPart::kIcon) {
    // The page has one icon: the small picture when there is one.
    const Icon* small = dialog.WindowIcon(false);
    const Icon* big = dialog.WindowIcon(true);
    const IconImage* image = small != nullptr ? &small->small
                             : big != nullptr ? &big->large
                                              : nullptr;
    if (image != nullptr && image->argb != nullptr && image->size > 0) {
      lab_page_set_icon(image->argb, image->size);
    }
  } else {
    // The page's menu is given again whole. It holds only the items: a
    // separator before the first item would separate nothing.
    lab_page_clear_menu(window->level);
    bool items = false;
    for (const WindowMenuItem& item : dialog.SystemMenuItems()) {
      if (item.separator && !items) continue;
      lab_page_add_menu_item(window->level, item.separator ? 0 : item.command,
                             item.separator ? "" : Text(item.text).c_str());
      if (!item.separator && !item.enabled) {
        lab_page_enable_menu_item(window->level, item.command, 0);
      }
      items = items || !item.separator;
    }
  }
}

// --- the surface -------------------------------------------------------------------

void WebHost::SurfaceChanged(Dialog& dialog, const CRect& changed) {
  Window* window = WindowOf(dialog);
  if (window == nullptr || !m_presenting) return;
  // Only the changed rectangle is turned into the canvas's bytes, in the
  // window's image, and only it goes to the canvas.
  const Surface& surface = dialog.GetSurface();
  const CRect rect = UpdateRgbaImage(surface, changed, window->image);
  if (rect.IsRectEmpty()) return;
  lab_page_present(window->level, window->image.data(), surface.Width(), surface.Height(),
                   rect.left, rect.top, rect.Width(), rect.Height());
}

void WebHost::PresentNow(Dialog&) {
  // Every change is on the canvas already; let the browser show it.
  lab_page_next_frame();
}

void WebHost::HoldWindow(Dialog&, unsigned milliseconds) {
  // The browser shows the change at its next frame; then the program sleeps
  // for the rest of the time. Input that comes meanwhile waits in the page's
  // queue, and no timer is dispatched, as on the desktop.
  const double until = emscripten_get_now() + milliseconds;
  lab_page_next_frame();
  const double left = until - emscripten_get_now();
  if (left > 0) emscripten_sleep(static_cast<unsigned>(left));
}

// --- the clipboard, files and kept state ----------------------------------------

void WebHost::SetClipboard(std::string_view text, std::string_view html) {
  lab_page_set_clipboard(Text(text).c_str(), Text(html).c_str());
}

std::string WebHost::SaveFile(Dialog&, std::string_view defaultName, std::string_view,
                              std::string_view bytes) {
  lab_page_download(Text(defaultName).c_str(), reinterpret_cast<const std::uint8_t*>(bytes.data()),
                    static_cast<int>(bytes.size()));
  return std::string();
}

std::optional<std::string> WebHost::ReadState(std::string_view name) {
  char* text = lab_page_read_state(Text(name).c_str());
  if (text == nullptr) return std::nullopt;
  std::string result(text);
  std::free(text);
  return result;
}

bool WebHost::WriteState(std::string_view name, std::string_view bytes) {
  // Local storage holds text: the kept series is text, and anything with a
  // NUL in it would be cut short, so it is refused rather than stored cut.
  if (bytes.find('\0') != std::string_view::npos) return false;
  return lab_page_write_state(Text(name).c_str(), Text(bytes).c_str()) != 0;
}

std::string WebHost::StateLocation() const { return TextOf(TextId::StateInBrowserStorage); }

WebHost& PageHost() {
  static WebHost host;
  return host;
}

}  // namespace lab
