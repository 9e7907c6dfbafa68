// The windows built from the lab's templates: frames, sizes, controls in
// place, stacking, the pictures' pixels.
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QTest>
#include <string>

#include "platform/resources.h"
#include "platform/runtime.h"
#include "res/lab_resources.h"
#include "res/resource_ids.h"
#include "res/texts/text_catalogue.h"
#include "shell/qt/client_area.h"
#include "shell/qt/picture_control.h"
#include "shell/qt/qt_host.h"
#include "shell_test_support.h"

namespace lab {

namespace {

struct ControlRow {
  int id;
  QRect rect;  // client pixels
  bool visible;
  bool enabled;
};

// The main template's controls, placed from dialog units (x * 6 / 4,
// y * 13 / 8).
const ControlRow kMainControls[] = {
    {IDOK, QRect(93, 11, 18, 21), false, true},
    {IDCANCEL, QRect(11, 11, 75, 23), false, true},
    {IDC_MESSAGE, QRect(285, 449, 332, 21), true, true},
    {IDC_OSCILLATIONS, QRect(234, 449, 39, 21), true, true},
    {IDC_START, QRect(17, 447, 101, 23), true, true},
    {IDC_PLOT, QRect(626, 447, 50, 23), true, false},
};

TEST(DialogWindow, MainWindowIsAFixedCaptionedWindowWithItsControlsInPlace) {
  ProbeDialog dialog(IDD_MAIN);
  RunScripted(dialog, [](DialogWindow& w) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Llei de Trelko"));
    EXPECT_EQ(w.size(), QSize(690, 479));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::FramelessWindowHint);
    EXPECT_EQ(w.windowType(), Qt::Window) << "an application window of its own";

    for (const ControlRow& row : kMainControls) {
      SCOPED_TRACE(row.id);
      QWidget* c = w.Control(row.id);
      ASSERT_NE(c, nullptr);
      EXPECT_EQ(c->geometry(), row.rect);
      EXPECT_EQ(c->isVisible(), row.visible);
      EXPECT_EQ(c->isEnabled(), row.enabled);
    }
    auto* start = qobject_cast<QPushButton*>(w.Control(IDC_START));
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->isDefault());
    EXPECT_EQ(start->text(), QString::fromUtf8("Comen\xc3\xa7"
                                               "ar"));
    auto* message = qobject_cast<QLineEdit*>(w.Control(IDC_MESSAGE));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isReadOnly());
    EXPECT_FALSE(qobject_cast<QLineEdit*>(w.Control(IDC_OSCILLATIONS))->isReadOnly());

    // The count box's label: right-aligned, two lines that fit its box.
    QLabel* label = nullptr;
    for (QLabel* l : w.findChildren<QLabel*>()) {
      if (l->text().startsWith(QStringLiteral("Nombre"))) label = l;
    }
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(155, 444, 69, 29));
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_TRUE(label->wordWrap());
    const QRect text = label->fontMetrics().boundingRect(
        label->contentsRect(), int(Qt::TextWordWrap | label->alignment()), label->text());
    EXPECT_LE(text.width(), label->width());
    EXPECT_LE(text.height(), label->height());
    EXPECT_GT(text.height(), label->fontMetrics().lineSpacing()) << "two lines";

    // The controls sit on the dialog's own background, as the surface does.
    EXPECT_EQ(start->palette().color(QPalette::Button), QColor(240, 240, 240));
    const QImage shown = OnScreen(&w);
    EXPECT_EQ(QColor(shown.pixel(600, 459)), QColor(240, 240, 240)) << "in the message line";
    // The first control that takes the focus has it: the message line.
    EXPECT_EQ(w.focusWidget(), message);
  });
}

