// Drawing and wiping the ball on a window surface, and long random runs of
// the main dialog's use of the pendulum.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "draw/plot_area.h"
#include "physics/elastic_pendulum.h"
#include "platform/dc.h"
#include "platform/surface.h"

namespace {

constexpr COLORREF kOutside = RGB(7, 7, 7);
constexpr COLORREF kBoxOutline = RGB(195, 195, 195);
constexpr COLORREF kBackground = RGB(50, 90, 150);
constexpr COLORREF kString = RGB(0, 30, 40);
constexpr COLORREF kBall = RGB(255, 155, 106);

// The pixels the ball and the string may touch: the box's fill.
constexpr CRect kFill(20, 20, 220, 420);

double RadiusFromMass(double mass) { return std::pow(mass * 3.978873577296667e-05, 0.33333333); }

// The window's surface, the dialog's frame of the simulation box, and the
// pendulum, used the way the main dialog's handlers use them.
class Lab {
 public:
  Lab() : surface(690, 479, kOutside) {
    simBox.SetRect(20, 20, 200, 400);
    SetUp(1.0);
  }

  void SetUp(double mass, double k = 27.9) {
    pendulum.Setup(mass, RadiusFromMass(mass), k, 0.21, 9.805, 0.02);
    Repaint();
    CDC dc(surface);
    pendulum.Draw(dc);
  }
  void Repaint() {
    // Only the box and its outline are repainted: a pixel drawn over the
    // outline would be hidden from the checks afterwards, so count it now.
    if (painted) outlineDamage += DamagedOutlinePixels();
    painted = true;
    CDC dc(surface);
    simBox.DrawBox(dc, true, kBoxOutline, true, kBackground);
  }
  bool Inside(int x, int y) const { return simBox.Contains(x, y); }

  // One of the dialog's mouse handlers inside the box: a time step (unless
  // negative), a repaint or else a wipe, the mouse action and a drawing.
  void Act(int x, int y, std::string_view key, int phase, double dt, bool repaint) {
    if (dt >= 0) pendulum.SetTimeStep(dt);
    if (repaint) Repaint();
    CDC dc(surface);
    if (!repaint) pendulum.Erase(dc, false);
    pendulum.MouseAction(x, y, key, phase);
    pendulum.Draw(dc);
  }
  void LeftDown(int x, int y) {
    if (!Inside(x, y)) return;
    Act(x, y, "izq", 1, 0.001, true);
    dragging = true;
  }
  void Move(int x, int y) {
    if (!dragging) return;
    dragging = Inside(x, y);
    if (dragging) Act(x, y, "izq", 1, -1, false);
  }
  void LeftUp(int x, int y) {
    dragging = false;
    if (Inside(x, y)) Act(x, y, "izq", 0, -1, false);
  }
  void RightDown(int x, int y) {
    if (Inside(x, y)) Act(x, y, "der", 0, 0.0, true);
  }
  void RightUp(int x, int y) {
    if (Inside(x, y)) Act(x, y, "der", 1, 0.001, true);
  }
  void Tick() {
    if (dragging) return;
    for (int i = 0; i < 50; ++i) pendulum.Step();
    CDC dc(surface);
    pendulum.Erase(dc, traceMode);
    pendulum.Draw(dc);
  }
  void Draw() {
    CDC dc(surface);
    pendulum.Draw(dc);
  }
  void Erase(bool trace) {
    CDC dc(surface);
    pendulum.Erase(dc, trace);
  }

  int DamagedOutlinePixels() const {
    int n = 0;
    for (int i = 19; i <= 221; ++i) {
      n += surface.GetPixel(i, 19) != kBoxOutline ? 1 : 0;
      n += surface.GetPixel(i, 421) != kBoxOutline ? 1 : 0;
    }
    for (int i = 20; i <= 420; ++i) {
      n += surface.GetPixel(19, i) != kBoxOutline ? 1 : 0;
      n += surface.GetPixel(221, i) != kBoxOutline ? 1 : 0;
    }
    return n;
  }

