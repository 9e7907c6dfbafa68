#include "shell/qt/termination.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace {
int g_pipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(g_pipe[1], &byte, 1);
}
}  // namespace

void EndCleanlyOnTermination() {
  if (pipe(g_pipe) != 0) return;
  auto* notifier =
      new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char byte = 0;
    [[maybe_unused]] const ssize_t n = read(g_pipe[0], &byte, 1);
    // Leaves every event loop, the dialogs' nested ones included; loops
    // started afterwards return at once.
    QCoreApplication::exit(0);
  });
  std::signal(SIGTERM, OnSignal);
  std::signal(SIGINT, OnSignal);
}
