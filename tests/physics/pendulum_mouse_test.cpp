// Placing the ball with the left button and throwing it with the right one,
// as the main dialog's handlers call it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "physics/elastic_pendulum.h"

namespace {

constexpr double kPositionTol = 1e-12;  // m
constexpr double kSpeedTol = 1e-9;      // m/s
// Where the lab's set-up leaves the ball, m.
constexpr double kStartY = -(9.805 * 1.0 / 27.9) - 0.21;

struct Press {
  int px, py;
  const char* key;
  int phase;
  double dtBefore;  // the time step the caller sets first; < 0 leaves it
};

// Expected positions are given either as values or relative to the limits.
enum class Ref { Value, Left, Right, Floor, Ceiling };

struct MouseRow {
  const char* name;
  std::vector<Press> presses;
  Ref xRef;
  double x;  // the value, or the offset from the limit
  Ref yRef;
  double y;
  double vx, vy;
  bool skipBounce;
};
void PrintTo(const MouseRow& row, std::ostream* os) { *os << row.name; }

double Resolve(const CElasticPendulum& p, Ref ref, double v) {
  switch (ref) {
    case Ref::Left:
      return p.m_leftLimit + v;
    case Ref::Right:
      return p.m_rightLimit + v;
    case Ref::Floor:
      return p.m_floorLimit + v;
    case Ref::Ceiling:
      return p.m_ceilingLimit + v;
    case Ref::Value:
      break;
  }
  return v;
}

class PendulumMouseTest : public ::testing::TestWithParam<MouseRow> {};

TEST_P(PendulumMouseTest, PlacesOrThrows) {
  const MouseRow& row = GetParam();
  CElasticPendulum p;
  p.Setup(1.0, 0.0341392, 27.9, 0.21, 9.805, 0.02);
  p.SetTimeStep(0.001);
  for (const Press& press : row.presses) {
    if (press.dtBefore >= 0) p.SetTimeStep(press.dtBefore);
    p.MouseAction(press.px, press.py, press.key, press.phase);
  }
  EXPECT_NEAR(p.m_x, Resolve(p, row.xRef, row.x), kPositionTol);
  EXPECT_NEAR(p.m_y, Resolve(p, row.yRef, row.y), kPositionTol);
  EXPECT_NEAR(p.m_vx, row.vx, kSpeedTol);
  EXPECT_NEAR(p.m_vy, row.vy, kSpeedTol);
  EXPECT_EQ(p.m_skipBounce, row.skipBounce);
}

// The box: pixels 20..220 x 20..420 for x -0.25..0.25 m, y -1..0 m.
INSTANTIATE_TEST_SUITE_P(
    Rows, PendulumMouseTest,
    ::testing::Values(MouseRow{"LeftPressInTheMiddle",
                               {{120, 220, "izq", 0, 0.001}},
                               Ref::Value,
                               0.0,
                               Ref::Value,
                               -0.5,
                               0,
                               0,
                               false},
                      MouseRow{"LeftPressIgnoresThePhase",
                               {{120, 220, "izq", 7, 0.001}},
                               Ref::Value,
                               0.0,
                               Ref::Value,
                               -0.5,
                               0,
                               0,
                               false},
                      MouseRow{"LeftPressInTheLowerLeftCorner",
                               {{20, 420, "izq", 0, 0.001}},
                               Ref::Left,
                               0.0,
                               Ref::Floor,
                               0.0,
                               0,
                               0,
                               false},
                      MouseRow{"LeftPressFarOutsideUpperRight",
                               {{900, -50, "izq", 0, 0.001}},
                               Ref::Right,
                               0.0,
                               Ref::Ceiling,
                               0.0,
                               0,
                               0,
                               false},
                      MouseRow{"RightPressInTheCornerStaysInside",
                               {{20, 420, "der", 0, 0.0}},
                               Ref::Left,
                               0.002,
                               Ref::Floor,
                               0.002,
                               0,
                               0,
                               true},
                      MouseRow{"RightPressUpperRightCorner",
                               {{220, 20, "der", 0, 0.0}},
                               Ref::Right,
                               -0.002,
                               Ref::Ceiling,
                               -0.002,
                               0,
                               0,
                               true},
                      // A drag of 20 pixels (0.05 m) to the right: 0.5 m/s to the right.
                      MouseRow{"ThrowToTheRight",
                               {{120, 220, "der", 0, 0.0}, {140, 220, "der", 1, 0.001}},
                               Ref::Value,
                               0.0,
                               Ref::Value,
                               -0.5,
                               0.5,
                               0,
                               true},
                      // Upwards and to the left, released outside the box: not clamped.
                      MouseRow{"ThrowReleasedOutside",
                               {{120, 220, "der", 0, 0.0}, {60, 0, "der", 1, 0.001}},
                               Ref::Value,
                               0.0,
                               Ref::Value,
                               -0.5,
                               -1.5,
                               5.5,
                               true},
                      // Released without a time step: back at the press point at rest,
                      // not with an infinite speed.
                      MouseRow{"ReleaseWithoutTimeStep",
                               {{120, 220, "der", 0, 0.0}, {140, 220, "der", 1, -1}},
                               Ref::Value,
                               0.0,
                               Ref::Value,
                               -0.5,
                               0,
                               0,
                               true},
                      // A right press, a left press elsewhere, a right release: thrown
                      // from the first press point.
                      MouseRow{"LeftPressBetweenPressAndRelease",
                               {{120, 220, "der", 0, 0.0},
                                {60, 100, "izq", 0, 0.001},
                                {120, 240, "der", 1, 0.001}},
                               Ref::Value,
                               0.0,
                               Ref::Value,
                               -0.5,
                               0,
                               -0.5,
                               true},
                      MouseRow{"UnknownKeyChangesNothing",
                               {{120, 220, "mid", 0, 0.001}},
                               Ref::Value,
                               0.02,
                               Ref::Value,
                               kStartY,
                               0,
                               0,
                               false},
                      MouseRow{"RightWithAnotherPhaseChangesNothing",
                               {{120, 220, "der", 2, 0.001}},
                               Ref::Value,
                               0.02,
                               Ref::Value,
                               kStartY,
                               0,
                               0,
                               false}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
