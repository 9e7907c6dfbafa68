// The shell's tests share one application and one Qt host; each test runs
// its dialogs modally on them.
#include <gtest/gtest.h>
#include <QApplication>

#include "platform/window_host.h"
#include "res/lab_resources.h"
#include "shell/qt/catalan_dialogs.h"
#include "shell/qt/classic_numbers.h"
#include "shell/qt/qt_host.h"

using namespace lab;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The lab's kept series go to a folder of the build's, never the user's,
  // for the windows here and for the programs the tests start.
  qputenv("XDG_STATE_HOME", LAB_TEST_STATE_HOME);
  // The save dialog remembers its folders in the user's settings: the
  // tests' go to the build's.
  qputenv("XDG_CONFIG_HOME", LAB_TEST_STATE_HOME "/config");
  QApplication application(argc, argv);
  UseClassicNumbers();
  UseCatalanDialogs();
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Llei de Trelko"));
  InstallResources(LabResources());
  QtHost host;
  SetWindowHost(&host);
  testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  SetWindowHost(nullptr);
  return status;
}
