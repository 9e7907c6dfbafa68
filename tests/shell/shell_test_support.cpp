#include "shell_test_support.h"

#include <gtest/gtest.h>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "app/lab_dlg.h"
#include "platform/application.h"
#include "shell/qt/qt_host.h"

namespace lab {

CLabDlg& Lab() { return *static_cast<CLabDlg*>(AfxGetApp()->m_pMainWnd); }

bool ProbeDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  if (onInit) onInit(*this);
  return true;
}

void ProbeDialog::OnPaint() {
  ++paints;
  CPaintDC dc(this);
  dc.FillSolidRect(GetClientRect(), fill);
}

void ProbeDialog::OnTimer(unsigned id) {
  ++ticks;
  log.push_back("Timer " + std::to_string(id));
}

void ProbeDialog::LogMouse(const char* kind, unsigned flags, CPoint point) {
  log.push_back(std::string(kind) + " " + std::to_string(flags) + " " + std::to_string(point.x) +
                "," + std::to_string(point.y));
}

void ProbeDialog::OnLButtonDown(unsigned flags, CPoint point) {
  LogMouse("LeftDown", flags, point);
  if (onLeftDown) onLeftDown(*this, point);
}
void ProbeDialog::OnLButtonUp(unsigned flags, CPoint point) { LogMouse("LeftUp", flags, point); }
void ProbeDialog::OnRButtonDown(unsigned flags, CPoint point) {
  LogMouse("RightDown", flags, point);
}
void ProbeDialog::OnRButtonUp(unsigned flags, CPoint point) { LogMouse("RightUp", flags, point); }
void ProbeDialog::OnMouseMove(unsigned flags, CPoint point) { LogMouse("Move", flags, point); }

void ProbeDialog::OnSysCommand(unsigned id, long lParam) {
  log.push_back("Sys " + std::to_string(id));
  if (!(refuseClose && id == SC_CLOSE)) Dialog::OnSysCommand(id, lParam);
}

bool ProbeDialog::OnCommand(int id, int notification) {
  log.push_back("Command " + std::to_string(id) + " " + std::to_string(notification));
  return Dialog::OnCommand(id, notification);
}

bool ProbeDialog::Logged(const std::string& line) const {
  return std::find(log.begin(), log.end(), line) != log.end();
}

int ProbeDialog::Count(const std::string& prefix) const {
  return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& line) {
    return line.compare(0, prefix.size(), prefix) == 0;
  }));
}

namespace {
// Plays the script once the dialog's window is on the screen; until then
// (its initialisation may be running another dialog) it looks again later.
void PlayWhenShown(Dialog& dialog, const std::function<void(DialogWindow&)>& script,
                   int triesLeft) {
  DialogWindow* window = QtHost::WindowOf(dialog);
  if (window == nullptr || !window->isVisible()) {
    if (triesLeft == 0) {
      ADD_FAILURE() << "the dialog's window never came up";
      return;
    }
    QTimer::singleShot(
        10, [&dialog, &script, triesLeft] { PlayWhenShown(dialog, script, triesLeft - 1); });
    return;
  }
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
  script(*window);
  if (QtHost::WindowOf(dialog) != nullptr && !dialog.IsEnding()) dialog.EndDialog(IDCANCEL);
}
}  // namespace

int RunScripted(Dialog& dialog, const std::function<void(DialogWindow&)>& script) {
  QTimer::singleShot(0, [&dialog, &script] { PlayWhenShown(dialog, script, 500); });
  return dialog.DoModal();
}

namespace {
DialogWindow* FindWindow(int templateId, bool shownOnly) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* window = dynamic_cast<DialogWindow*>(w);
    if (window != nullptr && window->TemplateId() == templateId && window->Core() != nullptr &&
        (!shownOnly || window->isVisible())) {
      return window;
    }
  }
  return nullptr;
}

// Polls every few milliseconds until `found` accepts a widget, for at most
// five seconds.
void Poll(const std::function<QWidget*()>& candidate, const std::function<bool(QWidget*)>& found) {
  auto* timer = new QTimer;
  auto* tries = new int(0);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, candidate, found] {
    QWidget* w = candidate();
    const bool done = (w != nullptr && found(w)) || ++*tries > 500;
    if (done) {
      if (*tries > 500) ADD_FAILURE() << "the expected window never came up";
      timer->stop();
      timer->deleteLater();
      delete tries;
    }
  });
  timer->start(10);
}
}  // namespace

DialogWindow* ShownWindow(int templateId) { return FindWindow(templateId, true); }

void WhenWindowShown(int templateId, const std::function<void(DialogWindow&)>& script) {
  Poll([templateId] { return static_cast<QWidget*>(ShownWindow(templateId)); },
       [script](QWidget* w) {
         auto* window = static_cast<DialogWindow*>(w);
         EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
         script(*window);
         return true;
       });
}
DialogWindow* AnyWindow(int templateId) { return FindWindow(templateId, false); }

void WhenModalAppears(const std::function<bool(QWidget*)>& answer) {
  Poll([] { return QApplication::activeModalWidget(); }, answer);
}

void WhenMenuAppears(const std::function<void(QMenu*)>& answer) {
  Poll([] { return QApplication::activePopupWidget(); },
       [answer](QWidget* w) {
         auto* menu = qobject_cast<QMenu*>(w);
         if (menu == nullptr || !menu->isVisible()) return false;
         answer(menu);
         return true;
       });
}

void ClickAt(QWidget* window, QPoint at, Qt::MouseButton button) {
  QTest::mouseClick(window->windowHandle(), button, Qt::NoModifier, at);
}

void KeyOn(QWidget* window, Qt::Key key) { QTest::keyClick(window->windowHandle(), key); }

QImage OnScreen(QWidget* window) { return window->screen()->grabWindow(window->winId()).toImage(); }

RgbPicture PictureOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  RgbPicture picture;
  picture.width = rgb.width();
  picture.height = rgb.height();
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    picture.pixels.insert(picture.pixels.end(), line, line + rgb.width());
  }
  return picture;
}

}  // namespace lab
