// The host's messages: mouse, buttons, keys, edit notifications, timers, the
// window menu, message boxes and the dialog's own ending.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "res/resource_ids.h"
#include "shell/qt/client_area.h"
#include "shell/qt/qt_host.h"
#include "shell_test_support.h"

namespace lab {

namespace {

QLineEdit* Edit(DialogWindow& w, int id) { return qobject_cast<QLineEdit*>(w.Control(id)); }

TEST(QtHost, MouseOverTheClientAreaReachesTheDialogInClientPixels) {
  ProbeDialog dialog(IDD_MAIN);
  RunScripted(dialog, [&dialog](DialogWindow& w) {
    ClickAt(&w, QPoint(30, 40));
    EXPECT_TRUE(dialog.Logged("LeftDown 1 30,40"));
    EXPECT_TRUE(dialog.Logged("LeftUp 0 30,40"));

    QMouseEvent move(QEvent::MouseMove, QPointF(50.7, 60.2), w.mapToGlobal(QPointF(50.7, 60.2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.Client(), &move);
    EXPECT_TRUE(dialog.Logged("Move 0 50,60"));

    // A quick second press is a press, not a double click.
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(7, 8), w.mapToGlobal(QPointF(7, 8)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.Client(), &twice);
    EXPECT_TRUE(dialog.Logged("LeftDown 1 7,8"));

    // The count box's label lets clicks through; the buttons keep theirs.
    dialog.log.clear();
    ClickAt(&w, QPoint(160, 450));
    EXPECT_TRUE(dialog.Logged("LeftDown 1 160,450"));
    dialog.log.clear();
    ClickAt(&w, w.Control(IDC_START)->geometry().center());
    EXPECT_EQ(dialog.log, std::vector<std::string>{"Command 1003 0"});
    dialog.log.clear();
    ClickAt(&w, w.Control(IDC_PLOT)->geometry().center());
    EXPECT_TRUE(dialog.log.empty()) << "a disabled button takes the click and does nothing";
  });
}

TEST(QtHost, RightButtonInsideTheBoxIsTheDialogsElsewhereItOffersTheWindowMenu) {
  ProbeDialog dialog(IDD_MAIN);
  dialog.ownsRightButton = CRect(20, 20, 221, 421);
  dialog.onInit = [](ProbeDialog& d) {
    CMenu* menu = d.GetSystemMenu(false);
    ASSERT_NE(menu, nullptr);
    menu->AppendSeparator();
    menu->AppendItem(IDM_ABOUTBOX, "Acerca de trelko.exe");
  };
  RunScripted(dialog, [&dialog](DialogWindow& w) {
    ClickAt(&w, QPoint(100, 100), Qt::RightButton);
    EXPECT_TRUE(dialog.Logged("RightDown 2 100,100"));
    EXPECT_TRUE(dialog.Logged("RightUp 0 100,100"));

    QStringList items;
    dialog.log.clear();
    WhenMenuAppears([&items](QMenu* menu) {
      for (QAction* a : menu->actions()) items << (a->isSeparator() ? "-" : a->text());
      QTest::keyClick(menu, Qt::Key_Down);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    ClickAt(&w, QPoint(400, 300), Qt::RightButton);
    EXPECT_EQ(items, (QStringList{"-", "Acerca de trelko.exe"}));
    EXPECT_TRUE(dialog.Logged("Sys 16"));
    EXPECT_EQ(dialog.Count("Right"), 0) << "the menu's click is not the dialog's";

    // F1 offers the same menu; dismissing it sends nothing.
    bool offered = false;
    dialog.log.clear();
    WhenMenuAppears([&offered](QMenu* menu) {
      offered = true;
      QTest::keyClick(menu, Qt::Key_Escape);
    });
    KeyOn(&w, Qt::Key_F1);
    EXPECT_TRUE(offered);
    EXPECT_TRUE(dialog.log.empty());
  });
}

TEST(QtHost, EnterPressesTheDefaultButtonUnlessAnotherButtonHasTheFocus) {
  ProbeDialog dialog(IDD_MAIN);
  RunScripted(dialog, [&dialog](DialogWindow& w) {
    Edit(w, IDC_OSCILLATIONS)->setFocus();
    KeyOn(&w, Qt::Key_Return);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"Command 1003 0"});

    dialog.log.clear();
    w.EnableControl(IDC_PLOT, true);
    w.Control(IDC_PLOT)->setFocus();
    KeyOn(&w, Qt::Key_Return);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"Command 1004 0"});

    // A disabled default button takes no Enter.
    dialog.log.clear();
    w.EnableControl(IDC_START, false);
    Edit(w, IDC_OSCILLATIONS)->setFocus();
    KeyOn(&w, Qt::Key_Enter);
    EXPECT_TRUE(dialog.log.empty());
  });
}

TEST(QtHost, EscapeAndTheCloseButtonAskTheDialogWhichEndsTheWindow) {
  {
    ProbeDialog dialog(IDD_MAIN);
    const int result = RunScripted(dialog, [](DialogWindow& w) {
      Edit(w, IDC_OSCILLATIONS)->setFocus();
      KeyOn(&w, Qt::Key_Escape);
      EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(dialog.Logged("Command 2 0"));
  }
  {
    ProbeDialog dialog(IDD_MAIN);
    dialog.refuseClose = true;
    RunScripted(dialog, [&dialog](DialogWindow& w) {
      w.close();
      EXPECT_TRUE(dialog.Logged("Sys 61536"));
      EXPECT_TRUE(w.isVisible()) << "the dialog kept its window";
      dialog.refuseClose = false;
      w.close();
      EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(dialog.Result(), IDCANCEL);
  }
}

TEST(QtHost, EditChangesAreNotifiedOncePerActualChange) {
  ProbeDialog dialog(IDD_MAIN);
  RunScripted(dialog, [&dialog](DialogWindow& w) {
    WindowHost& host = GetWindowHost();
    dialog.log.clear();
    dialog.GetDlgItem(IDC_OSCILLATIONS).SetWindowText("12");
    dialog.GetDlgItem(IDC_OSCILLATIONS).SetWindowText("12");
    EXPECT_EQ(dialog.Count("Command 1002 768"), 1);

    QLineEdit* edit = Edit(w, IDC_OSCILLATIONS);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, "34");
    EXPECT_EQ(dialog.Count("Command 1002 768"), 3);
    EXPECT_EQ(host.GetControlText(dialog, IDC_OSCILLATIONS), "1234");

    // Texts are UTF-8 both ways; a new text shows from its beginning.
    const std::string text =
        " Fes mesures per determinar la constant el\u00e0stica i despr\u00e9s g";
    dialog.GetDlgItem(IDC_MESSAGE).SetWindowText(text);
    EXPECT_EQ(host.GetControlText(dialog, IDC_MESSAGE), text);
    EXPECT_EQ(Edit(w, IDC_MESSAGE)->cursorPosition(), 0);

    // The dialog puts the focus back with the whole text selected.
    host.FocusControl(dialog, IDC_OSCILLATIONS);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("1234"));

    host.EnableControl(dialog, IDC_PLOT, true);
    EXPECT_TRUE(host.IsControlEnabled(dialog, IDC_PLOT));
    EXPECT_FALSE(host.IsControlEnabled(dialog, 4242));
  });
}

TEST(QtHost, TimerTicksInRealTimeAndSettingItAgainChangesItsPeriod) {
  ProbeDialog dialog(IDD_MAIN);
  dialog.onInit = [](ProbeDialog& d) {
    d.SetTimer(0, 10);
    d.SetTimer(0, 50);
  };
  RunScripted(dialog, [&dialog](DialogWindow&) {
    const int before = dialog.ticks;
    QTest::qWait(1000);
    const int ticks = dialog.ticks - before;
    EXPECT_GE(ticks, 10);
    EXPECT_LE(ticks, 30);
  });
}

TEST(QtHost, MessageBoxIsAModalWarningOverItsOwner) {
  ProbeDialog dialog(IDD_MAIN);
  RunScripted(dialog, [&dialog](DialogWindow& w) {
    QString text;
    QString title;
    QWidget* parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModalAppears<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      title = box->windowTitle();
      parent = box->parentWidget();
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    });
    const int answer = dialog.MessageBox("Introdu\u00efu un nombre enter.");
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(text, QString::fromUtf8("Introdu\xc3\xafu un nombre enter."));
    EXPECT_EQ(title, QStringLiteral("Llei de Trelko"));
    EXPECT_EQ(parent, &w);
    EXPECT_EQ(icon, QMessageBox::Warning);
  });
}

TEST(QtHost, InitialisationRunsBeforeTheWindowShowsAndMayRunAnotherDialog) {
  ProbeDialog main(IDD_MAIN);
  bool mainHiddenMeanwhile = false;
  main.onInit = [&mainHiddenMeanwhile](ProbeDialog& d) {
    d.SetIcon(LoadIcon(IDR_MAINFRAME), true);
    d.SetIcon(LoadIcon(IDR_MAINFRAME), false);
    ProbeDialog title(IDD_TITLE);
    RunScripted(title, [&mainHiddenMeanwhile, &d](DialogWindow& w) {
      mainHiddenMeanwhile = !QtHost::WindowOf(d)->isVisible();
      ClickAt(&w, w.Control(IDOK)->geometry().center());
    });
    EXPECT_EQ(title.Result(), IDOK);
  };
  RunScripted(main, [](DialogWindow& w) {
    EXPECT_TRUE(w.isVisible());
    const QList<QSize> sizes = w.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  });
  EXPECT_TRUE(mainHiddenMeanwhile);

  // A dialog that ends itself while it initialises never shows.
  ProbeDialog quick(IDD_TITLE);
  quick.onInit = [](ProbeDialog& d) { d.EndDialog(IDOK); };
  EXPECT_EQ(quick.DoModal(), IDOK);
  EXPECT_EQ(quick.paints, 0);
}

}  // namespace

}  // namespace lab
