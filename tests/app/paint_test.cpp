// The main window's picture: the background, the framed panels, the icon
// of the minimised window, and the whole picture against its golden image.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "res/lab_layout.h"
#include "tests/experiment/lab_actions.h"
#include "tests/support/golden.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(50, 90, 150);
constexpr COLORREF kSunkenDark = RGB(100, 100, 100);
constexpr COLORREF kSunkenLight = RGB(210, 210, 210);
constexpr COLORREF kRaisedLight = RGB(230, 230, 230);
constexpr COLORREF kRaisedDark = RGB(100, 100, 100);

using PaintTest = LabTest;

TEST_F(PaintTest, FirstRowFirstColumnAndTheControlStripKeepTheDialogColour) {
  for (int x = 0; x < 690; ++x) ASSERT_EQ(Pixel(x, 0), kDialogBackground) << x;
  for (int y = 0; y < 479; ++y) ASSERT_EQ(Pixel(0, y), kDialogBackground) << y;
  for (int y = 438; y < 479; y += 7) {
    for (int x = 0; x < 690; ++x) ASSERT_EQ(Pixel(x, y), kDialogBackground) << x << "," << y;
  }
  EXPECT_EQ(Pixel(1, 1), kBlack);
  EXPECT_EQ(Pixel(689, 437), kBlack);  // the last column falls outside
}

struct PixelRow {
  const char* what;
  int x, y;
  COLORREF colour;
};

class PanelPixelTest : public LabTest, public ::testing::WithParamInterface<PixelRow> {};

TEST_P(PanelPixelTest, HasItsColour) {
  const PixelRow& row = GetParam();
  EXPECT_EQ(Pixel(row.x, row.y), row.colour) << row.what;
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelPixelTest,
                         ::testing::Values(
                             // Simulation box: fill, the unpainted column 220 between fill and
                             // outline, outline, sunken bevel.
                             PixelRow{"box fill", 25, 410, kBlue},
                             PixelRow{"box gap column", 220, 300, kBlack},
                             PixelRow{"box gap row", 100, 420, kBlack},
                             PixelRow{"box outline left", 19, 300, RGB(195, 195, 195)},
                             PixelRow{"box outline right", 221, 300, RGB(195, 195, 195)},
                             PixelRow{"box bevel left", 18, 300, kSunkenDark},
                             PixelRow{"box bevel top", 100, 18, kSunkenDark},
                             PixelRow{"box bevel right", 222, 300, kSunkenLight},
                             PixelRow{"box bevel bottom", 100, 422, kSunkenLight},
                             // Stopwatch panel and its display window.
                             PixelRow{"stopwatch fill", 400, 100, kBlue},
                             PixelRow{"stopwatch outline", 240, 60, kBlack},
                             PixelRow{"stopwatch bevel left", 239, 60, kRaisedLight},
                             PixelRow{"stopwatch bevel right", 410, 60, kRaisedDark},
                             PixelRow{"display bevel left", 299, 45, kSunkenDark},
                             PixelRow{"display bevel right", 392, 45, kSunkenLight},
                             // Weights panel and central panel.
                             PixelRow{"weights bevel left", 430, 60, kRaisedLight},
                             PixelRow{"weights bevel bottom", 500, 108, kRaisedDark},
                             PixelRow{"central fill", 250, 130, RGB(255, 255, 255)},
                             PixelRow{"central bevel left", 237, 200, kRaisedLight},
                             PixelRow{"central bevel right", 673, 200, kRaisedDark},
                             PixelRow{"graph border", 309, 200, RGB(0, 87, 130)}),
                         [](const ::testing::TestParamInfo<PixelRow>& param_info) {
                           std::string name = param_info.param.what;
                           for (char& c : name) {
                             if (c == ' ') c = '_';
                           }
                           return name;
                         });

TEST_F(PaintTest, PrimesTheGraphPenOnTheFirstPaintOnly) {
  EXPECT_TRUE(dlg.m_graphPenReady);
  EXPECT_TRUE(dlg.m_graph.HasRememberedPen());
  for (int i = 0; i < 5; ++i) host->Paint(dlg);
  EXPECT_TRUE(dlg.m_graph.HasRememberedPen());
  EXPECT_EQ(dlg.m_graph.Pen().Color(), RGB(0, 87, 130));
}

