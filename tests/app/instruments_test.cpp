// The lab's instruments as the hosts see them, and the whole lab by keyboard.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

Instrument Find(const Dialog& dlg, int id) {
  for (const Instrument& i : dlg.Instruments()) {
    if (i.id == id) return i;
  }
  return {};
}
bool Starts(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Whether a left click there, on a fresh lab, acts: a button's pressed
// picture is held, or some instrument changes.
bool ClickActs(CPoint p) {
  LabSession lab;
  lab.Open();
  const int holds = lab.host->HoldCount();
  const std::vector<Instrument> before = lab.dlg.Instruments();
  lab.host->LeftClick(lab.dlg, p.x, p.y);
  return lab.host->HoldCount() != holds || lab.dlg.Instruments() != before;
}

using R = InstrumentRole;
struct Row {
  int id;
  R role;
  const char* name;
  const char* state;
  CRect rect;
};
// At start-up: the stopwatch at (241, 20), off; the weights' pictures at x
// 432, 492, 552, 612, the 0.3 kg one on the string (its empty peg takes the
// click); the ball (its rectangle moves) hanging at rest.
const Row kStartUp[] = {
    {1, R::kBall, "Bola", "", {}},
    {2, R::kSwitch, "Interruptor del cronòmetre", "", {260, 51, 280, 63}},
    {3, R::kReadout, "Pantalla del cronòmetre", "apagat", {301, 35, 391, 57}},
    {4, R::kButton, "reset", "", {257, 76, 284, 89}},
    {5, R::kButton, "start", "", {329, 76, 356, 89}},
    {6, R::kButton, "stop", "", {364, 76, 391, 89}},
    {7, R::kButton, "Pes de 0.2 kg", "al penjador", {440, 62, 479, 103}},
    {8, R::kButton, "Pes de 0.2 kg", "al penjador", {500, 62, 539, 103}},
    {9, R::kButton, "Pes de 0.3 kg", "penjat del fil", {553, 21, 612, 106}},
    {10, R::kButton, "Pes de 0.5 kg", "al penjador", {620, 62, 659, 103}},
    {11, R::kReadout, "Massa penjada", "1.0 kg", {432, 20, 672, 106}},
    {12, R::kGraph, "Gràfic de T² davant m", "", {239, 124, 671, 420}},
};

using Instruments = LabTest;

// The description cannot drift from the picture: a click on the first and
// the last pixel of a rectangle acts, a click just outside any edge does not.
TEST_F(Instruments, StartUpDescriptionMatchesWhereTheClicksLand) {
  const std::vector<Instrument> list = dlg.Instruments();
  ASSERT_EQ(list.size(), std::size(kStartUp));
  for (std::size_t n = 0; n < list.size(); ++n) {
    const Row& row = kStartUp[n];
    const Instrument& got = list[n];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(got.id, row.id);
    EXPECT_EQ(got.role, row.role);
    EXPECT_EQ(got.name, row.name);
    if (row.role == R::kBall) continue;
    EXPECT_EQ(got.state, row.state);
    EXPECT_EQ(got.rect, row.rect);
    if (row.role != R::kButton && row.role != R::kSwitch) continue;
    const CRect r = row.rect;
    EXPECT_TRUE(ClickActs({r.left, r.top}) && ClickActs({r.right - 1, r.bottom - 1}));
    EXPECT_FALSE(ClickActs({r.left - 1, r.top}) || ClickActs({r.left, r.top - 1}) ||
                 ClickActs({r.right, r.bottom - 1}) || ClickActs({r.right - 1, r.bottom}));
  }
  // The ball's disc inside its rectangle, the box's blue just outside.
  const CRect ball = list[0].rect;
  const CPoint mid{(ball.left + ball.right) / 2, (ball.top + ball.bottom) / 2};
  EXPECT_TRUE(Starts(list[0].state, "en repòs, ")) << list[0].state;
  EXPECT_EQ(Pixel(mid.x, mid.y), RGB(255, 155, 106));
  EXPECT_EQ(Pixel(ball.left - 1, mid.y), RGB(50, 90, 150));
  EXPECT_EQ(Pixel(mid.x, ball.bottom), RGB(50, 90, 150));
}

TEST_F(Instruments, WholeExperimentByKeyboardAlone) {
  // Where a left drag from the ball's centre 1 px right and 12 px down puts
  // it, on another lab.
  double draggedX = 0;
  double draggedY = 0;
  {
    LabSession mouse;
    mouse.Open();
    const CElasticPendulum& p = mouse.dlg.m_pendulum;
    const CPoint at = p.m_box.WorldToScreen(p.m_x, p.m_y);
    mouse.host->LeftDown(mouse.dlg, at.x, at.y);
    mouse.host->Move(mouse.dlg, at.x + 1, at.y + 12, MK_LBUTTON);
    mouse.host->LeftUp(mouse.dlg, at.x + 1, at.y + 12);
    draggedX = p.m_x;
    draggedY = p.m_y;
  }
  auto key = [this](int k, unsigned modifiers = 0) { host->Key(dlg, k, modifiers); };
  auto tabTo = [this](int instrument, int control = 0) {
    for (int n = 0; n < 20; ++n) {
      if (instrument > 0 && host->FocusedInstrument(dlg) == instrument) return;
      if (control > 0 && host->FocusedInstrument(dlg) < 0 && host->Focus(dlg) == control) return;
      host->Tab(dlg);
    }
    FAIL() << "Tab does not reach " << instrument << " " << control;
  };

  // The ring goes round the instruments, then the controls, and back.
  tabTo(12);
  host->Tab(dlg);
  EXPECT_EQ(host->Focus(dlg), IDC_MESSAGE);
  host->Tab(dlg, true);
  EXPECT_EQ(host->FocusedInstrument(dlg), 12);

  // The arrows hold the ball and Space lets it go where the drag did.
  tabTo(1);
  for (int k : {VK_DOWN, VK_DOWN, VK_DOWN}) key(k);
  key(VK_RIGHT, KEY_SHIFT);
  EXPECT_TRUE(Starts(Find(dlg, 1).state, "agafada, ")) << Find(dlg, 1).state;
  EXPECT_EQ(Find(dlg, 1).announced, Find(dlg, 1).state);  // each press is news
  key(VK_SPACE);
  EXPECT_EQ(dlg.m_pendulum.m_x, draggedX);
  EXPECT_EQ(dlg.m_pendulum.m_y, draggedY);
  // 'L' aims, the arrows move the aim, the focus leaving the ball throws it.
  key(VK_L);
  for (int k : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP, VK_UP}) key(k);
  EXPECT_TRUE(Starts(Find(dlg, 1).state, "apuntant, 3 cm a la dreta i 2 cm amunt, "));
  host->Tab(dlg);
  EXPECT_TRUE(dlg.m_pendulum.m_vx > 0 && dlg.m_pendulum.m_vy > 0);  // right and up
  // Flying, its depth changes at every tick, and that is no news; nor is
  // its coming to rest.
  const Instrument flying = Find(dlg, 1);
  host->Tick(dlg, 3);
  EXPECT_NE(Find(dlg, 1).state, flying.state);
  EXPECT_EQ(Find(dlg, 1).announced, "");
  EXPECT_EQ(flying.announced, "");
  EXPECT_TRUE(Starts(flying.keys, "Fletxes"));

  // The switch on; twenty oscillations typed in the count box.
  key(VK_SPACE);
  EXPECT_TRUE(Find(dlg, 2).checked);
  EXPECT_EQ(Find(dlg, 3).state, "aturat, 0.0 s");
  tabTo(0, IDC_OSCILLATIONS);
  host->Paste(dlg, IDC_OSCILLATIONS, "20");

  // 1.0 kg as it starts, then the 0.2 kg weight at the left (1.2 kg), then
  // the 0.5 kg one at the right (1.7 kg), each timed over twenty periods.
  const int weights[] = {0, 7, 10};
  const char* masses[] = {"", " Massa penjada del fil el\u00e0stic = 1.2 kg",
                          " Massa penjada del fil el\u00e0stic = 1.7 kg"};
  for (int point = 0; point < 3; ++point) {
    if (weights[point] != 0) {
      tabTo(weights[point]);
      EXPECT_EQ(Find(dlg, weights[point]).state, "al penjador");
      key(VK_SPACE);
      EXPECT_EQ(Find(dlg, weights[point]).state, "penjat del fil");
      EXPECT_EQ(Message(), masses[point]);  // as a click gives it
    }
    const double period = 2 * std::numbers::pi * std::sqrt(dlg.m_mass / 27.9);
    const int ticks = static_cast<int>(std::lround(20 * period / 0.05));
    tabTo(4);
    key(VK_SPACE);
    tabTo(5);
    const int holds = host->HoldCount();
    key(VK_RETURN);
    EXPECT_EQ(host->HoldCount(), holds + 1);  // the pressed picture, as a click
    EXPECT_EQ(Find(dlg, 3).state, "en marxa");
    host->Tick(dlg, ticks);
    tabTo(6);
    key(VK_SPACE);
    char shown[32];
    std::snprintf(shown, sizeof shown, "aturat, %.1f s", dlg.m_stopwatch.GetMeasured());
    EXPECT_EQ(Find(dlg, 3).state, shown);
    EXPECT_NEAR(dlg.m_stopwatch.GetMeasured(), ticks * 0.05, 0.1);
    // Enter on an instrument is the instrument's: not "Començar".
    tabTo(3);
    key(VK_RETURN);
    EXPECT_EQ(dlg.m_lastPoint, point - 1);
    tabTo(0, IDC_PLOT);
    key(VK_SPACE);
    EXPECT_EQ(dlg.m_lastPoint, point);
  }

  const Instrument graph = Find(dlg, 12);
  ASSERT_EQ(graph.table.size(), 4u);
  EXPECT_EQ(graph.table[0], (std::vector<std::string>{"Punt", "m (kg)", "T² (s²)"}));
  EXPECT_EQ(graph.table[3][1], "1.7");
  EXPECT_EQ(Find(dlg, 11).state, "1.7 kg");
  float slope = 0;
  float k = 0;
  ASSERT_EQ(std::sscanf(Message().c_str(),
                        " El pendent de la recta dibuixada \xc3\xa9s: %f. Per "
                        "tant, k = %f N/m",
                        &slope, &k),
            2)
      << Message();
  EXPECT_NEAR(k, 27.9, 27.9 * 0.03);
  char summary[80];
  std::snprintf(summary, sizeof summary, "Pendent %.2f s²/kg, k = %.2f N/m", slope, k);
  EXPECT_EQ(graph.summary, summary);

  tabTo(2);
  key(VK_ESCAPE);  // on an instrument, still ends the lab
  EXPECT_TRUE(dlg.IsEnding());
}

}  // namespace

}  // namespace lab
