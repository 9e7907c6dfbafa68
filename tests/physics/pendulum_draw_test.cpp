#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string_view>

#include "draw/plot_area.h"
#include "physics/elastic_pendulum.h"
#include "platform/dc.h"
#include "platform/surface.h"

namespace {

constexpr COLORREF kBackground = RGB(50, 90, 150);
constexpr COLORREF kString = RGB(0, 30, 40);
constexpr COLORREF kBall = RGB(255, 155, 106);
constexpr CRect kFill(20, 20, 220, 420);

// Pixels of `area` that differ, skipping those inside `skip`.
int Differences(const Surface& a, const Surface& b, const CRect& area, const CRect& skip = {}) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      n += a.GetPixel(x, y) != b.GetPixel(x, y) && !skip.PtInRect({x, y}) ? 1 : 0;
    }
  }
  return n;
}

// The window surface and the pendulum, driven the way the main dialog does.
class Lab {
 public:
  Lab() : surface(690, 479, RGB(7, 7, 7)) {
    box.SetRect(20, 20, 200, 400);
    Repaint();
    reference = surface;
    SetUp(1.0);
  }
  void SetUp(double mass) {
    pendulum.Setup(mass, std::pow(mass * 3.978873577296667e-05, 0.33333333), 27.9, 0.21, 9.805,
                   0.02);
    Repaint();
    Draw();
  }
  // Only the box is repainted: first check nothing was drawn outside its fill.
  void Repaint() {
    if (!reference.Bounds().IsRectEmpty()) {
      EXPECT_EQ(Differences(surface, reference, CRect(0, 0, 260, 460), kFill), 0);
    }
    CDC dc(surface);
    box.DrawBox(dc, true, RGB(195, 195, 195), true, kBackground);
  }
  void Act(int x, int y, std::string_view key, int phase, double dt, bool repaint) {
    if (dt >= 0) pendulum.SetTimeStep(dt);
    if (repaint) Repaint();
    if (!repaint) Erase(false);
    pendulum.MouseAction(x, y, key, phase);
    Draw();
  }
  bool Inside(int x, int y) const { return box.Contains(x, y); }
  void LeftDown(int x, int y) {
    if (Inside(x, y)) Act(x, y, "izq", 1, 0.001, true);
    dragging = Inside(x, y);
  }
  void Move(int x, int y) {
    dragging = dragging && Inside(x, y);
    if (dragging) Act(x, y, "izq", 1, -1, false);
  }
  void LeftUp(int x, int y) {
    dragging = false;
    if (Inside(x, y)) Act(x, y, "izq", 0, -1, false);
  }
  void Tick() {
    if (dragging) return;
    for (int i = 0; i < 50; ++i) pendulum.Step();
    Erase(traceMode);
    Draw();
  }
  void Draw() {
    CDC dc(surface);
    pendulum.Draw(dc);
  }
  void Erase(bool trace) {
    CDC dc(surface);
    pendulum.Erase(dc, trace);
  }
  COLORREF At(int x, int y) const { return surface.GetPixel(x, y); }

  Surface surface;
  Surface reference{0, 0, 0};
  CPlotArea box;
  CElasticPendulum pendulum;
  bool dragging = false;
  bool traceMode = true;
};

TEST(PendulumDraw, DrawsStringAndBallAndRestoresTheContext) {
  Lab lab;
  lab.LeftDown(120, 220);
  EXPECT_EQ(lab.At(120, 220), kBall);
  EXPECT_EQ(lab.At(106, 220), kString);
  EXPECT_EQ(lab.At(105, 220), kBackground);
  for (int y = 21; y < 200; y += 20) EXPECT_EQ(lab.At(120, y), kString) << y;
  EXPECT_EQ(lab.At(119, 100), kBackground);

  Surface probe(10, 10, 0);
  CDC dc(probe);
  const CPen pen = dc.GetCurrentPen();
  const CBrush brush = dc.GetCurrentBrush();
  lab.pendulum.Draw(dc);
  lab.pendulum.Erase(dc, false);
  EXPECT_EQ(dc.GetCurrentPen(), pen);
  EXPECT_EQ(dc.GetCurrentBrush(), brush);
}

