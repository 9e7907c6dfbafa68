#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "physics/elastic_pendulum.h"
#include "platform/runtime.h"

namespace lab {

namespace {

// The 1 kg ball's radius and the limits of its centre in the box.
constexpr double kR = 0.0341392;
constexpr double kLeft = -0.25 + kR, kRight = 0.25 - kR, kFloor = -1.0 + kR, kCeiling = -kR;

void SetUpLab(CElasticPendulum& p, double k = 27.9) {
  p.Setup(1.0, kR, k, 0.21, 9.805, 0.02);
  p.SetTimeStep(0.001);
}

void Place(CElasticPendulum& p, const double (&s)[4]) {
  p.m_x = s[0];
  p.m_y = s[1];
  p.m_vx = s[2];
  p.m_vy = s[3];
}

void ExpectState(const CElasticPendulum& p, const double (&s)[4]) {
  const double state[4] = {p.m_x, p.m_y, p.m_vx, p.m_vy};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(state[i], s[i], 1e-9) << "x, y, vx, vy: " << i;
}

TEST(PendulumSetup, StartsAtRestAtTheEquilibriumDepth) {
  CElasticPendulum p;
  SetUpLab(p);
  EXPECT_EQ((std::vector{p.m_x, p.m_vx, p.m_vy}), (std::vector{0.02, 0.0, 0.0}));
  EXPECT_NEAR(p.m_y, -0.5614337, 1e-7);
  EXPECT_NEAR(p.m_leftLimit, -0.2158608, 1e-7);
  EXPECT_NEAR(p.m_rightLimit, 0.2158608, 1e-7);
  EXPECT_NEAR(p.m_floorLimit, -0.9658608, 1e-7);
  EXPECT_NEAR(p.m_ceilingLimit, -0.0341392, 1e-7);
}

struct LawRow {
  double state[4], ax, ay;
};

class PendulumLawTest : public ::testing::TestWithParam<LawRow> {};

TEST_P(PendulumLawTest, Acceleration) {
  CElasticPendulum p;
  SetUpLab(p);
  Place(p, GetParam().state);
  p.ComputeAcceleration();
  EXPECT_NEAR(p.m_ax, GetParam().ax, 1e-12);
  EXPECT_NEAR(p.m_ay, GetParam().ay, 1e-12);
}

// Slack (up to the natural length): gravity and damping only. Stretched: the
// pull 27.9 N/m per metre of stretch, towards the fixed end. Within 1e-7 m
// of it: nothing.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, PendulumLawTest, ::testing::Values(
    LawRow{{0.0, -0.1, 0.5, -2.0}, -0.01, -9.805 + 0.04},
    LawRow{{0.0, -0.21, 0.0, 0.0}, 0.0, -9.805},
    // Exactly at the natural length along a slant, and a micrometre either
    // side of it: slack and stretched meet there, with no jump in the pull.
    LawRow{{0.126, -0.168, 0.0, 0.0}, 0.0, -9.805},
    LawRow{{0.0, -0.209999, 0.0, 0.0}, 0.0, -9.805},
    LawRow{{0.0, -0.210001, 0.0, 0.0}, 0.0, 27.9 * 0.000001 - 9.805},
    LawRow{{0.0, -0.22, 0.0, 0.0}, 0.0, 27.9 * 0.01 - 9.805},
    LawRow{{0.3, -0.4, 0.0, 0.0}, -27.9 * 0.29 * 0.6, 27.9 * 0.29 * 0.8 - 9.805},
    LawRow{{5e-8, -5e-8, 1.0, 1.0}, 0.0, 0.0}));
// clang-format on

TEST(PendulumLaw, BallAtTheFixedEndStaysThere) {
  CElasticPendulum p;
  SetUpLab(p);
  Place(p, {0, 0, 0, 0});
  for (int i = 0; i < 1000; ++i) p.Step();
  ExpectState(p, {0, 0, 0, 0});
}

TEST(PendulumLaw, LongRunIsPinned) {
  CElasticPendulum p;
  SetUpLab(p);
  Place(p, {-0.1, -0.3, 0.8, 1.5});
  for (int tick = 0; tick < 2000; ++tick) {
    for (int i = 0; i < 50; ++i) p.Step();
    p.Bounce();
    p.m_drawnY = p.m_y;
    p.m_drawnVy = p.m_vy;
  }
  EXPECT_EQ(p.m_x, -0x1.99e211976db3dp-7);
  EXPECT_EQ(p.m_y, -0x1.ab6e2269e29ebp-2);
  EXPECT_EQ(p.m_vx, -0x1.bd6e2edc302bp-11);
  EXPECT_EQ(p.m_vy, -0x1.f3f2bafdcf10ap-2);
}

TEST(PendulumFreeBall, EverySetupThrowsAnewWithinRange) {
  LabSrand(12345);
  CElasticPendulum p;
  bool sides[2] = {false, false};
  double lastVx = 0.0;
  for (int i = 0; i < 200; ++i) {
    SetUpLab(p, 0.0);
    EXPECT_EQ(p.m_x, 0.02);
    EXPECT_NEAR(p.m_y, -0.2, 1e-15);
    EXPECT_TRUE(std::fabs(p.m_vx) >= 0.2 && std::fabs(p.m_vx) <= 1.0) << p.m_vx;
    EXPECT_TRUE(p.m_vy >= 0.0 && p.m_vy <= 2.0) << p.m_vy;
    EXPECT_NE(p.m_vx, lastVx);
    sides[p.m_vx > 0] = true;
    lastVx = p.m_vx;
  }
  EXPECT_TRUE(sides[0] && sides[1]);
}