TEST_F(PaintTest, ARepaintWipesTheTrailOfRings) {
  host->Tick(dlg, 20);
  host->Paint(dlg);
  // Only the ball and the string stand in the freshly filled box: count the
  // ring colour (0, 30, 40) well away from the ball.
  const CPoint ball = dlg.m_pendulum.m_box.WorldToScreen(dlg.m_pendulum.m_x, dlg.m_pendulum.m_y);
  int stray = 0;
  for (int y = 20; y < 420; ++y) {
    for (int x = 20; x < 220; ++x) {
      const bool nearBall = std::abs(x - ball.x) <= 16 && std::abs(y - ball.y) <= 16;
      const bool nearString = y <= ball.y && std::abs(x - 120) <= 12;
      if (!nearBall && !nearString && Pixel(x, y) != kBlue) ++stray;
    }
  }
  EXPECT_EQ(stray, 0);
}

TEST_F(PaintTest, MinimisedDrawsOnlyTheIconCentred) {
  host->SetIconic(dlg, true, 30, 30);
  Surface expected(30, 30, kDialogBackground);
  {
    CDC dc(expected);
    dc.DrawIcon(0, 0, LoadIcon(IDR_MAINFRAME));  // (30 - 32 + 1) / 2 truncates to 0
  }
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) ASSERT_EQ(Pixel(x, y), expected.GetPixel(x, y)) << x << "," << y;
  }
  host->SetIconic(dlg, false);
  EXPECT_EQ(dlg.GetClientRect(), CRect(0, 0, 690, 479));
  EXPECT_EQ(Pixel(25, 410), kBlue);
}

TEST_F(PaintTest, GoldenStartUpPicture) { EXPECT_TRUE(MatchesGolden(dlg.GetSurface(), "startup")); }

}  // namespace

namespace {

bool Inside(const CRect& outer, const CRect& inner) {
  return IntersectRects(outer, inner) == inner;
}

// A tick that moves the ball and turns the stopwatch's display reports the
// two places (the box, the stopwatch) as two rectangles, not the wide box
// around both, and every pixel that changed lies in one of them.
TEST_F(PaintTest, ATickReportsTheBallAndTheRunningDisplayApart) {
  for (const CPoint p : {layout::kPowerOnPoint, layout::kStartPoint}) {
    host->LeftDown(dlg, p.x, p.y);
    host->LeftUp(dlg, p.x, p.y);
  }
  dlg.m_pendulum.m_x = 0.1;
  dlg.m_pendulum.m_y = -0.45;
  host->TakeChanged(dlg);
  const CRect box = layout::kSimulationBox.Rect();
  const CRect stopwatch = layout::kStopwatchPanel.Rect();
  int ticksWithBoth = 0;
  for (int tick = 0; tick < 4; ++tick) {
    const Surface before = dlg.GetSurface();
    host->Tick(dlg);
    const std::vector<CRect> parts = host->TakeChangedParts(dlg);
    ASSERT_FALSE(parts.empty());
    for (const CRect& part : parts) {
      ASSERT_TRUE(Inside(box, part) || Inside(stopwatch, part))
          << "a part across the window: " << part.left << "," << part.top << " " << part.right
          << "," << part.bottom << " of " << parts.size();
      for (const CRect& other : parts) {
        if (&other != &part) {
          ASSERT_TRUE(IntersectRects(part, other).IsRectEmpty());
        }
      }
    }
    for (int y = 0; y < before.Height(); ++y) {
      for (int x = 0; x < before.Width(); ++x) {
        if (before.RawPixel(x, y) == dlg.GetSurface().RawPixel(x, y)) continue;
        ASSERT_TRUE(std::any_of(parts.begin(), parts.end(),
                                [&](const CRect& r) {
                                  return r.PtInRect({x, y});
                                }))
            << "changed but not reported: " << x << "," << y;
      }
    }
    if (parts.size() == 2) ++ticksWithBoth;
  }
  // The display turns every tenth of a second: every other tick.
  EXPECT_GE(ticksWithBoth, 2);
}

}  // namespace

