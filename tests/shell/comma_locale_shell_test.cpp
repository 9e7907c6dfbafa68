// The lab in the Qt shell on a desktop whose locale writes a decimal comma:
// the start-up window is its golden picture, the display reads "0.0" and
// "12.3" as in the "C" locale, and every message keeps its decimal point.
// Also the program's own start-up rule: after the application object, the
// C library's numbers go back to the classic ones and nothing else changes.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <clocale>
#include <cstring>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "res/lab_layout.h"
#include "res/resource_ids.h"
#include "shell/qt/classic_numbers.h"
#include "shell/qt/client_area.h"
#include "shell_test_support.h"
#include "tests/support/comma_locale.h"
#include "tests/support/golden.h"

namespace lab {

namespace {

// The painted picture (rows 0 .. 437) as the client area shows it.
QImage Shown(DialogWindow& w) {
  return w.Client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The ball moves with every tick: only the simulation box (with its frame)
// may differ between two pictures taken at different moments.
constexpr PictureRegion kOutsideTheBox{CRect(0, 0, 690, 438), CRect(17, 17, 224, 424)};

int DifferingOutsideTheBox(const QImage& a, const QImage& b) {
  return DifferingPixels(PictureOf(a), PictureOf(b), kOutsideTheBox);
}

// The window painted afresh in the "C" locale, then the comma one again.
QImage ShownInTheCLocale(DialogWindow& w) {
  const std::string comma = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "C");
  w.Dispatch([](Dialog& d) { d.DispatchPaint(); });
  w.Client()->repaint();
  const QImage classic = Shown(w);
  std::setlocale(LC_ALL, comma.c_str());
  w.Dispatch([](Dialog& d) { d.DispatchPaint(); });
  w.Client()->repaint();
  return classic;
}

void PressAt(DialogWindow& w, CPoint p) {
  w.Dispatch([p](Dialog& d) {
    d.DispatchMouse(Dialog::Mouse::LeftDown, MK_LBUTTON, p.x, p.y);
    d.DispatchMouse(Dialog::Mouse::LeftUp, 0, p.x, p.y);
  });
}

constexpr CPoint kPowerOn = layout::kPowerOnPoint;
constexpr CPoint kStart = layout::kStartPoint;
constexpr CPoint kStop = layout::kStopPoint;

// Starts the stopwatch and stops it `seconds` of the lab's clock later, in
// one go, so that no tick comes between.
void TimeExactly(DialogWindow& w, double seconds) {
  PressAt(w, kStart);
  Lab().m_clock += seconds;
  Lab().m_stopwatch.SetClock(Lab().m_clock + 1e-9);
  PressAt(w, kStop);
}

TEST(CommaLocaleShell, TheProgramsStartUpPutsBackOnlyTheNumbers) {
  const ScopedCommaLocale locale;
  REQUIRE_COMMA_LOCALE(locale);
  UseClassicNumbers();
  EXPECT_STREQ(std::localeconv()->decimal_point, ".");
  EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "ca_ES.UTF-8");
  EXPECT_STREQ(std::setlocale(LC_MESSAGES, nullptr), "ca_ES.UTF-8");
}

TEST(CommaLocaleShell, TheLabLooksAndSpeaksAsInTheCLocale) {
  const ScopedCommaLocale locale;
  REQUIRE_COMMA_LOCALE(locale);
  WhenWindowShown(IDD_TITLE, [](DialogWindow& title) { KeyOn(&title, Qt::Key_Return); });
  WhenWindowShown(IDD_MAIN, [](DialogWindow& w) {
    auto* message = qobject_cast<QLineEdit*>(w.Control(IDC_MESSAGE));
    auto* count = qobject_cast<QLineEdit*>(w.Control(IDC_OSCILLATIONS));

    // The start-up window: its golden picture, the ball's box aside.
    EXPECT_TRUE(MatchesGolden(PictureOf(Shown(w)), "startup", kOutsideTheBox));

    // The display on: "0.0".
    PressAt(w, kPowerOn);
    w.Client()->repaint();
    EXPECT_EQ(DifferingOutsideTheBox(Shown(w), ShownInTheCLocale(w)), 0);

    // 12.3 s: the display and the message.
    TimeExactly(w, 12.3);
    w.Client()->repaint();
    EXPECT_EQ(message->text().toStdString(),
              " Durada de 10 oscil\u00b7lacions:   12.3 s  (Per\u00edode: T = 1.23 s)");
    EXPECT_EQ(DifferingOutsideTheBox(Shown(w), ShownInTheCLocale(w)), 0);

    // Three masses timed over one period each: the points and the line.
    count->setText(QStringLiteral("1"));
    const struct {
      CPoint weight;
      const char* mass;
      double period;
    } steps[] = {
        {layout::EmptyPegPoint(1), " Massa penjada del fil el\u00e0stic = 0.7 kg", 1.0},
        {layout::WeightOnRackPoint(1), " Massa penjada del fil el\u00e0stic = 1.0 kg", 1.2},
        {layout::WeightOnRackPoint(0), " Massa penjada del fil el\u00e0stic = 1.5 kg", 1.45}};
    for (const auto& step : steps) {
      PressAt(w, step.weight);
      EXPECT_EQ(message->text().toStdString(), step.mass);
      TimeExactly(w, step.period);
      EXPECT_TRUE(message->text().contains(QRegularExpression(
          QStringLiteral("^ Durada de 1 oscil\u00b7lacions: +[0-9]+\\.[0-9] s  \\(Per\u00edode: "
                         "T = [0-9]+\\.[0-9]{2} s\\)$"))))
          << message->text().toStdString();
      ClickAt(&w, w.Control(IDC_PLOT)->geometry().center());
    }
    EXPECT_TRUE(message->text().contains(QRegularExpression(QStringLiteral(
        "^ El pendent de la recta dibuixada \u00e9s: +[0-9]+\\.[0-9]{2}\\. Per tant, k = "
        "+[0-9]+\\.[0-9]{2} N/m$"))))
        << message->text().toStdString();
    w.Client()->repaint();
    EXPECT_EQ(DifferingOutsideTheBox(Shown(w), ShownInTheCLocale(w)), 0);

    // A decimal comma in the count box is not an integer here either.
    QString warning;
    WhenModalAppears<QMessageBox>([&warning](QMessageBox* box) {
      warning = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    count->setText(QStringLiteral("1,5"));
    EXPECT_EQ(warning.toStdString(), "Introdu\u00efu un nombre enter.");
    KeyOn(&w, Qt::Key_Escape);
  });
  EXPECT_EQ(RunLabApplication(), 0);
}

}  // namespace

}  // namespace lab