TEST(DialogWindow, TitleWindowIsAFramelessPictureWithItsButtonOnTop) {
  ProbeDialog dialog(IDD_TITLE);
  RunScripted(dialog, [](DialogWindow& w) {
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.size(), QSize(399, 268));
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_EQ(w.frameGeometry().center(), screen.center()) << "centred on the screen";

    QWidget* entra = w.Control(IDOK);
    ASSERT_NE(entra, nullptr);
    EXPECT_EQ(entra->geometry(), QRect(60, 190, 48, 23));
    EXPECT_EQ(w.childAt(entra->geometry().center()), entra) << "above the picture";
    EXPECT_EQ(w.focusWidget(), entra);

    std::vector<PictureControl*> pictures;
    for (QWidget* child : w.findChildren<QWidget*>()) {
      if (auto* p = dynamic_cast<PictureControl*>(child)) pictures.push_back(p);
    }
    ASSERT_EQ(pictures.size(), 1u);
    PictureControl* picture = pictures.front();
    EXPECT_EQ(picture->geometry(), QRect(0, 0, 399, 268));
    // The picture's pixels reach the screen unchanged.
    const Bitmap* bitmap = LoadBitmap(IDB_TITLE);
    ASSERT_NE(bitmap, nullptr);
    const QImage shown = OnScreen(&w);
    int wrong = 0;
    for (int y = 0; y < bitmap->height; ++y) {
      for (int x = 0; x < bitmap->width; ++x) {
        if (entra->geometry().contains(x, y)) continue;
        if ((shown.pixel(x, y) & 0xFFFFFFu) != (bitmap->At(x, y) & 0xFFFFFFu)) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0);
  });
}

TEST(DialogWindow, SurfaceIsShownPixelExactlyAfterAFullPaintOnShow) {
  ProbeDialog dialog(IDD_MAIN);
  dialog.onInit = [](ProbeDialog& d) {
    // Paints before the window exists on the screen are kept, not shown.
    CClientDC dc(&d);
    dc.FillSolidRect(0, 0, 5, 5, RGB(255, 0, 0));
  };
  RunScripted(dialog, [&dialog](DialogWindow& w) {
    EXPECT_GE(dialog.paints, 1) << "a full paint when the window came into view";
    // A pattern of single pixels drawn by a later message, then presented.
    {
      CClientDC dc(&dialog);
      for (int i = 0; i < 40; ++i) dc.SetPixel(100 + i, 100 + (i * 7) % 13, RGB(i * 6, 255 - i, 9));
    }
    QApplication::processEvents();
    const Surface& surface = dialog.GetSurface();
    const QImage shown = OnScreen(&w);
    int wrong = 0;
    for (int y = 0; y < 438; ++y) {
      for (int x = 0; x < surface.Width(); ++x) {
        if ((shown.pixel(x, y) & 0xFFFFFFu) != (surface.RawPixel(x, y) & 0xFFFFFFu)) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(QColor(shown.pixel(110, 100 + 70 % 13)), QColor(60, 245, 9));
  });
}

TEST(DialogWindow, PresentNowPutsChangesOnTheScreenBeforeReturning) {
  ProbeDialog dialog(IDD_MAIN);
  QColor beforeFlush;
  QColor afterFlush;
  dialog.onLeftDown = [&](ProbeDialog& d, CPoint) {
    CClientDC dc(&d);
    dc.FillSolidRect(300, 200, 10, 10, RGB(0, 0, 255));
    QWidget* w = QtHost::WindowOf(d);
    beforeFlush = QColor(OnScreen(w).pixel(305, 205));
    dc.Flush();
    afterFlush = QColor(OnScreen(w).pixel(305, 205));
  };
  RunScripted(dialog, [](DialogWindow& w) { ClickAt(&w, QPoint(40, 430)); });
  EXPECT_EQ(beforeFlush, QColor(10, 120, 30));
  EXPECT_EQ(afterFlush, QColor(0, 0, 255));
}

// A hold (a pressed button staying down) puts the change on the screen, then
// keeps the window for the time: no timer message comes meanwhile, and the
// events that arrived come after it.
TEST(DialogWindow, HoldWindowShowsTheChangeThenKeepsEveryEventWaiting) {
  ProbeDialog dialog(IDD_MAIN);
  dialog.onInit = [](ProbeDialog& d) { d.SetTimer(7, 5); };
  QColor shownDuringHold;
  qint64 held = 0;
  int ticksDuringHold = -1;
  dialog.onLeftDown = [&](ProbeDialog& d, CPoint) {
    CClientDC dc(&d);
    dc.FillSolidRect(300, 200, 10, 10, RGB(0, 0, 255));
    const int ticks = d.ticks;
    QElapsedTimer timer;
    timer.start();
    dc.HoldWindow(100);
    held = timer.elapsed();
    ticksDuringHold = d.ticks - ticks;
    shownDuringHold = QColor(OnScreen(QtHost::WindowOf(d)).pixel(305, 205));
  };
  RunScripted(dialog, [&dialog](DialogWindow& w) {
    ClickAt(&w, QPoint(40, 430));
    const int ticks = dialog.ticks;
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.ticks > ticks; }, 1000));
  });
  EXPECT_GE(held, 100);
  EXPECT_EQ(ticksDuringHold, 0);
  EXPECT_EQ(shownDuringHold, QColor(0, 0, 255));
}

}  // namespace