namespace {

// A full paint first fills the whole window and then draws on most of it:
// the window goes to the screen once, as one rectangle.
TEST_F(PaintTest, AFullPaintReportsTheWindowOnce) {
  host->TakeChanged(dlg);
  host->Paint(dlg);
  const std::vector<CRect> parts = host->TakeChangedParts(dlg);
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_EQ(parts[0], CRect(0, 0, dlg.GetSurface().Width(), dlg.GetSurface().Height()));
}

// Everything a paint could disturb: the ball to the last bit, the clock,
// the stopwatch, the weights, the table, the message line and the count box.
std::string LabState(CLabDlg& dlg, HeadlessHost& host) {
  const CElasticPendulum& b = dlg.m_pendulum;
  std::ostringstream out;
  out << std::hexfloat << b.m_x << ' ' << b.m_y << ' ' << b.m_vx << ' ' << b.m_vy << ' '
      << b.m_drawnX << ' ' << b.m_drawnY << ' ' << b.m_drawnVx << ' ' << b.m_drawnVy << ' '
      << b.m_skipBounce << " clock " << dlg.m_clock << " watch " << dlg.m_stopwatch.IsOn() << ' '
      << dlg.m_stopwatch.GetMeasured() << " mass " << dlg.m_mass << " weights";
  for (const CImageToggle& w : dlg.m_weights) out << ' ' << w.GetState();
  out << " points";
  for (int i = 0; i <= dlg.m_lastPoint; ++i)
    out << ' ' << dlg.m_pointMass[i] << ',' << dlg.m_pointT2[i];
  out << " count " << dlg.m_oscillations << " [" << host.Text(dlg, IDC_OSCILLATIONS) << "] ["
      << host.Text(dlg, IDC_MESSAGE) << "] plot " << host.Enabled(dlg, IDC_PLOT);
  return out.str();
}

// A paint draws and changes nothing, whenever it comes: after each tick of
// a ball thrown down onto the floor (its rebound is the state a wall check
// would change), with three points and their fit on the graph, and with the
// count box emptied by the student (a paint must not write it back).
TEST_F(PaintTest, PaintsChangeNothingWhenTheyCome) {
  using namespace lab_actions;
  // 0.7, 1.2 and 1.4 kg, ten oscillations each (T = 1.00, 1.30, 1.41 s).
  const CPoint weights[] = {EmptyPeg(1), WeightOnRack(0), WeightOnRack(2)};
  const int ticks[] = {199, 261, 282};
  for (int i = 0; i < 3; ++i) {
    Press(*host, dlg, weights[i]);
    Time(*host, dlg, ticks[i]);
    host->Click(dlg, IDC_PLOT);
  }
  ASSERT_NE(Message().find("k = 2"), std::string::npos) << Message();
  host->Backspace(dlg, IDC_OSCILLATIONS);
  host->Backspace(dlg, IDC_OSCILLATIONS);
  host->ClearMessageBoxes();
  ASSERT_EQ(host->Text(dlg, IDC_OSCILLATIONS), "");
  host->RightDown(dlg, 120, 300);
  host->RightUp(dlg, 120, 400);  // 1 m/s downwards: on the floor within a few ticks

  bool bounced = false;
  for (int tick = 0; tick < 40; ++tick) {
    const double vy = dlg.m_pendulum.m_vy;
    host->Tick(dlg);
    bounced = bounced || (vy < 0 && dlg.m_pendulum.m_vy > 0);
    const std::string before = LabState(dlg, *host);
    for (int i = 0; i < 3; ++i) host->Paint(dlg);
    ASSERT_EQ(LabState(dlg, *host), before) << "tick " << tick;
  }
  EXPECT_TRUE(bounced);
  EXPECT_TRUE(host->MessageBoxes().empty());
}

}  // namespace

}  // namespace lab