  Surface surface;
  CPlotArea simBox;
  CElasticPendulum pendulum;
  bool dragging = false;
  bool traceMode = true;
  bool painted = false;
  int outlineDamage = 0;
};

// Pixels of one rectangle that differ between two surfaces.
std::vector<CPoint> Differences(const Surface& a, const Surface& b, const CRect& area) {
  std::vector<CPoint> out;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) out.push_back({x, y});
    }
  }
  return out;
}

// Pixels outside the box's fill, within reach of it, that differ.
std::vector<CPoint> ChangedOutsideTheFill(const Surface& a, const Surface& b) {
  std::vector<CPoint> out;
  for (const CPoint& p : Differences(a, b, CRect(0, 0, 260, 460))) {
    if (!kFill.PtInRect(p)) out.push_back(p);
  }
  return out;
}

int CountColour(const Surface& s, const CRect& area, COLORREF colour) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) n += s.GetPixel(x, y) == colour ? 1 : 0;
  }
  return n;
}

TEST(PendulumDraw, DrawsTheStringAndTheBallAndRestoresTheContext) {
  Lab lab;
  lab.LeftDown(120, 220);  // centre (0, -0.5): pixel (120, 220)
  EXPECT_EQ(lab.surface.GetPixel(120, 220), kBall);
  // The 1.0 kg ball has a radius of 13.7 pixels: its bounding box covers
  // columns 106 to 132; the outline is the string's colour.
  EXPECT_EQ(lab.surface.GetPixel(106, 220), kString);
  EXPECT_EQ(lab.surface.GetPixel(107, 220), kBall);
  EXPECT_EQ(lab.surface.GetPixel(105, 220), kBackground);
  // The string hangs straight down from the fixed end at (120, 20).
  for (int y = 21; y < 200; y += 20) EXPECT_EQ(lab.surface.GetPixel(120, y), kString) << y;
  EXPECT_EQ(lab.surface.GetPixel(119, 100), kBackground);

  Surface probe(10, 10, 0);
  CDC dc(probe);
  const CPen pen = dc.GetCurrentPen();
  const CBrush brush = dc.GetCurrentBrush();
  lab.pendulum.Draw(dc);
  lab.pendulum.Erase(dc, true);
  EXPECT_EQ(dc.GetCurrentPen(), pen);
  EXPECT_EQ(dc.GetCurrentBrush(), brush);
}

TEST(PendulumDraw, NothingIsDrawnBeforeTheFirstSetup) {
  Surface surface(690, 479, kOutside);
  const Surface before = surface;
  CElasticPendulum pendulum;
  CDC dc(surface);
  pendulum.Draw(dc);
  pendulum.Erase(dc, false);
  EXPECT_TRUE(Differences(surface, before, surface.Bounds()).empty());
}

TEST(PendulumErase, TraceModeKeepsARestingBall) {
  Lab lab;
  lab.LeftDown(120, 220);
  const Surface before = lab.surface;
  lab.Erase(true);
  EXPECT_TRUE(Differences(lab.surface, before, lab.surface.Bounds()).empty());
  // Without trace mode the same ball is wiped, string and all.
  lab.Erase(false);
  EXPECT_EQ(CountColour(lab.surface, kFill, kBackground), kFill.Width() * kFill.Height());
}

// The ball placed at one point and drawn, then moved far away, wiped in
// either mode and drawn again, compared with a box where it was only ever
// drawn at the second point.
struct MoveRow {
  const char* name;
  bool trace;
};
void PrintTo(const MoveRow& row, std::ostream* os) { *os << row.name; }

class PendulumWipeTest : public ::testing::TestWithParam<MoveRow> {};