struct WallRow {
  const char* name;
  double k, before[4], a[2], after[4];
  double drawnY = 0, drawnVy = 0;
};

class PendulumWallTest : public ::testing::TestWithParam<WallRow> {};

TEST_P(PendulumWallTest, Bounce) {
  const WallRow& row = GetParam();
  CElasticPendulum p;
  SetUpLab(p, row.k);
  Place(p, row.before);
  p.m_ax = row.a[0];
  p.m_ay = row.a[1];
  p.m_drawnY = row.drawnY;
  p.m_drawnVy = row.drawnVy;
  p.Bounce();
  ExpectState(p, row.after);
}

// State (x, y, vx, vy) and acceleration before, state after, drawn y and vy.
// Side walls and ceiling: the speed at the crossing (back by the current
// acceleration), reversed at half. Floor: half the free-fall speed from the
// drawn state; below 0.1 m/s the ball rests and keeps 95 % sideways.
const double kFloorRebound = 0.5 * std::sqrt(1.0 + 2 * 9.805 * 0.1);
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, PendulumWallTest, ::testing::Values(
    WallRow{"Left", 27.9, {kLeft - 0.01, -0.5, -1.0, 0.2}, {2, -3}, {kLeft, -0.5, 0.51, 0.23}},
    WallRow{"Right", 27.9, {kRight + 0.02, -0.5, 2.0, 0.0}, {-4, 0}, {kRight, -0.5, -1.02, 0}},
    WallRow{"LeftRolling", 27.9, {kLeft - 0.01, kFloor, -1, 0}, {0, 0}, {kLeft, kFloor, 1, 0},
            kFloor},
    WallRow{"FloorFast", 27.9, {0, kFloor - 0.01, 0.3, -2}, {0, 0}, {0, kFloor, 0.3, kFloorRebound},
            kFloor + 0.1, -1.0},
    WallRow{"FloorSlowStays", 27.9, {0, kFloor - 0.001, 0.3, -0.05}, {0, 0},
            {0, kFloor, 0.3 * 0.95, 0}, kFloor + 1e-4, -0.01},
    WallRow{"CeilingFast", 27.9, {0, kCeiling + 0.01, 0, 1}, {0, -9.805},
            {0, kCeiling, 0, -0.5 * (1 + 0.01 * 9.805)}},
    WallRow{"CeilingSlow", 27.9, {0, kCeiling + 0.001, 0, 0.1}, {0, -9.805}, {0, kCeiling, 0, 0}},
    WallRow{"FreeBallCreepStops", 0.0, {0, -0.5, 0.005, 0}, {0, 0}, {0, -0.5, 0, 0}},
    WallRow{"StringBallCreepKept", 27.9, {0, -0.5, 0.005, 0}, {0, 0}, {0, -0.5, 0.005, 0}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// A left press places the ball; a right press starts a throw, the release
// (when given) throws it with the time step given.
struct MouseRow {
  const char* name;
  const char* key;
  int px, py;
  double after[4];
  int rx = -1, ry = -1;
  double releaseStep = 0.001;
};

class PendulumMouseTest : public ::testing::TestWithParam<MouseRow> {};

TEST_P(PendulumMouseTest, PlacesOrThrows) {
  const MouseRow& row = GetParam();
  CElasticPendulum p;
  SetUpLab(p);
  p.MouseAction(row.px, row.py, row.key, 0);
  if (row.rx >= 0) {
    p.SetTimeStep(row.releaseStep);
    p.MouseAction(row.rx, row.ry, row.key, 1);
  }
  ExpectState(p, row.after);
}

// The box: pixels 20..220 x 20..420 for x -0.25..0.25 m, y -1..0 m.
INSTANTIATE_TEST_SUITE_P(
    Rows, PendulumMouseTest,
    ::testing::Values(
        MouseRow{"LeftMiddle", "izq", 120, 220, {0.0, -0.5, 0, 0}},
        MouseRow{"LeftCorner", "izq", 20, 420, {kLeft, kFloor, 0, 0}},
        MouseRow{"LeftFarOutside", "izq", 900, -50, {kRight, kCeiling, 0, 0}},
        MouseRow{"RightCorner", "der", 20, 420, {kLeft + 0.002, kFloor + 0.002, 0, 0}},
        MouseRow{"RightOppositeCorner", "der", 220, 20, {kRight - 0.002, kCeiling - 0.002, 0, 0}},
        MouseRow{"Throw", "der", 120, 220, {0.0, -0.5, 0.5, 0}, 140, 220},
        MouseRow{"ThrowWithoutTimeStep", "der", 120, 220, {0.0, -0.5, 0, 0}, 140, 220, 0.0},
        MouseRow{"UnknownKey", "mid", 120, 220, {0.02, -(9.805 / 27.9) - 0.21, 0, 0}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

}  // namespace lab
