// The window manager's close button on X11 while a message box is up.
//
// The close button sends the window a close request (WM_DELETE_WINDOW); Qt
// drops the request while a modal window blocks the one it is for. This
// filter hands such a request to the blocked dialog window as a close, so
// that closing the main window over a message box ends the box and then
// the dialog (see DialogWindow::closeEvent). Requests for windows that
// nothing blocks go their usual way.
#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>

namespace lab {

class X11CloseRequests : public QAbstractNativeEventFilter {
 public:
  // Installs the filter when the application runs on X11; it stays
  // installed for the object's life. Needs a QApplication.
  X11CloseRequests();
  ~X11CloseRequests() override;
  X11CloseRequests(const X11CloseRequests&) = delete;
  X11CloseRequests& operator=(const X11CloseRequests&) = delete;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  bool m_installed = false;
  std::uint32_t m_protocols = 0;
  std::uint32_t m_deleteWindow = 0;
};

}  // namespace lab
