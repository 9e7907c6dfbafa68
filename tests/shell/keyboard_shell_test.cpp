// The lab in the Qt shell without a mouse: Tab goes round the instruments
// drawn in the client area and the controls, Space and Enter act on the
// focused instrument (a held Space once), and the dotted focus mark is
// drawn over the picture on the screen while the dialog's surface stays its
// golden self.
#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <string>
#include <vector>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "platform/runtime.h"
#include "res/resource_ids.h"
#include "shell/qt/client_area.h"
#include "shell/qt/template_style.h"
#include "shell_test_support.h"
#include "tests/support/golden.h"

namespace lab {

namespace {

// The ball moves with every tick: its box is left out of the comparisons.
constexpr CRect kBox(17, 17, 224, 424);
constexpr PictureRegion kOutsideTheBox{CRect(0, 0, 690, 438), kBox};

// Where the focus is: "i<id>" for an instrument, "c<id>" for a control.
std::string FocusOf() {
  if (Lab().FocusedInstrument() >= 0) return Format("i%d", Lab().FocusedInstrument());
  const QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? Format("c%d", focus->property("controlId").toInt()) : "none";
}

void Tab(DialogWindow& w, bool shift = false) {
  QTest::keyClick(w.windowHandle(), Qt::Key_Tab, shift ? Qt::ShiftModifier : Qt::NoModifier);
}

// The pixels of the painted picture where the screen differs from the
// dialog's surface, outside the ball's box.
std::vector<QPoint> ScreenDiffers(DialogWindow& w) {
  QApplication::processEvents();
  const QImage screen = OnScreen(&w).convertToFormat(QImage::Format_RGB32);
  const Surface& s = Lab().GetSurface();
  std::vector<QPoint> differ;
  for (int y = 0; y < 438; ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      if (kBox.PtInRect(CPoint{x, y})) continue;
      if ((screen.pixel(x, y) & 0xFFFFFFu) != (s.RawPixel(x, y) & 0xFFFFFFu)) {
        differ.emplace_back(x, y);
      }
    }
  }
  return differ;
}

TEST(KeyboardShell, TabReachesEveryInstrumentAndControlAndSpaceMovesAWeight) {
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Return); });
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    CLabDlg& lab = Lab();
    // The ring from the message line: the count box, "Començar" ("plot" is
    // greyed), the twelve instruments in reading order, round again.
    std::vector<std::string> order;
    for (int n = 0; n < 16; ++n) {
      Tab(w);
      order.push_back(FocusOf());
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"c1002", "c1003", "i1", "i2", "i3", "i4", "i5", "i6", "i7",
                                        "i8", "i9", "i10", "i11", "i12", "c1001", "c1002"}));
    Tab(w, true);
    Tab(w, true);
    EXPECT_EQ(FocusOf(), "i12");
    EXPECT_FALSE(w.Client()->FocusMark().isEmpty());

    // On the leftmost weight: the dotted mark is on the screen, every other
    // pixel of its rectangle grown by one, inverted; the surface is as ever.
    while (FocusOf() != "i7") Tab(w, true);
    const QRect mark = w.Client()->FocusMark();
    EXPECT_EQ(mark, QRect(QPoint(439, 61), QPoint(479, 103)));
    const std::vector<QPoint> dots = ScreenDiffers(w);
    EXPECT_EQ(dots.size(), static_cast<std::size_t>(mark.width() + mark.height() - 2));
    for (const QPoint& p : dots) {
      const bool onEdge = p.x() == mark.left() || p.x() == mark.right() || p.y() == mark.top() ||
                          p.y() == mark.bottom();
      EXPECT_TRUE(onEdge && (p.x() + p.y()) % 2 == 0) << p.x() << "," << p.y();
    }
    const Surface& s = lab.GetSurface();
    const QImage surface = ViewPixels(s.Data(), s.Width(), s.Height());
    EXPECT_TRUE(MatchesGolden(PictureOf(surface), "startup", kOutsideTheBox));

    // Space hangs it on the string, as a click; the mark follows it to its
    // empty peg. Enter takes it back and does not press "Començar".
    QTest::keyClick(w.windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(lab.m_weights[3].GetState());
    EXPECT_EQ(lab.m_message, " Massa penjada del fil el\u00e0stic = 1.2 kg");
    EXPECT_EQ(w.Client()->FocusMark(), QRect(QPoint(432, 20), QPoint(492, 106)));
    // Held down, Space is one press: its repeats leave the weight hanging.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(w.Client(), &repeat);
    EXPECT_TRUE(lab.m_weights[3].GetState());
    QTest::keyClick(w.windowHandle(), Qt::Key_Return);
    EXPECT_FALSE(lab.m_weights[3].GetState());
    EXPECT_EQ(lab.m_message, " Massa penjada del fil el\u00e0stic = 1.0 kg");

    // Away from the instruments nothing is drawn over the picture.
    while (FocusOf().front() != 'c') Tab(w);
    EXPECT_TRUE(w.Client()->FocusMark().isEmpty());
    EXPECT_TRUE(ScreenDiffers(w).empty());
    KeyOn(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(RunLabApplication(), 0);
}

}  // namespace

}  // namespace lab
