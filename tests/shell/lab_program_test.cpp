// The whole program on the Qt shell: start-up with the title picture, the
// main window as the student finds it, the clock, the window menu, the
// count box's validation, Enter and Escape.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <cmath>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "res/resource_ids.h"
#include "res/texts/text_catalogue.h"
#include "shell_test_support.h"

namespace lab {

namespace {

void EnterTheLab(DialogWindow& title) { ClickAt(&title, title.Control(IDOK)->geometry().center()); }

TEST(LabProgram, TitleComesFirstThenTheMainWindowRunsUntilEscape) {
  bool titleSeen = false;
  bool mainSeen = false;
  WhenWindowShown(IDD_TITLE, [&titleSeen](DialogWindow& title) {
    titleSeen = true;
    const DialogWindow* main = AnyWindow(IDD_MAIN);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->isVisible()) << "the main window shows only after the title";
    EXPECT_EQ(title.size(), QSize(399, 268));
    EnterTheLab(title);
  });
  WhenWindowShown(IDD_MAIN, [&mainSeen](DialogWindow& w) {
    mainSeen = true;
    EXPECT_EQ(ShownWindow(IDD_TITLE), nullptr);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Llei de Trelko"));
    EXPECT_EQ(w.size(), QSize(690, 479));
    EXPECT_FALSE(w.windowIcon().isNull());
    // The controls' places are DialogWindow's tests; here the state the
    // program gives them.
    EXPECT_FALSE(w.Control(IDCANCEL)->isVisible());
    EXPECT_FALSE(w.Control(IDC_PLOT)->isEnabled());
    auto* count = qobject_cast<QLineEdit*>(w.Control(IDC_OSCILLATIONS));
    auto* message = qobject_cast<QLineEdit*>(w.Control(IDC_MESSAGE));
    EXPECT_EQ(count->text(), QStringLiteral("10"));
    EXPECT_EQ(message->text(), QString::fromUtf8(TextOf(TextId::WelcomeMessage)));

    // The model's clock advances by 0.05 s a tick, about 20 ticks a second.
    const double before = Lab().m_clock;
    QTest::qWait(1000);
    const long ticks = std::lround((Lab().m_clock - before) / 0.05);
    EXPECT_GE(ticks, 10);
    EXPECT_LE(ticks, 30);

    // The window menu's item (here from F1) shows the title picture again.
    bool titleAgain = false;
    WhenMenuAppears([](QMenu* menu) {
      QTest::keyClick(menu, Qt::Key_Down);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    WhenWindowShown(IDD_TITLE, [&titleAgain](DialogWindow& title) {
      titleAgain = true;
      EnterTheLab(title);
    });
    KeyOn(&w, Qt::Key_F1);
    EXPECT_TRUE(titleAgain);
    EXPECT_TRUE(w.isVisible());

    // An out-of-range count brings up the validation message at once; the
    // box then has the focus with its text selected.
    QString warning;
    WhenModalAppears<QMessageBox>([&warning](QMessageBox* box) {
      warning = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "0");
    EXPECT_TRUE(warning.contains(QStringLiteral("999"))) << warning.toStdString();
    EXPECT_EQ(w.focusWidget(), count);
    EXPECT_EQ(count->selectedText(), QStringLiteral("0"));

    // Enter in the count box starts a new series.
    QTest::keyClicks(count, "12");
    KeyOn(&w, Qt::Key_Return);
    EXPECT_EQ(Lab().m_oscillations, 12);
    EXPECT_EQ(message->text(), QString::fromUtf8(TextOf(TextId::NewSeriesMessage)));

    KeyOn(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(RunLabApplication(), 0);
  EXPECT_TRUE(titleSeen);
  EXPECT_TRUE(mainSeen);
}

}  // namespace

}  // namespace lab
