// The program ends cleanly, with status 0, however the student leaves it:
// Escape or the close command on the title picture (the lab goes on to the
// main window) and on the main window, while a validation message or a drag
// is in progress, and on a termination signal.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <functional>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "res/resource_ids.h"
#include "shell/qt/qt_host.h"
#include "shell/qt/termination.h"
#include "shell_test_support.h"

namespace lab {

namespace {

enum class Leave { kEscape, kClose };

void LeaveBy(Leave how, DialogWindow& w) {
  if (how == Leave::kEscape) {
    KeyOn(&w, Qt::Key_Escape);
  } else {
    w.close();
  }
}

QtHost& Host() { return static_cast<QtHost&>(GetWindowHost()); }

void EnterTheLab() {
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Return); });
}

// Types a count out of range: the validation message comes up at once, and
// `whileUp` runs with it on the screen.
void TypeABadCount(DialogWindow& w, const std::function<void(QMessageBox*)>& whileUp) {
  bool seen = false;
  WhenModalAppears<QMessageBox>([&](QMessageBox* box) {
    seen = true;
    whileUp(box);
  });
  auto* count = qobject_cast<QLineEdit*>(w.Control(IDC_OSCILLATIONS));
  count->setFocus();
  count->selectAll();
  QTest::keyClicks(count, "0");
  EXPECT_TRUE(seen);
}

TEST(LabExit, LeavingTheTitleGoesOnToTheMainWindow) {
  for (Leave how : {Leave::kEscape, Leave::kClose}) {
    bool mainSeen = false;
    WhenWindowShown(IDD_TITLE, [how](DialogWindow& title) { LeaveBy(how, title); });
    WhenWindowShown(IDD_MAIN, [&mainSeen](DialogWindow& w) {
      mainSeen = true;
      w.close();
    });
    EXPECT_EQ(RunLabApplication(), 0);
    EXPECT_TRUE(mainSeen);
  }
}

TEST(LabExit, EscapeAnswersTheValidationMessageAndTheLabGoesOn) {
  EnterTheLab();
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    TypeABadCount(w, [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.focusWidget(), w.Control(IDC_OSCILLATIONS));
    w.close();
  });
  EXPECT_EQ(RunLabApplication(), 0);
}

TEST(LabExit, ClosingWhileTheValidationMessageIsUpEndsTheMessageThenTheLab) {
  EnterTheLab();
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    TypeABadCount(w, [&w](QMessageBox* box) {
      w.close();
      EXPECT_FALSE(box->isVisible());
      if (box->isVisible()) box->button(QMessageBox::Ok)->click();
      // The dialog gets the close command once its handler has returned.
      EXPECT_TRUE(w.isVisible());
    });
    EXPECT_FALSE(w.isVisible());
  });
  EXPECT_EQ(RunLabApplication(), 0);
}

TEST(LabExit, LeavingDuringADragEnds) {
  for (Leave how : {Leave::kEscape, Leave::kClose}) {
    EnterTheLab();
    WhenWindowShown(IDD_MAIN, [how](DialogWindow& w) {
      QTest::mousePress(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(120, 220));
      EXPECT_TRUE(Lab().m_dragging);
      QTest::qWait(120);  // a few ticks with the ball held
      LeaveBy(how, w);
    });
    EXPECT_EQ(RunLabApplication(), 0);
  }
}

TEST(LabExit, ATerminationSignalEndsEveryLevel) {
  EndCleanlyOnTermination(Host());
  EnterTheLab();
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    TypeABadCount(w, [](QMessageBox* box) {
      std::raise(SIGTERM);
      EXPECT_TRUE(QTest::qWaitFor([box] { return !box->isVisible(); }, 5000));
    });
  });
  EXPECT_EQ(RunLabApplication(), 0);
  EXPECT_EQ(Host().RunningLevels(), 0u);
}

// The program itself: stopped by SIGTERM on its title picture, it writes the
// run figures that the benchmarks read and exits with status 0.
TEST(LabExit, TheProgramEndsOnSigtermWithItsRunFigures) {
  const QString report = QDir::temp().filePath(
      QStringLiteral("lab-exit-test-%1.txt").arg(QCoreApplication::applicationPid()));
  QFile::remove(report);
  QProcess lab;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LAB_BENCH_REPORT"), report);
  lab.setProcessEnvironment(env);
  lab.setProcessChannelMode(QProcess::ForwardedChannels);
  lab.start(QStringLiteral(LAB_PROGRAM_PATH), QStringList());
  ASSERT_TRUE(lab.waitForStarted());
  // Its handler is in place once SIGTERM shows as caught; the title
  // picture comes up right after.
  const QString status = QStringLiteral("/proc/%1/status").arg(lab.processId());
  const QRegularExpression caught(QStringLiteral("SigCgt:\\s*([0-9a-f]+)"));
  bool ready = false;
  for (int i = 0; i < 1000 && !ready; ++i) {
    QFile file(status);
    if (file.open(QIODevice::ReadOnly)) {
      const auto match = caught.match(QString::fromLatin1(file.readAll()));
      ready = match.hasMatch() && (match.captured(1).toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    if (!ready) QTest::qWait(10);
  }
  ASSERT_TRUE(ready);
  QTest::qWait(1000);
  lab.terminate();
  ASSERT_TRUE(lab.waitForFinished(20000));
  EXPECT_EQ(lab.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(lab.exitCode(), 0);

  QFile file(report);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString line = QString::fromLatin1(file.readAll());
  const QRegularExpression format(QStringLiteral("^first_frame_ms=([0-9]+) ticks=0 run_ms=0\\n$"));
  EXPECT_TRUE(format.match(line).hasMatch()) << line.toStdString();
  file.remove();
}

}  // namespace

}  // namespace lab
