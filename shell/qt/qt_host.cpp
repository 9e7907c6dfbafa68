#include "shell/qt/qt_host.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <cmath>

#include "platform/dialog.h"
#include "res/texts/text_catalogue.h"
#include "shell/files/desktop_files.h"
#include "shell/qt/catalan_dialogs.h"
#include "shell/qt/dialog_window.h"
#include "shell/qt/template_style.h"

namespace lab {

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
// A state's name is one plain file name of the state folder.
bool IsStateName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

// The largest kept state read back; anything longer is not the lab's.
constexpr std::size_t kMaxStateBytes = 1 << 20;
// The core writes its PNG pictures uncompressed; Qt's PNG writer packs the
// same pixels (checked by reading them back) into a few times fewer bytes.
// Anything else, or a picture that would not come back the same, is kept
// as the core wrote it.
std::string PackedPng(std::string_view bytes) {
  static constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";
  if (bytes.substr(0, kSignature.size()) != kSignature) return std::string(bytes);
  QImage picture;
  if (!picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()), "PNG")) {
    return std::string(bytes);
  }
  QByteArray packed;
  QBuffer buffer(&packed);
  buffer.open(QIODevice::WriteOnly);
  QImage back;
  if (!picture.save(&buffer, "PNG", 0) || packed.size() >= static_cast<qsizetype>(bytes.size()) ||
      !back.loadFromData(packed, "PNG") ||
      back.convertToFormat(QImage::Format_RGB32) != picture.convertToFormat(QImage::Format_RGB32)) {
    return std::string(bytes);
  }
  return packed.toStdString();
}

}  // namespace

