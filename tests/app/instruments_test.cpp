// The lab's instruments as the hosts see them, and the whole lab by keyboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/instrument.h"
#include "tests/support/lab_fixture.h"

namespace {

Instrument Find(const Dialog& dlg, int id) {
  for (const Instrument& i : dlg.Instruments()) {
    if (i.id == id) return i;
  }
  ADD_FAILURE() << "no instrument " << id;
  return {};
}

// What a student sees change when a press lands: a held button's picture,
// or any instrument's state.
struct Observed {
  int holds;
  std::vector<Instrument> instruments;
};
Observed Observe(LabSession& lab) { return {lab.host->HoldCount(), lab.dlg.Instruments()}; }
bool Acted(const Observed& before, const Observed& after) {
  return before.holds != after.holds || before.instruments != after.instruments;
}

using R = InstrumentRole;
struct Row {
  int id;
  R role;
  const char* name;
  const char* state;
  CRect rect;
};
// At start-up, written out: the stopwatch at (241, 20), off; the weights'
// pictures at x 432, 492, 552, 612 with the 0.3 kg one on the string (its
// empty peg is what takes a click); the ball hanging at rest.
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

// The description cannot drift from the picture: every rectangle is the one
// written out above, a press on its first and last pixels acts and a press
// just outside any of its edges does not.
TEST_F(Instruments, StartUpDescriptionMatchesWhereThePressesLand) {
  const std::vector<Instrument> list = dlg.Instruments();
  ASSERT_EQ(list.size(), std::size(kStartUp));
  for (std::size_t n = 0; n < list.size(); ++n) {
    const Row& row = kStartUp[n];
    const Instrument& got = list[n];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(got.id, row.id);
    EXPECT_EQ(got.role, row.role);
    EXPECT_EQ(got.name, row.name);
    if (row.role == R::kBall) {
      EXPECT_EQ(got.state.rfind("en repòs, ", 0), 0u) << got.state;
      continue;
    }
    EXPECT_EQ(got.state, row.state);
    EXPECT_EQ(got.rect, row.rect);
    if (row.role != R::kButton && row.role != R::kSwitch) continue;
    const CRect r = row.rect;
    const CPoint inside[] = {{r.left, r.top}, {r.right - 1, r.bottom - 1}};
    const CPoint outside[] = {
        {r.left - 1, r.top}, {r.left, r.top - 1}, {r.right, r.bottom - 1}, {r.right - 1, r.bottom}};
    for (const CPoint& p : inside) {
      LabSession lab;
      lab.Open();
      const Observed before = Observe(lab);
      lab.host->LeftClick(lab.dlg, p.x, p.y);
      EXPECT_TRUE(Acted(before, Observe(lab))) << p.x << "," << p.y;
    }
    for (const CPoint& p : outside) {
      LabSession lab;
      lab.Open();
      const Observed before = Observe(lab);
      lab.host->LeftClick(lab.dlg, p.x, p.y);
      EXPECT_FALSE(Acted(before, Observe(lab))) << p.x << "," << p.y;
    }
  }
  // The ball: the disc is drawn inside its rectangle, the box's blue just
  // outside it.
  const CRect ball = list[0].rect;
  EXPECT_EQ(Pixel((ball.left + ball.right) / 2, (ball.top + ball.bottom) / 2), RGB(255, 155, 106));
  EXPECT_EQ(Pixel(ball.left - 1, (ball.top + ball.bottom) / 2), RGB(50, 90, 150));
  EXPECT_EQ(Pixel((ball.left + ball.right) / 2, ball.bottom), RGB(50, 90, 150));
}

// A student without a mouse: Tab, Shift+Tab, Space, Enter and the arrows.
class KeyboardStudent {
 public:
  explicit KeyboardStudent(LabSession& lab) : m_lab(lab) {}