TEST_P(PendulumWipeTest, OldImageGoesOrLeavesARing) {
  Lab lab;
  lab.LeftDown(60, 300);
  lab.pendulum.MouseAction(170, 120, "izq", 0);
  lab.Erase(GetParam().trace);
  lab.Draw();

  Lab fresh;
  fresh.LeftDown(170, 120);

  const std::vector<CPoint> diff = Differences(lab.surface, fresh.surface, lab.surface.Bounds());
  if (!GetParam().trace) {
    EXPECT_TRUE(diff.empty()) << diff.size() << " pixels left behind";
    return;
  }
  // The ring: the old outline around a background fill, nothing else; the
  // old string is gone.
  ASSERT_FALSE(diff.empty());
  for (const CPoint& p : diff) {
    EXPECT_LE(std::abs(p.x - 60), 14) << p.x << "," << p.y;
    EXPECT_LE(std::abs(p.y - 300), 14) << p.x << "," << p.y;
    EXPECT_EQ(lab.surface.GetPixel(p.x, p.y), kString);
  }
  EXPECT_EQ(lab.surface.GetPixel(60, 300), kBackground);
  EXPECT_EQ(lab.surface.GetPixel(60 - 14, 300), kString);
}

INSTANTIATE_TEST_SUITE_P(Modes, PendulumWipeTest,
                         ::testing::Values(MoveRow{"Trace", true}, MoveRow{"Wipe", false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PendulumErase, TraceModeLeavesOneRingPerTick) {
  Lab lab;
  lab.RightDown(120, 220);
  lab.RightUp(160, 220);  // thrown at 1 m/s to the right
  lab.traceMode = true;
  lab.Tick();  // the centre moves 5 cm, 20 pixels, per tick
  lab.Tick();
  // The rings of the two earlier images stay, each outlined in the
  // string's colour, hollow in the middle.
  EXPECT_EQ(lab.surface.GetPixel(120, 220), kBackground);
  EXPECT_EQ(lab.surface.GetPixel(120, 220 - 13), kString);
  EXPECT_EQ(lab.surface.GetPixel(120, 220 + 13), kString);
  EXPECT_EQ(lab.surface.GetPixel(106, 220), kString);
}

// Events that leave the last drawn state below the floor limit: the floor's
// free-fall speed would be the square root of a negative number.
struct FloorRow {
  const char* name;
  double firstRadius, secondRadius;
};
void PrintTo(const FloorRow& row, std::ostream* os) { *os << row.name; }

class PendulumFloorGuardTest : public ::testing::TestWithParam<FloorRow> {};

TEST_P(PendulumFloorGuardTest, BallStaysOnTheFloorInsteadOfNaN) {
  const FloorRow& row = GetParam();
  Surface surface(690, 479, kOutside);
  CElasticPendulum p;
  p.SetTimeStep(0.001);
  // A free ball placed on the floor and drawn there at rest.
  p.Setup(1.0, row.firstRadius, 0.0, 0.21, 9.805, 0.02);
  p.MouseAction(120, 420, "izq", 0);
  {
    CDC dc(surface);
    p.Draw(dc);
  }
  // A bigger ball: the floor limit rises above the drawn state. Before it is
  // drawn, a second of steps takes it down to the floor again.
  p.Setup(1.0, row.secondRadius, 0.0, 0.21, 9.805, 0.02);
  for (int i = 0; i < 1000; ++i) p.Step();
  ASSERT_LT(p.m_y, p.m_floorLimit);
  ASSERT_LT(p.m_drawnY, p.m_floorLimit);
  {
    CDC dc(surface);
    p.Draw(dc);
  }
  EXPECT_EQ(p.m_y, p.m_floorLimit);
  EXPECT_EQ(p.m_vy, 0.0);
  EXPECT_TRUE(std::isfinite(p.m_x) && std::isfinite(p.m_vx));
}

INSTANTIATE_TEST_SUITE_P(Rows, PendulumFloorGuardTest,
                         ::testing::Values(FloorRow{"BiggerBall", 0.03, 0.05},
                                           FloorRow{"MuchBiggerBall", 0.02, 0.2}),
                         [](const auto& row) { return std::string(row.param.name); });

// A radius above half the box's height: the floor limit lies above the
// ceiling limit, and the ceiling puts the drawn ball below the floor.
TEST(PendulumFloorGuard, CrossedLimitsStayFinite) {
  Surface surface(690, 479, kOutside);
  CElasticPendulum p;
  p.SetTimeStep(0.001);
  p.Setup(1.0, 0.6, 27.9, 0.21, 9.805, 0.02);
  for (int tick = 0; tick < 100; ++tick) {
    for (int i = 0; i < 50; ++i) p.Step();
    CDC dc(surface);
    p.Erase(dc, false);
    p.Draw(dc);
    ASSERT_TRUE(std::isfinite(p.m_x) && std::isfinite(p.m_y) && std::isfinite(p.m_vx) &&
                std::isfinite(p.m_vy))
        << "tick " << tick;
  }
}

bool Finite(const CElasticPendulum& p) {
  for (double v : {p.m_x, p.m_y, p.m_vx, p.m_vy, p.m_ax, p.m_ay, p.m_drawnX, p.m_drawnY,
                   p.m_drawnVx, p.m_drawnVy}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

bool WithinLimits(const CElasticPendulum& p) {
  return p.m_x >= p.m_leftLimit && p.m_x <= p.m_rightLimit && p.m_y >= p.m_floorLimit &&
         p.m_y <= p.m_ceilingLimit;
}

// Long random sessions: ticks, presses, drags, throws, weight changes and
// direct placements anywhere, in and around the box.
class PendulumSessionTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(PendulumSessionTest, StaysFiniteInsideTheWallsAndOnTheFill) {
  std::mt19937 rng(GetParam());
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Lab lab;
  const Surface start = lab.surface;

  for (int action = 0; action < 1500; ++action) {
    const int x = pick(-60, 300);
    const int y = pick(-60, 500);
    const int kind = pick(0, 99);
    bool drew = true;
    if (kind < 40) {
      lab.Tick();
      drew = !lab.dragging;
    } else if (kind < 48) {
      lab.LeftDown(x, y);
    } else if (kind < 60) {
      lab.Move(x, y);
    } else if (kind < 66) {
      lab.LeftUp(x, y);
    } else if (kind < 72) {
      lab.RightDown(x, y);
    } else if (kind < 78) {
      lab.RightUp(x, y);
    } else if (kind < 82) {
      lab.traceMode = !lab.traceMode;
      drew = false;
    } else if (kind < 85) {
      lab.SetUp(0.7 + 0.1 * pick(0, 12));
    } else if (kind < 92) {
      // Placed anywhere, even outside the box: held inside the walls.
      lab.Act(x, y, "izq", 0, -1, false);
    } else {
      // A throw pressed and released anywhere, with the dialog's time steps.
      lab.Act(x, y, "der", 0, 0.0, false);
      lab.Act(pick(-60, 300), pick(-60, 500), "der", 1, 0.001, false);
    }
    ASSERT_TRUE(Finite(lab.pendulum)) << "action " << action << " kind " << kind;
    if (drew) {
      ASSERT_TRUE(WithinLimits(lab.pendulum)) << "action " << action << " kind " << kind;
    }
    ASSERT_EQ(lab.outlineDamage, 0) << "action " << action << " kind " << kind;
    if (action % 100 == 0) {
      const std::vector<CPoint> outside = ChangedOutsideTheFill(lab.surface, start);
      ASSERT_TRUE(outside.empty()) << "action " << action << " kind " << kind << ": pixel "
                                   << outside.front().x << "," << outside.front().y;
    }
  }
  EXPECT_TRUE(ChangedOutsideTheFill(lab.surface, start).empty());
  EXPECT_TRUE(Differences(lab.surface, start, CRect(0, 0, 690, 20)).empty());
  EXPECT_TRUE(Differences(lab.surface, start, CRect(0, 421, 690, 479)).empty());
  EXPECT_TRUE(Differences(lab.surface, start, CRect(222, 0, 690, 479)).empty());
}

INSTANTIATE_TEST_SUITE_P(Seeds, PendulumSessionTest, ::testing::Range(1u, 9u));

}  // namespace
