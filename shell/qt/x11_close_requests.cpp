#include "shell/qt/x11_close_requests.h"

#include <QApplication>
#include <QWidget>

#if defined(LAB_HAVE_XCB)
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

#include "shell/qt/dialog_window.h"

namespace lab {

namespace {
std::uint32_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  if (reply == nullptr) return 0;
  const std::uint32_t atom = reply->atom;
  std::free(reply);
  return atom;
}
}  // namespace

X11CloseRequests::X11CloseRequests() {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return;
  m_protocols = Atom(x11->connection(), "WM_PROTOCOLS");
  m_deleteWindow = Atom(x11->connection(), "WM_DELETE_WINDOW");
  if (m_protocols == 0 || m_deleteWindow == 0) return;
  QCoreApplication::instance()->installNativeEventFilter(this);
  m_installed = true;
}

bool X11CloseRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) return false;
  const auto* request = static_cast<const xcb_client_message_event_t*>(message);
  if (request->format != 32 || request->type != m_protocols ||
      request->data.data32[0] != m_deleteWindow) {
    return false;
  }
  // Only a dialog window that a modal window blocks: Qt would drop it.
  auto* window = dynamic_cast<DialogWindow*>(QWidget::find(request->window));
  QWidget* modal = QApplication::activeModalWidget();
  if (window == nullptr || !window->isVisible() || modal == nullptr || modal == window) {
    return false;
  }
  window->close();
  return true;
}
#else
X11CloseRequests::X11CloseRequests() = default;
bool X11CloseRequests::nativeEventFilter(const QByteArray&, void*, qintptr*) { return false; }
#endif

X11CloseRequests::~X11CloseRequests() {
  if (m_installed) QCoreApplication::instance()->removeNativeEventFilter(this);
}

}  // namespace lab
