// The lab's program: a Qt application hosting the lab's dialogs.
#include <QApplication>
#include <cstdio>
#include <string>

#include "app/lab_app.h"
#include "app/language_choice.h"
#include "app/teacher_command.h"
#include "platform/resources.h"
#include "platform/window_host.h"
#include "res/lab_resources.h"
#include "res/resource_ids.h"
#include "res/texts/text_catalogue.h"
#include "shell/qt/catalan_dialogs.h"
#include "shell/qt/classic_numbers.h"
#include "shell/qt/qt_host.h"
#include "shell/qt/run_report.h"
#include "shell/qt/template_style.h"
#include "shell/qt/termination.h"
#include "shell/qt/x11_close_requests.h"

using namespace lab;

int main(int argc, char* argv[]) {
  // --llengua CODE: the lab's language, for the teacher's commands too. An
  // unknown code is refused before anything starts.
  const LanguageOption language = TakeLanguageOption(argc, argv);
  if (language.given && !IsLabLanguage(language.code)) {
    const std::string message = UnknownLanguageMessage(language.code) + "\n";
    std::fwrite(message.data(), 1, message.size(), stderr);
    return 2;
  }
  if (language.given) SetLanguage(language.code);
  // The teacher's list of codes goes to standard output before anything
  // needs a display.
  const TeacherCommand teacher = RunTeacherCommand(argc, argv);
  if (teacher.asked) {
    std::fwrite(teacher.out.data(), 1, teacher.out.size(), stdout);
    std::fwrite(teacher.err.data(), 1, teacher.err.size(), stderr);
    return std::fflush(stdout) == 0 ? teacher.status : 1;
  }
  run_report::StartClock();
  // Whole scale factors only, so that the lab's pixels stay pixel-exact on
  // a high-density screen.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication application(argc, argv);
  UseClassicNumbers();
  UseCatalanDialogs();
  QApplication::setApplicationName(QStringLiteral("trelko"));
  // Wayland desktops match the window to its desktop entry (and its icon)
  // by this name: packaging/cat.lab.trelko.desktop.
  QGuiApplication::setDesktopFileName(QStringLiteral("cat.lab.trelko"));
  QApplication::setApplicationVersion(QStringLiteral(LAB_VERSION));

  QtHost host;
  EndCleanlyOnTermination(host);
  const X11CloseRequests closeRequests;
  SetWindowHost(&host);
  // The option's language is kept for later starts; without it, the kept one.
  StartLanguage(language.code);

  // The application's name and icon are the main window's.
  InstallResources(LabResources());
  if (const DialogTemplate* main = FindDialogTemplate(IDD_MAIN)) {
    QGuiApplication::setApplicationDisplayName(ToQString(main->caption));
  }
  if (const Icon* icon = LoadIcon(IDR_MAINFRAME)) QApplication::setWindowIcon(ToQIcon(*icon));
  const int status = RunLabApplication();
  SetWindowHost(nullptr);
  run_report::Write();
  return status;
}
