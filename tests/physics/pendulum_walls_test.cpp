// The walls, applied to a state that has passed a limit during a tick.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "physics/elastic_pendulum.h"

namespace {

constexpr double kTol = 1e-12;  // m and m/s

// Positions are given relative to the limits of the lab's 1.0 kg ball.
struct WallRow {
  const char* name;
  double k;
  // State before: offsets from the left limit (x) and the floor limit (y)
  // unless marked absolute by the flags below.
  double x, y, vx, vy, ax, ay;
  double drawnY, drawnVy;  // drawnY relative to the floor limit
  // Expected after.
  double xAfter, yAfter, vxAfter, vyAfter;
};
void PrintTo(const WallRow& row, std::ostream* os) { *os << row.name; }

class PendulumWallTest : public ::testing::TestWithParam<WallRow> {};

TEST_P(PendulumWallTest, Bounce) {
  const WallRow& row = GetParam();
  CElasticPendulum p;
  p.Setup(1.0, 0.0341392, row.k, 0.21, 9.805, 0.02);
  const double L = p.m_leftLimit;
  const double F = p.m_floorLimit;
  p.m_x = L + row.x;
  p.m_y = F + row.y;
  p.m_vx = row.vx;
  p.m_vy = row.vy;
  p.m_ax = row.ax;
  p.m_ay = row.ay;
  p.m_drawnY = F + row.drawnY;
  p.m_drawnVy = row.drawnVy;
  p.Bounce();
  EXPECT_NEAR(p.m_x, L + row.xAfter, kTol);
  EXPECT_NEAR(p.m_y, F + row.yAfter, kTol);
  EXPECT_NEAR(p.m_vx, row.vxAfter, kTol);
  EXPECT_NEAR(p.m_vy, row.vyAfter, kTol);
}

// Box width between the side limits: 0.4317216 m; height between floor and
// ceiling limits: 0.9317216 m.
constexpr double kWidth = 0.2158608 * 2;
constexpr double kMid = -0.5 + 0.9658608;  // y = -0.5, from the floor limit

INSTANTIATE_TEST_SUITE_P(
    Rows, PendulumWallTest,
    ::testing::Values(
        // 1 cm past the left limit at -1 m/s: crossed 0.01 s ago, when the
        // speed was -1 - 0.01 * 2; it leaves with half of that. vy is
        // corrected back too.
        WallRow{"LeftWallAboveTheFloor", 27.9, -0.01, kMid, -1.0, 0.2, 2.0, -3.0, 0.5, 0.0, 0.0,
                kMid, 0.51, 0.23},
        WallRow{"RightWall", 27.9, kWidth + 0.02, kMid, 2.0, 0.0, -4.0, 0.0, 0.5, 0.0, kWidth, kMid,
                -1.02, 0.0},
        // Rolling exactly on the floor: the wall gives the whole speed back.
        WallRow{"LeftWallOnTheFloor", 27.9, -0.01, 0.0, -1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                1.0, 0.0},
        WallRow{"WallWithoutSpeed", 27.9, -0.01, kMid, 0.0, 0.0, 1.0, 1.0, 0.5, 0.0, 0.0, kMid, 0.0,
                0.0},
        // Falling from 0.1 m above the floor at 1 m/s: 0.5 * sqrt(1 + 2 g 0.1).
        WallRow{"FloorFastRebound", 27.9, 0.2, -0.01, 0.3, -2.0, 0.0, 0.0, 0.1, -1.0, 0.2, 0.0, 0.3,
                0.5 * std::sqrt(1.0 + 2 * 9.805 * 0.1)},
        // A rebound below 0.1 m/s: rest on the floor, 5 % of the sideways speed lost.
        WallRow{"FloorSlowReboundStays", 27.9, 0.2, -0.001, 0.3, -0.05, 0.0, 0.0, 0.0001, -0.01,
                0.2, 0.0, 0.3 * 0.95, 0.0},
        WallRow{"FloorRestingRollsOut", 27.9, 0.2, -1e-5, 0.2, -0.01, 0.0, 0.0, 0.0, 0.0, 0.2, 0.0,
                0.2 * 0.95, 0.0},
        WallRow{"FloorWithoutSpeed", 27.9, 0.2, -0.01, 0.2, 0.0, 0.0, 0.0, 0.5, -3.0, 0.2, 0.0, 0.2,
                0.0},
        // 1 cm past the ceiling limit at 1 m/s: crossed at 1 + 0.01 g.
        WallRow{"CeilingFast", 27.9, 0.2, 0.9317216 + 0.01, 0.0, 1.0, 0.0, -9.805, 0.5, 0.0, 0.2,
                0.9317216, 0.0, -0.5 * (1.0 + 0.01 * 9.805)},
        // Crossed at 0.1 + 0.01 g = 0.198 m/s: half of that is below 0.1.
        WallRow{"CeilingSlowStops", 27.9, 0.2, 0.9317216 + 0.001, 0.0, 0.1, 0.0, -9.805, 0.5, 0.0,
                0.2, 0.9317216, 0.0, 0.0},
        // A free ball's creeping sideways speed stops, even at a wall; with a
        // string it is kept.
        WallRow{"FreeBallCreepStops", 0.0, 0.2, kMid, 0.005, 0.0, 0.0, 0.0, 0.5, 0.0, 0.2, kMid,
                0.0, 0.0},
        WallRow{"FreeBallCreepAtTheWall", 0.0, -0.001, kMid, -0.005, 0.0, 1.0, 0.0, 0.5, 0.0, 0.0,
                kMid, 0.0, 0.0},
        WallRow{"StringBallCreepKept", 27.9, 0.2, kMid, 0.005, 0.0, 0.0, 0.0, 0.5, 0.0, 0.2, kMid,
                0.005, 0.0}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