QtHost::QtHost() {
  // Only the dialogs end their modal loops: hiding the last window must not
  // end the program's loops behind them.
  QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtHost::~QtHost() = default;

DialogWindow* QtHost::WindowOf(const Dialog& dialog) {
  return static_cast<DialogWindow*>(dialog.HostData());
}

int QtHost::RunModal(Dialog& dialog) {
  // Qt's own buttons and dialogs follow the lab's language (chosen in the
  // window menu, the window opens again).
  UseDialogsIn(CurrentLanguage());
  const DialogTemplate* source = FindDialogTemplate(dialog.TemplateId());
  if (source == nullptr) return -1;
  if (m_endingAll) {
    dialog.EndDialog(IDCANCEL);
    return dialog.Result();
  }
  m_levels.push_back(Level{&dialog, nullptr});
  auto* window = new DialogWindow(*this, dialog, *source);
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
  Leave();
  return result;
}

void QtHost::Leave() {
  m_levels.pop_back();
  if (m_levels.empty()) m_endingAll = false;
}

bool QtHost::EndAbove(const Dialog& dialog) {
  for (std::size_t i = 0; i < m_levels.size(); ++i) {
    if (m_levels[i].dialog == &dialog) return EndLevelsFrom(i + 1);
  }
  return false;
}

void QtHost::EndAll() {
  if (m_levels.empty()) return;
  m_endingAll = true;
  EndLevelsFrom(0);
}

bool QtHost::EndLevelsFrom(std::size_t first) {
  // A popup menu (the window menu) lies over every level; closing it ends
  // its loop with no item chosen.
  for (QWidget* popup = QApplication::activePopupWidget(); popup != nullptr;) {
    popup->close();
    QWidget* next = QApplication::activePopupWidget();
    popup = next != popup ? next : nullptr;
  }
  bool ended = false;
  for (std::size_t i = m_levels.size(); i > first; --i) {
    const Level level = m_levels[i - 1];
    if (level.box != nullptr) {
      level.box->done(QMessageBox::Ok);
      ended = true;
    } else if (!level.dialog->IsEnding()) {
      level.dialog->EndDialog(IDCANCEL);
      ended = true;
    }
  }
  return ended;
}

void QtHost::EndModal(Dialog& dialog, int result) {
  if (DialogWindow* window = WindowOf(dialog)) window->EndModal(result);
}

bool QtHost::SetControlTextQuietly(Dialog& dialog, int id, std::string_view text) {
  DialogWindow* window = WindowOf(dialog);
  return window != nullptr && window->SetControlTextQuietly(id, text);
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
  if (m_endingAll) return IDOK;
  QWidget* parent = owner != nullptr ? WindowOf(*owner) : nullptr;
  if (parent != nullptr && !parent->isVisible()) parent = nullptr;
  if (parent == nullptr) parent = QApplication::activeModalWidget();
  const QString title =
      caption.empty() ? QGuiApplication::applicationDisplayName() : ToQString(caption);
  QMessageBox box(MessageIcon(type), title, ToQString(text), QMessageBox::Ok, parent);
  m_levels.push_back(Level{nullptr, &box});
  box.exec();
  Leave();
  return IDOK;
}

void QtHost::SetTimer(Dialog& dialog, unsigned id, unsigned milliseconds) {
  if (DialogWindow* window = WindowOf(dialog)) window->SetTimer(id, milliseconds);
}

void QtHost::WindowChanged(Dialog& dialog, WindowPart part) {
  DialogWindow* window = WindowOf(dialog);
  if (window == nullptr) return;
  if (part == WindowPart::kIcon) window->ShowIcon();
  if (part != WindowPart::kCaption) return;
  const QString title = ToQString(dialog.Caption());
  // Qt adds the application's name to every title that does not end with
  // it; the window that shows the application's name keeps showing it,
  // without the old name after the new one.
  if (window->windowTitle() == QGuiApplication::applicationDisplayName()) {
    QGuiApplication::setApplicationDisplayName(title);
  }
  window->setWindowTitle(title);
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

void QtHost::HoldWindow(Dialog& dialog, unsigned milliseconds) {
  // The repaint flushes the window's backing store to the screen before it
  // returns; the sleep then keeps this thread, the one event loop, away
  // from every event for the time.
  if (DialogWindow* window = WindowOf(dialog)) window->PresentNow();
  QThread::msleep(milliseconds);
}

void QtHost::SetClipboard(std::string_view text, std::string_view html) {
  auto* data = new QMimeData;
  data->setText(ToQString(text));
  data->setHtml(ToQString(html));
  QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

std::string QtHost::ChooseSaveFile(Dialog& dialog, std::string_view defaultName,
                                   std::string_view filter) {
  if (m_endingAll) return {};
  QWidget* parent = WindowOf(dialog);
  if (parent != nullptr && !parent->isVisible()) parent = nullptr;
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  QFileDialog chooser(parent);
  chooser.setAcceptMode(QFileDialog::AcceptSave);
  chooser.setFileMode(QFileDialog::AnyFile);
  chooser.setDirectory(folder);
  chooser.selectFile(ToQString(defaultName));
  const QString nameFilter = ToQString(filter);
  if (!nameFilter.isEmpty()) chooser.setNameFilter(nameFilter);
  // A name typed without its ending gets the filter's ("*.csv" -> csv).
  const QRegularExpressionMatch suffix =
      QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(nameFilter);
  if (suffix.hasMatch()) chooser.setDefaultSuffix(suffix.captured(1));
  m_levels.push_back(Level{nullptr, &chooser});
  const int result = chooser.exec();
  Leave();
  if (result != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return {};
  return ToUtf8(chooser.selectedFiles().constFirst());
}

std::string QtHost::SaveFile(Dialog& dialog, std::string_view defaultName, std::string_view filter,
                             std::string_view bytes) {
  const std::string path = ChooseSaveFile(dialog, defaultName, filter);
  if (path.empty()) return {};
  return desktop_files::WriteFileAtomically(path, PackedPng(bytes));
}

std::optional<std::string> QtHost::ReadState(std::string_view name) {
  const std::string folder = desktop_files::StateFolder();
  if (folder.empty() || !IsStateName(name)) return std::nullopt;
  return desktop_files::ReadSmallFile(folder + "/" + std::string(name), kMaxStateBytes);
}

bool QtHost::WriteState(std::string_view name, std::string_view bytes) {
  const std::string folder = desktop_files::StateFolder();
  if (folder.empty() || !IsStateName(name) || !desktop_files::MakeFolders(folder)) return false;
  return desktop_files::WriteFileAtomically(folder + "/" + std::string(name), bytes).empty();
}

std::string QtHost::StateLocation() const {
  const std::string folder = desktop_files::StateFolder();
  // Without $XDG_STATE_HOME and $HOME there is no folder to name.
  return folder.empty() ? std::string("$XDG_STATE_HOME/trelko") : folder;
}

int QtHost::PixelScale(const Dialog& dialog) const {
  const DialogWindow* window = WindowOf(dialog);
  const double ratio = window != nullptr ? window->devicePixelRatioF() : 1.0;
  return std::max(1, static_cast<int>(std::lround(ratio)));
}

}  // namespace lab