  // Tabs until the instrument (or, with a control's id, the control) has
  // the focus; fails after a whole round.
  void TabToInstrument(int id, bool shift = false) {
    for (int n = 0; n < 20 && m_lab.host->FocusedInstrument(m_lab.dlg) != id; ++n) {
      m_lab.host->Tab(m_lab.dlg, shift);
    }
    ASSERT_EQ(m_lab.host->FocusedInstrument(m_lab.dlg), id);
  }
  void TabToControl(int id) {
    for (int n = 0; n < 20 && m_lab.host->Focus(m_lab.dlg) != id; ++n) m_lab.host->Tab(m_lab.dlg);
    ASSERT_EQ(m_lab.host->FocusedInstrument(m_lab.dlg), -1);
    ASSERT_EQ(m_lab.host->Focus(m_lab.dlg), id);
  }
  void Key(int key, unsigned modifiers = 0) { m_lab.host->Key(m_lab.dlg, key, modifiers); }

 private:
  LabSession& m_lab;
};

TEST_F(Instruments, WholeExperimentByKeyboardAlone) {
  // The same steps with the mouse first, for comparison: a left drag of
  // the ball from its centre 1 px right and 12 px down, then a click on the
  // 0.2 kg weight at the left and on the 0.5 kg one.
  const CPoint centre = dlg.m_pendulum.m_box.WorldToScreen(dlg.m_pendulum.m_x, dlg.m_pendulum.m_y);
  double draggedX = 0;
  double draggedY = 0;
  std::vector<std::uint32_t> dragged;
  std::vector<std::string> weightMessages;
  double thrownVx = 0;
  double thrownVy = 0;
  {
    LabSession mouse;
    mouse.Open();
    mouse.host->LeftDown(mouse.dlg, centre.x, centre.y);
    mouse.host->Move(mouse.dlg, centre.x + 1, centre.y + 12, MK_LBUTTON);
    mouse.host->LeftUp(mouse.dlg, centre.x + 1, centre.y + 12);
    draggedX = mouse.dlg.m_pendulum.m_x;
    draggedY = mouse.dlg.m_pendulum.m_y;
    const Surface& s = mouse.dlg.GetSurface();
    dragged.assign(s.Data(), s.Data() + s.Width() * s.Height());
    // Then a throw: a right press at its centre, a release 3 cm to the
    // right and 2 cm up.
    const CPoint at = mouse.dlg.m_pendulum.m_box.WorldToScreen(mouse.dlg.m_pendulum.m_x,
                                                               mouse.dlg.m_pendulum.m_y);
    mouse.host->RightDown(mouse.dlg, at.x, at.y);
    mouse.host->RightUp(mouse.dlg, at.x + 12, at.y - 8);
    thrownVx = mouse.dlg.m_pendulum.m_vx;
    thrownVy = mouse.dlg.m_pendulum.m_vy;
    for (int i : {3, 0}) {
      const CPoint onRack = layout::WeightOnRackPoint(i);
      mouse.host->LeftClick(mouse.dlg, onRack.x, onRack.y);
      weightMessages.push_back(mouse.host->Text(mouse.dlg, IDC_MESSAGE));
    }
  }
  KeyboardStudent student(*this);

  // The ring: the twelve instruments in reading order, then the controls;
  // Shift+Tab walks it back.
  student.TabToInstrument(1);
  for (int id = 2; id <= 12; ++id) {
    host->Tab(dlg);
    EXPECT_EQ(host->FocusedInstrument(dlg), id);
  }
  host->Tab(dlg);
  EXPECT_EQ(host->FocusedInstrument(dlg), -1);
  EXPECT_EQ(host->Focus(dlg), IDC_MESSAGE);
  host->Tab(dlg, true);
  EXPECT_EQ(host->FocusedInstrument(dlg), 12);

  // The ball held by the arrows ends where a left drag there puts it.
  student.TabToInstrument(1, true);
  for (int i = 0; i < 3; ++i) student.Key(VK_DOWN);
  student.Key(VK_RIGHT, KEY_SHIFT);
  EXPECT_EQ(Find(dlg, 1).state.rfind("agafada, ", 0), 0u) << Find(dlg, 1).state;
  student.Key(VK_SPACE);
  EXPECT_EQ(dlg.m_pendulum.m_x, draggedX);
  EXPECT_EQ(dlg.m_pendulum.m_y, draggedY);
  EXPECT_FALSE(dlg.m_dragging);
  const Surface& keys = dlg.GetSurface();
  EXPECT_TRUE(std::equal(keys.Data(), keys.Data() + keys.Width() * keys.Height(), dragged.data()));
  // 'L' aims, the arrows move the aim, the focus leaving the ball throws it.
  student.Key(VK_L);
  for (int key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP, VK_UP}) student.Key(key);
  EXPECT_EQ(Find(dlg, 1).state.rfind("apuntant, 3 cm a la dreta i 2 cm amunt, ", 0), 0u)
      << Find(dlg, 1).state;
  host->Tab(dlg);
  EXPECT_EQ(dlg.m_pendulum.m_vx, thrownVx);
  EXPECT_EQ(dlg.m_pendulum.m_vy, thrownVy);
  EXPECT_EQ(Find(dlg, 1).state.rfind("en moviment, ", 0), 0u) << Find(dlg, 1).state;

