#include "shell/qt/qt_host.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/dialog.h"
#include "shell/qt/dialog_window.h"
#include "shell/qt/template_style.h"

namespace {
constexpr unsigned kIconMask = 0xF0u;
constexpr unsigned kIconHand = 0x10u;
constexpr unsigned kIconQuestion = 0x20u;
constexpr unsigned kIconExclamation = 0x30u;
constexpr unsigned kIconAsterisk = 0x40u;

QMessageBox::Icon MessageIcon(unsigned type) {
  switch (type & kIconMask) {
    case kIconHand:
      return QMessageBox::Critical;
    case kIconQuestion:
      return QMessageBox::Question;
    case kIconExclamation:
      return QMessageBox::Warning;
    case kIconAsterisk:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}
}  // namespace

QtHost::QtHost() {
  m_clock.start();
  // Only the dialogs end their modal loops: hiding the last window must not
  // end the program's loops behind them.
  QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtHost::~QtHost() = default;

DialogWindow* QtHost::WindowOf(const Dialog& dialog) {
  return static_cast<DialogWindow*>(dialog.HostData());
}

int QtHost::RunModal(Dialog& dialog) {
  const DialogTemplate* source = FindDialogTemplate(dialog.TemplateId());
  if (source == nullptr) return -1;
  auto* window = new DialogWindow(dialog, *source);
  void* const previous = dialog.HostData();
  dialog.SetHostData(window);

  // The initialisation runs before the window is shown; it may itself run
  // another dialog modally, or end this one.
  dialog.InitDialog();
  if (!dialog.IsEnding()) {
    window->PrepareToShow();
    window->exec();
  }
  const int result = dialog.Result();

  dialog.SetHostData(previous);
  window->Detach();
  if (window->Dispatching()) {
    window->deleteLater();
  } else {
    delete window;
  }
  return result;
}

void QtHost::EndModal(Dialog& dialog, int result) {
  if (DialogWindow* window = WindowOf(dialog)) window->EndModal(result);
}

void QtHost::SetControlText(Dialog& dialog, int id, std::string_view text) {
  if (DialogWindow* window = WindowOf(dialog)) window->SetControlText(id, text);
}

std::string QtHost::GetControlText(const Dialog& dialog, int id) const {
  const DialogWindow* window = WindowOf(dialog);
  return window != nullptr ? window->ControlText(id) : std::string();
}

void QtHost::EnableControl(Dialog& dialog, int id, bool enable) {
  if (DialogWindow* window = WindowOf(dialog)) window->EnableControl(id, enable);
}

bool QtHost::IsControlEnabled(const Dialog& dialog, int id) const {
  const DialogWindow* window = WindowOf(dialog);
  return window != nullptr && window->IsControlEnabled(id);
}

void QtHost::FocusControl(Dialog& dialog, int id) {
  if (DialogWindow* window = WindowOf(dialog)) window->FocusControl(id);
}

int QtHost::MessageBox(Dialog* owner, std::string_view text, std::string_view caption,
                       unsigned type) {
  QWidget* parent = owner != nullptr ? WindowOf(*owner) : nullptr;
  if (parent != nullptr && !parent->isVisible()) parent = nullptr;
  if (parent == nullptr) parent = QApplication::activeModalWidget();
  const QString title =
      caption.empty() ? QGuiApplication::applicationDisplayName() : ToQString(caption);
  QMessageBox box(MessageIcon(type), title, ToQString(text), QMessageBox::Ok, parent);
  box.exec();
  return IDOK;
}

void QtHost::SetTimer(Dialog& dialog, unsigned id, unsigned milliseconds) {
  if (DialogWindow* window = WindowOf(dialog)) window->SetTimer(id, milliseconds);
}

bool QtHost::HasSystemMenu(const Dialog& dialog) const {
  const DialogWindow* window = WindowOf(dialog);
  return window != nullptr && (window->Source().style & WS_SYSMENU) != 0;
}

void QtHost::AppendSystemMenuSeparator(Dialog& dialog) {
  if (DialogWindow* window = WindowOf(dialog)) {
    window->AppendMenuItem(DialogWindow::MenuItem{true, 0, QString()});
  }
}

void QtHost::AppendSystemMenuItem(Dialog& dialog, unsigned command, std::string_view text) {
  if (DialogWindow* window = WindowOf(dialog)) {
    window->AppendMenuItem(DialogWindow::MenuItem{false, command, ToQString(text)});
  }
}

void QtHost::SetIcon(Dialog& dialog, const Icon* icon, bool big) {
  if (DialogWindow* window = WindowOf(dialog)) window->SetIcon(icon, big);
}

bool QtHost::IsIconic(const Dialog& dialog) const {
  const DialogWindow* window = WindowOf(dialog);
  return window != nullptr && window->isMinimized();
}

void QtHost::SurfaceChanged(Dialog& dialog, const CRect& rect) {
  if (DialogWindow* window = WindowOf(dialog)) window->SurfaceChanged(rect);
}

void QtHost::PresentNow(Dialog& dialog) {
  if (DialogWindow* window = WindowOf(dialog)) window->PresentNow();
}

long QtHost::ElapsedMilliseconds() { return static_cast<long>(m_clock.elapsed()); }
