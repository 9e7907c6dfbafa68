// Helpers for driving the Qt shell's real windows from a test.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "report/png_encoder.h"
#include "shell/qt/dialog_window.h"

namespace lab {

class CLabDlg;

// The lab's main dialog while the program runs it (the application's main
// window).
CLabDlg& Lab();

// A dialog that records every message it gets, one line each:
// "LeftDown 1 30,40", "Command 1003 0", "Sys 61536", "Timer 0".
// It paints its surface with one colour.
class ProbeDialog : public Dialog {
 public:
  explicit ProbeDialog(int templateId) : Dialog(templateId) {}

  std::vector<std::string> log;
  int paints = 0;
  int ticks = 0;
  COLORREF fill = RGB(10, 120, 30);
  bool refuseClose = false;
  std::function<void(ProbeDialog&)> onInit;
  std::function<void(ProbeDialog&, CPoint)> onLeftDown;
  // Where a right press is the dialog's own; nowhere when empty.
  CRect ownsRightButton;

  bool OnInitDialog() override;
  void OnPaint() override;
  void OnTimer(unsigned id) override;
  void OnLButtonDown(unsigned flags, CPoint point) override;
  void OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonDown(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  void OnSysCommand(unsigned id, long lParam) override;
  bool OwnsRightButton(CPoint point) const override { return ownsRightButton.PtInRect(point); }
  bool OnCommand(int id, int notification) override;

  bool Logged(const std::string& line) const;
  int Count(const std::string& prefix) const;

 private:
  void LogMouse(const char* kind, unsigned flags, CPoint point);
};

// Runs a dialog modally and plays `script` inside its modal loop once its
// window is on the screen; cancels the dialog if the script left it running.
// Returns the dialog's result.
int RunScripted(Dialog& dialog, const std::function<void(DialogWindow&)>& script);

// Plays `script` on the window of a template once it is on the screen.
void WhenWindowShown(int templateId, const std::function<void(DialogWindow&)>& script);

// The shown window of a template, nullptr when none.
DialogWindow* ShownWindow(int templateId);
// Any window of a template, shown or not.
DialogWindow* AnyWindow(int templateId);

// Arranges for `answer` to run on the next modal widget of type T (a message
// box, a dialog window) that comes up within a few seconds.
void WhenModalAppears(const std::function<bool(QWidget*)>& answer);
template <typename T>
void WhenModalAppears(std::function<void(T*)> answer) {
  WhenModalAppears(std::function<bool(QWidget*)>([answer](QWidget* w) {
    T* t = dynamic_cast<T*>(w);
    if (t != nullptr) answer(t);
    return t != nullptr;
  }));
}
// The same for the next popup menu.
void WhenMenuAppears(const std::function<void(QMenu*)>& answer);

// A click on a window at a client position, routed as a real one (the
// widget under the point gets it).
void ClickAt(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// A key on a window, delivered to its focus widget as a real key.
void KeyOn(QWidget* window, Qt::Key key);
// The window as the screen shows it now.
QImage OnScreen(QWidget* window);
// The pixels of a picture taken from the screen, as 0xFFRRGGBB.
RgbPicture PictureOf(const QImage& image);

}  // namespace lab
