#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string_view>

#include "draw/plot_area.h"
#include "physics/elastic_pendulum.h"
#include "platform/dc.h"
#include "platform/surface.h"

namespace lab {

namespace {

constexpr COLORREF kBackground = RGB(50, 90, 150);
constexpr COLORREF kString = RGB(0, 30, 40);
constexpr COLORREF kBall = RGB(255, 155, 106);

// Pixels that differ, skipping those inside `skip`.
int Differences(const Surface& a, const Surface& b, const CRect& skip = {}) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      n += a.GetPixel(x, y) != b.GetPixel(x, y) && !skip.PtInRect({x, y});
  return n;
}

// The window's surface with the simulation box painted, and the pendulum
// drawn into it the way the main dialog draws it.
struct Lab {
  explicit Lab(double k = 27.9, double radius = 0.0) {
    box.SetRect(20, 20, 200, 400);
    Repaint();
    empty = surface;
    SetUp(1.0, k, radius);
  }
  void Repaint() { box.DrawBox(dc, true, RGB(195, 195, 195), true, kBackground); }
  // Without a radius, the radius of a ball of the mass.
  void SetUp(double mass, double k = 27.9, double radius = 0.0) {
    Repaint();
    if (radius == 0.0) radius = std::pow(mass * 3.978873577296667e-05, 0.33333333);
    p.Setup(mass, radius, k, 0.21, 9.805, 0.02);
    p.SetTimeStep(0.001);
    p.ApplyWalls();
    p.Draw(dc);
  }
  void Mouse(int x, int y, std::string_view key, int phase) {
    p.Erase(dc, false);
    p.MouseAction(x, y, key, phase);
    p.ApplyWalls();
    p.Draw(dc);
  }
  void Tick(bool trace, int steps = 50) {
    for (int i = 0; i < steps; ++i) p.Step();
    p.Erase(dc, trace);
    p.ApplyWalls();
    p.Draw(dc);
  }
  COLORREF At(int x, int y) const { return surface.GetPixel(x, y); }

