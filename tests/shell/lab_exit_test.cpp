// The program ends cleanly, with status 0, however the student leaves it:
// Escape on the title picture and then on the main window, the close
// button while a validation message or a drag is in progress, a
// termination signal.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "res/resource_ids.h"
#include "shell/qt/termination.h"
#include "shell_test_support.h"

namespace {

CLabDlg& Lab() { return *static_cast<CLabDlg*>(AfxGetApp()->m_pMainWnd); }

void EnterTheLab() {
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Return); });
}

TEST(LabExit, EscapeOnTheTitleGoesOnToTheMainWindowAndEscapeThereEnds) {
  bool mainSeen = false;
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Escape); });
  WhenWindowShown(IDD_MAIN, [&mainSeen](DialogWindow& w) {
    mainSeen = true;
    KeyOn(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(RunLabApplication(), 0);
  EXPECT_TRUE(mainSeen);
}

TEST(LabExit, ClosingWhileAValidationMessageIsUpEndsOnceItIsAnswered) {
  EnterTheLab();
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    bool answered = false;
    WhenModalAppears<QMessageBox>([&w, &answered](QMessageBox* box) {
      // The main window is blocked by the message: closing it now must not
      // pull the window from under the message's loop.
      w.close();
      EXPECT_TRUE(box->isVisible());
      box->button(QMessageBox::Ok)->click();
      answered = true;
    });
    auto* count = qobject_cast<QLineEdit*>(w.Control(IDC_OSCILLATIONS));
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "0");
    EXPECT_TRUE(answered);
    w.close();
  });
  EXPECT_EQ(RunLabApplication(), 0);
}

TEST(LabExit, ClosingDuringADragEnds) {
  EnterTheLab();
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(120, 220));
    EXPECT_TRUE(Lab().m_dragging);
    QTest::qWait(120);
    w.close();
  });
  EXPECT_EQ(RunLabApplication(), 0);
}

TEST(LabExit, ATerminationSignalEnds) {
  EndCleanlyOnTermination();
  EnterTheLab();
  WhenWindowShown(IDD_MAIN, [](DialogWindow&) {
    QTest::qWait(100);
    std::raise(SIGTERM);
  });
  EXPECT_EQ(RunLabApplication(), 0);
}

}  // namespace