namespace {

// Every message of the lab, in its longest form and in every language, can
// be read whole in the message line at the control font: it fits the
// line's text area, and the line does not scroll when the cursor goes to
// the end of the text.
TEST(DialogWindow, EveryMessageFitsTheMessageLineWhole) {
  for (std::string_view language : Languages()) {
    SCOPED_TRACE(std::string(language));
    SetLanguage(language);
    const std::string messages[] = {
        TextOf(TextId::WelcomeMessage),
        Format(TextOf(TextId::MassMessage), 1.9),
        Format(TextOf(TextId::DurationMessage), 999, 99999.9, 100.1),
        TextOf(TextId::NewSeriesMessage),
        TextOf(TextId::NotTimedMessage),
        TextOf(TextId::TableFullMessage),
        TextOf(TextId::PointAcceptedMessage),
        Format(TextOf(TextId::FitMessage), -12.34, -99.99),
        TextOf(TextId::FitFailedMessage),
    };
    ProbeDialog dialog(IDD_MAIN);
    RunScripted(dialog, [&](DialogWindow& w) {
      auto* line = qobject_cast<QLineEdit*>(w.Control(IDC_MESSAGE));
      ASSERT_NE(line, nullptr);
      EXPECT_EQ(QFontInfo(line->font()).family(), QStringLiteral("Liberation Sans"));
      // The text area: the style's contents rectangle less the text margins
      // and the two pixels a line edit keeps on either side.
      QStyleOptionFrame option;
      option.initFrom(line);
      option.lineWidth = line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line);
      const QRect contents =
          line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line);
      const QMargins margins = line->textMargins();
      const int room = contents.width() - margins.left() - margins.right() - 2 * 2;
      const QFontMetrics metrics(line->font());
      const auto cursorX = [line] {
        return line->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
      };
      for (const std::string& message : messages) {
        SCOPED_TRACE(message);
        const QString text = QString::fromUtf8(message);
        const int width = metrics.horizontalAdvance(text);
        EXPECT_LE(width, room);
        line->setText(text);
        line->setCursorPosition(0);
        line->grab();  // a paint: the line scrolls to keep the cursor in view
        const int start = cursorX();
        line->setCursorPosition(static_cast<int>(text.size()));
        line->grab();
        EXPECT_EQ(cursorX() - start, width) << "the line scrolled";
      }
    });
  }
  SetLanguage("ca");
}

}  // namespace

}  // namespace lab

namespace lab {

namespace {

// In every language, every button's and label's text fits its control:
// nothing clipped in the lab's window, the string code's dialog or the
// language dialog.
TEST(DialogWindow, EveryTextFitsItsControlInEveryLanguage) {
  for (std::string_view language : Languages()) {
    SetLanguage(language);
    InstallResources(LabResources());
    for (int id : {IDD_MAIN, IDD_STRING_CODE, IDD_LANGUAGE}) {
      SCOPED_TRACE(std::string(language) + " " + std::to_string(id));
      ProbeDialog dialog(id);
      RunScripted(dialog, [](DialogWindow& w) {
        for (QPushButton* b : w.findChildren<QPushButton*>()) {
          if (b->isHidden() || b->text().isEmpty()) continue;
          EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()) + 4, b->width())
              << b->text().toStdString();
        }
        for (QLabel* l : w.findChildren<QLabel*>()) {
          if (l->isHidden() || l->text().isEmpty()) continue;
          const QRect room = l->contentsRect();
          const int flags =
              static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
          const QRect needed = QFontMetrics(l->font()).boundingRect(room, flags, l->text());
          EXPECT_TRUE(room.contains(needed)) << l->text().toStdString();
        }
      });
    }
  }
  SetLanguage("ca");
  InstallResources(LabResources());
}

}  // namespace

}  // namespace lab