  Surface surface{690, 479, RGB(7, 7, 7)};
  CDC dc{surface};
  Surface empty;
  CPlotArea box;
  CElasticPendulum p;
};

TEST(PendulumDraw, DrawsStringAndBallAndRestoresTheContext) {
  Lab lab;
  lab.Mouse(120, 220, "izq", 0);
  EXPECT_EQ(lab.At(120, 220), kBall);
  EXPECT_EQ(lab.At(106, 220), kString);
  EXPECT_EQ(lab.At(105, 220), kBackground);
  for (int y = 21; y < 200; y += 20) EXPECT_EQ(lab.At(120, y), kString) << y;
  EXPECT_EQ(lab.At(119, 100), kBackground);

  CDC dc(lab.surface);
  const CPen pen = dc.GetCurrentPen();
  const CBrush brush = dc.GetCurrentBrush();
  lab.p.Draw(dc);
  lab.p.m_x += 0.05;
  lab.p.Erase(dc, true);
  lab.p.Erase(dc, false);
  EXPECT_EQ(dc.GetCurrentPen(), pen);
  EXPECT_EQ(dc.GetCurrentBrush(), brush);
}

class PendulumWipeTest : public ::testing::TestWithParam<bool> {};

// A resting ball: trace mode keeps it, a plain wipe removes ball and string.
// Moved far away and wiped: the old string always goes; a trace leaves only
// the old outline as a ring.
TEST_P(PendulumWipeTest, OldStringGoesAndATraceLeavesARing) {
  const bool trace = GetParam();
  Lab lab;
  lab.Mouse(60, 300, "izq", 0);
  const Surface placed = lab.surface;
  lab.p.Erase(lab.dc, trace);
  EXPECT_EQ(Differences(lab.surface, trace ? placed : lab.empty), 0);

  lab.p.Draw(lab.dc);
  lab.p.MouseAction(170, 120, "izq", 0);
  lab.p.Erase(lab.dc, trace);
  lab.p.Draw(lab.dc);
  Lab fresh;
  fresh.Mouse(170, 120, "izq", 0);
  EXPECT_EQ(Differences(lab.surface, fresh.surface, CRect(46, 286, 75, 315)), 0);
  EXPECT_EQ(lab.At(60, 300), kBackground);
  EXPECT_EQ(lab.At(60 - 14, 300), trace ? kString : kBackground);
}

INSTANTIATE_TEST_SUITE_P(Modes, PendulumWipeTest, ::testing::Bool());

TEST(PendulumErase, TraceLeavesOneRingPerTick) {
  Lab lab;
  lab.Mouse(120, 220, "der", 0);
  lab.Mouse(160, 220, "der", 1);  // 1 m/s: 20 pixels a tick
  lab.Tick(true);
  lab.Tick(true);
  EXPECT_EQ(lab.At(120, 220), kBackground);
  EXPECT_EQ(lab.At(120, 220 - 13), kString);
  EXPECT_EQ(lab.At(120, 220 + 13), kString);
  int secondRing = 0;
  for (int y = 200; y < 212; ++y) secondRing += lab.At(140, y) == kString;
  EXPECT_GT(secondRing, 0);
  EXPECT_EQ(lab.At(160, 220), kBall);
}

struct FloorRow {
  double k, firstRadius, secondRadius;
  int steps, ticks;
};

class PendulumFloorGuardTest : public ::testing::TestWithParam<FloorRow> {};

// A bigger ball raises the floor limit above the drawn state; a radius above
// half the box's height crosses floor and ceiling limits. No NaN either way.
TEST_P(PendulumFloorGuardTest, StaysFiniteOnTheFloor) {
  const FloorRow& row = GetParam();
  Lab lab(row.k, row.firstRadius);
  lab.Mouse(120, 420, "izq", 0);
  CElasticPendulum& p = lab.p;
  // A set-up takes its start as the drawn state; the guard is for a drawn
  // state left below a floor that a set-up has raised.
  const double placedY = p.m_drawnY;
  p.Setup(1.0, row.secondRadius, row.k, 0.21, 9.805, 0.02);
  p.m_drawnY = placedY;
  p.m_drawnVy = 0.0;
  if (row.k == 0.0) {
    ASSERT_LT(p.m_drawnY, p.m_floorLimit);
  }
  for (int tick = 0; tick < row.ticks; ++tick) {
    lab.Tick(false, row.steps);
    ASSERT_TRUE(std::isfinite(p.m_x + p.m_y + p.m_vx + p.m_vy)) << tick;
  }
  if (row.k == 0.0) {
    EXPECT_EQ(p.m_y, p.m_floorLimit);
    EXPECT_EQ(p.m_vy, 0.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, PendulumFloorGuardTest,
                         ::testing::Values(FloorRow{0.0, 0.03, 0.05, 1000, 1},
                                           FloorRow{0.0, 0.02, 0.2, 1000, 1},
                                           FloorRow{27.9, 0.6, 0.6, 50, 100}));

// Random sessions: ticks, placements and throws from anywhere in and around
// the box, with and without trace, weights changed.
class PendulumSessionTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(PendulumSessionTest, StaysFiniteInsideTheWallsAndTheBox) {
  std::mt19937 rng(GetParam());
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Lab lab;
  const CElasticPendulum& p = lab.p;
  for (int action = 0; action < 1500; ++action) {
    const int kind = pick(0, 9);
    const int x = pick(-60, 300);
    const int y = pick(-60, 500);
    if (kind < 5) {
      lab.Tick(kind < 3);
    } else if (kind < 7) {
      lab.Mouse(x, y, "izq", pick(0, 1));
    } else if (kind == 7) {
      lab.p.SetTimeStep(0.0);  // the clock stands while a throw is aimed
      lab.Mouse(x, y, "der", 0);
    } else if (kind == 8) {
      lab.p.SetTimeStep(pick(0, 3) == 0 ? 0.0 : 0.001);
      lab.Mouse(x, y, "der", 1);
      lab.p.SetTimeStep(0.001);
    } else {
      lab.SetUp(0.7 + 0.1 * pick(0, 12));
    }
    ASSERT_TRUE(std::isfinite(p.m_vx + p.m_vy) && p.m_x >= p.m_leftLimit &&
                p.m_x <= p.m_rightLimit && p.m_y >= p.m_floorLimit && p.m_y <= p.m_ceilingLimit)
        << action;
  }
  EXPECT_EQ(Differences(lab.surface, lab.empty, CRect(20, 20, 220, 420)), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, PendulumSessionTest, ::testing::Range(1u, 9u));

}  // namespace

}  // namespace lab