TEST(PendulumErase, TraceKeepsARestingBallAndWipeRemovesAll) {
  Lab lab;
  lab.LeftDown(120, 220);
  const Surface before = lab.surface;
  lab.Erase(true);
  EXPECT_EQ(Differences(lab.surface, before, lab.surface.Bounds()), 0);
  Lab empty;
  empty.Repaint();
  lab.Erase(false);
  EXPECT_EQ(Differences(lab.surface, empty.surface, lab.surface.Bounds()), 0);
}

class PendulumWipeTest : public ::testing::TestWithParam<bool> {};

// Moved far away and wiped: the old string always goes; a trace leaves
// only the old outline as a ring.
TEST_P(PendulumWipeTest, OldStringGoesAndATraceLeavesARing) {
  const bool trace = GetParam();
  Lab lab;
  lab.LeftDown(60, 300);
  lab.pendulum.MouseAction(170, 120, "izq", 0);
  lab.Erase(trace);
  lab.Draw();
  Lab fresh;
  fresh.LeftDown(170, 120);
  const CRect ring(60 - 14, 300 - 14, 60 + 15, 300 + 15);
  EXPECT_EQ(Differences(lab.surface, fresh.surface, lab.surface.Bounds(), ring), 0);
  EXPECT_EQ(lab.At(60, 300), kBackground);
  EXPECT_EQ(lab.At(60 - 14, 300), trace ? kString : kBackground);
}

INSTANTIATE_TEST_SUITE_P(Modes, PendulumWipeTest, ::testing::Bool());

TEST(PendulumErase, TraceLeavesOneRingPerTick) {
  Lab lab;
  lab.Act(120, 220, "der", 0, 0.0, true);
  lab.Act(160, 220, "der", 1, 0.001, true);  // 1 m/s: 20 pixels a tick
  lab.Tick();
  lab.Tick();
  EXPECT_EQ(lab.At(120, 220), kBackground);
  EXPECT_EQ(lab.At(120, 220 - 13), kString);
  EXPECT_EQ(lab.At(120, 220 + 13), kString);
  int secondRing = 0;
  for (int y = 200; y < 212; ++y) secondRing += lab.At(140, y) == kString ? 1 : 0;
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
  Surface surface(690, 479, 0);
  CDC dc(surface);
  CElasticPendulum p;
  p.SetTimeStep(0.001);
  p.Setup(1.0, row.firstRadius, row.k, 0.21, 9.805, 0.02);
  p.MouseAction(120, 420, "izq", 0);
  p.Draw(dc);
  p.Setup(1.0, row.secondRadius, row.k, 0.21, 9.805, 0.02);
  for (int tick = 0; tick < row.ticks; ++tick) {
    for (int i = 0; i < row.steps; ++i) p.Step();
    if (row.k == 0.0) {
      ASSERT_LT(p.m_drawnY, p.m_floorLimit);
    }
    p.Erase(dc, false);
    p.Draw(dc);
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

// Random sessions: ticks, drags, throws, weight changes and placements
// anywhere, in and around the box.
class PendulumSessionTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(PendulumSessionTest, StaysFiniteInsideTheWallsAndTheFill) {
  std::mt19937 rng(GetParam());
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Lab lab;
  const CElasticPendulum& p = lab.pendulum;
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
    } else if (kind < 78) {
      if (lab.Inside(x, y)) lab.Act(x, y, "der", kind < 72 ? 0 : 1, kind < 72 ? 0.0 : 0.001, true);
    } else if (kind < 82) {
      lab.traceMode = !lab.traceMode;
      drew = false;
    } else if (kind < 85) {
      lab.SetUp(0.7 + 0.1 * pick(0, 12));
    } else if (kind < 92) {
      lab.Act(x, y, "izq", 0, -1, false);
    } else {
      lab.Act(x, y, "der", 0, 0.0, false);
      lab.Act(pick(-60, 300), pick(-60, 500), "der", 1, 0.001, false);
    }
    ASSERT_TRUE(std::isfinite(p.m_x + p.m_y + p.m_vx + p.m_vy + p.m_drawnY + p.m_drawnVy))
        << action;
    if (drew) {
      ASSERT_TRUE(p.m_x >= p.m_leftLimit && p.m_x <= p.m_rightLimit && p.m_y >= p.m_floorLimit &&
                  p.m_y <= p.m_ceilingLimit)
          << action;
    }
  }
  EXPECT_EQ(Differences(lab.surface, lab.reference, lab.surface.Bounds(), kFill), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, PendulumSessionTest, ::testing::Range(1u, 9u));

}  // namespace
