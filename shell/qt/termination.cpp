#include "shell/qt/termination.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

#include "shell/qt/qt_host.h"

namespace lab {

namespace {
// The signal handler writes a byte into the pipe; the event loop reads it.
int g_pipe[2] = {-1, -1};
QtHost* g_host = nullptr;

// Only async-signal-safe work here: the event loop does the rest.
void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(g_pipe[1], &byte, 1);
}

void OnPipeReadable() {
  char bytes[16];
  while (read(g_pipe[0], bytes, sizeof bytes) > 0) {
  }
  if (g_host != nullptr) g_host->EndAll();
}
}  // namespace

void EndCleanlyOnTermination(QtHost& host) {
  g_host = &host;
  if (g_pipe[0] >= 0) return;
  if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier =
      new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, &OnPipeReadable);
  struct sigaction action = {};
  action.sa_handler = &OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace lab