  // The switch, then the count box: twenty oscillations a timing.
  student.TabToInstrument(2);
  student.Key(VK_SPACE);
  EXPECT_TRUE(Find(dlg, 2).checked);
  EXPECT_EQ(Find(dlg, 3).state, "aturat, 0.0 s");
  student.TabToControl(IDC_OSCILLATIONS);
  host->Backspace(dlg, IDC_OSCILLATIONS);
  host->Backspace(dlg, IDC_OSCILLATIONS);
  host->Type(dlg, IDC_OSCILLATIONS, "20");
  constexpr int kCount = 20;

  // Three masses: 1.0 kg as it starts, then the 0.2 kg weight at the left
  // (1.2 kg), then the 0.5 kg one at the right (1.7 kg).
  const int weightSteps[] = {0, 7, 10};
  for (int point = 0; point < 3; ++point) {
    const int weight = weightSteps[point];
    if (weight != 0) {
      student.TabToInstrument(weight);
      EXPECT_EQ(Find(dlg, weight).state, "al penjador");
      student.Key(VK_SPACE);
      EXPECT_EQ(Find(dlg, weight).state, "penjat del fil");
      EXPECT_EQ(Message(), weightMessages[point - 1]);
    }
    // Ticks for twenty periods at this mass, T = 2 pi sqrt(m / k).
    const double period = 2 * std::numbers::pi * std::sqrt(dlg.m_mass / 27.9);
    const int ticks = static_cast<int>(std::lround(kCount * period / 0.05));
    student.TabToInstrument(4);
    student.Key(VK_SPACE);
    student.TabToInstrument(5);
    const int holds = host->HoldCount();
    student.Key(VK_RETURN);
    EXPECT_EQ(host->HoldCount(), holds + 1);  // the pressed picture, as a click
    EXPECT_EQ(Find(dlg, 3).state, "en marxa");
    host->Tick(dlg, ticks);
    student.TabToInstrument(6);
    student.Key(VK_SPACE);
    char shown[32];
    std::snprintf(shown, sizeof shown, "aturat, %.1f s", dlg.m_stopwatch.GetMeasured());
    EXPECT_EQ(Find(dlg, 3).state, shown);
    EXPECT_NEAR(dlg.m_stopwatch.GetMeasured(), ticks * 0.05, 0.1);

    if (point == 0) {
      // Enter on a focused instrument is the instrument's: a readout takes
      // no action and "Començar" is not pressed.
      student.TabToInstrument(3);
      const std::string message = Message();
      student.Key(VK_RETURN);
      EXPECT_EQ(Message(), message);
      EXPECT_TRUE(PlotEnabled());
    }
    student.TabToControl(IDC_PLOT);
    student.Key(VK_SPACE);
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
                        " El pendent de la recta dibuixada \xc3\xa9s: %f. Per tant, k = %f N/m",
                        &slope, &k),
            2)
      << Message();
  EXPECT_NEAR(k, 27.9, 27.9 * 0.03);
  char summary[80];
  std::snprintf(summary, sizeof summary, "Pendent %.2f s²/kg, k = %.2f N/m", slope, k);
  EXPECT_EQ(graph.summary, summary);

  // Escape on a focused instrument still ends the lab.
  student.TabToInstrument(2);
  student.Key(VK_ESCAPE);
  EXPECT_TRUE(dlg.IsEnding());
}

}  // namespace
