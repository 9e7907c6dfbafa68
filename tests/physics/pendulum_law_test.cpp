// The ball on the elastic string: set-up, acceleration law and long runs.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "physics/elastic_pendulum.h"
#include "platform/runtime.h"

namespace {

// Tolerances, with their units.
constexpr double kSevenDigitsM = 1e-7;      // m, values quoted to seven digits
constexpr double kAccelerationTol = 1e-12;  // m/s^2

// The lab's values for 1.0 kg.
constexpr double kMass = 1.0;
constexpr double kRadius = 0.0341392;
constexpr double kK = 27.9;
constexpr double kL0 = 0.21;
constexpr double kG = 9.805;
constexpr double kDamping = 0.02;

void SetUpLab(CElasticPendulum& p, double damping = kDamping) {
  p.Setup(kMass, kRadius, kK, kL0, kG, damping);
  p.SetTimeStep(0.001);
}

void PlaceAt(CElasticPendulum& p, double x, double y, double vx, double vy) {
  p.m_x = x;
  p.m_y = y;
  p.m_vx = vx;
  p.m_vy = vy;
}

// Kinetic + gravitational + elastic energy, J.
double Energy(const CElasticPendulum& p) {
  const double r = std::sqrt(p.m_x * p.m_x + p.m_y * p.m_y);
  const double stretch = r > p.m_naturalLength ? r - p.m_naturalLength : 0.0;
  return 0.5 * p.m_mass * (p.m_vx * p.m_vx + p.m_vy * p.m_vy) + p.m_mass * p.m_g * p.m_y +
         0.5 * p.m_k * stretch * stretch;
}

TEST(PendulumSetup, StartsAtRestAtTheEquilibriumDepth) {
  CElasticPendulum p;
  p.SetTimeStep(0.001);
  SetUpLab(p);
  EXPECT_EQ(p.m_x, 0.02);
  EXPECT_NEAR(p.m_y, -0.5614337, kSevenDigitsM);
  EXPECT_EQ(p.m_vx, 0.0);
  EXPECT_EQ(p.m_vy, 0.0);
  EXPECT_NEAR(p.m_leftLimit, -0.2158608, kSevenDigitsM);
  EXPECT_NEAR(p.m_rightLimit, 0.2158608, kSevenDigitsM);
  EXPECT_NEAR(p.m_floorLimit, -0.9658608, kSevenDigitsM);
  EXPECT_NEAR(p.m_ceilingLimit, -0.0341392, kSevenDigitsM);
  EXPECT_EQ(p.m_restitution, 0.5);
  EXPECT_EQ(p.m_pressX, p.m_x);
  EXPECT_EQ(p.m_pressY, p.m_y);
  EXPECT_TRUE(p.IsSetUp());
  EXPECT_EQ(p.m_stringPen.Color(), RGB(0, 30, 40));
  EXPECT_EQ(p.m_ballBrush.Color(), RGB(255, 155, 106));
  EXPECT_EQ(p.m_ringBrush.Color(), RGB(50, 90, 150));
}

TEST(PendulumSetup, KeepsTheTimeStepAndTheDrawnState) {
  CElasticPendulum p;
  p.SetTimeStep(0.0);
  p.m_drawnX = 0.1;
  p.m_drawnVy = -3.0;
  p.m_skipBounce = true;
  SetUpLab(p);
  p.SetTimeStep(0.0);
  p.Setup(1.5, 0.04, kK, kL0, kG, kDamping);
  EXPECT_EQ(p.m_dt, 0.0);
  EXPECT_EQ(p.m_drawnX, 0.1);
  EXPECT_EQ(p.m_drawnVy, -3.0);
  EXPECT_TRUE(p.m_skipBounce);
}

struct LawRow {
  const char* name;
  double x, y, vx, vy;
  double ax, ay;  // expected, m/s^2
};
void PrintTo(const LawRow& row, std::ostream* os) { *os << row.name; }

class PendulumLawTest : public ::testing::TestWithParam<LawRow> {};

TEST_P(PendulumLawTest, Acceleration) {
  const LawRow& row = GetParam();
  CElasticPendulum p;
  SetUpLab(p);
  PlaceAt(p, row.x, row.y, row.vx, row.vy);
  p.ComputeAcceleration();
  EXPECT_NEAR(p.m_ax, row.ax, kAccelerationTol);
  EXPECT_NEAR(p.m_ay, row.ay, kAccelerationTol);
}

// k/m = 27.9 1/s^2 for the lab's 1.0 kg.
INSTANTIATE_TEST_SUITE_P(
    Rows, PendulumLawTest,
    ::testing::Values(
        // Slack string: gravity and damping only.
        LawRow{"SlackAtRest", 0.0, -0.1, 0.0, 0.0, 0.0, -9.805},
        LawRow{"SlackMoving", 0.0, -0.1, 0.5, -2.0, -0.01, -9.805 + 0.04},
        // At exactly the natural length the string does not pull yet.
        LawRow{"AtNaturalLength", 0.0, -0.21, 0.0, 0.0, 0.0, -9.805},
        // Stretched 1 cm and 2 cm straight down: the pull grows with the stretch.
        LawRow{"StretchedOneCm", 0.0, -0.22, 0.0, 0.0, 0.0, 27.9 * 0.01 - 9.805},
        LawRow{"StretchedTwoCm", 0.0, -0.23, 0.0, 0.0, 0.0, 27.9 * 0.02 - 9.805},
        // At (0.3, -0.4), r = 0.5: the pull 27.9 * 0.29 points back to the
        // fixed end, along (-0.6, 0.8).
        LawRow{"StretchedAslant", 0.3, -0.4, 0.0, 0.0, -27.9 * 0.29 * 0.6,
               27.9 * 0.29 * 0.8 - 9.805},
        // At the fixed end nothing acts, not even gravity or damping.
        LawRow{"AtTheFixedEnd", 0.0, 0.0, 1.0, 1.0, 0.0, 0.0},
        LawRow{"WithinTheGuard", 5e-8, -5e-8, 1.0, 1.0, 0.0, 0.0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PendulumLaw, BallAtTheFixedEndStaysThere) {
  CElasticPendulum p;
  SetUpLab(p);
  PlaceAt(p, 0.0, 0.0, 0.0, 0.0);
  for (int i = 0; i < 1000; ++i) p.Step();
  EXPECT_EQ(p.m_x, 0.0);
  EXPECT_EQ(p.m_y, 0.0);
  EXPECT_EQ(p.m_vx, 0.0);
  EXPECT_EQ(p.m_vy, 0.0);
}

TEST(PendulumLaw, EnergyIsKeptWithoutDampingAndDecaysWithIt) {
  CElasticPendulum undamped;
  SetUpLab(undamped, 0.0);
  PlaceAt(undamped, 0.05, -0.45, 0.0, 0.0);
  const double e0 = Energy(undamped);
  for (int i = 0; i < 10000; ++i) undamped.Step();  // 10 s
  EXPECT_NEAR(Energy(undamped), e0, 1e-6 * std::fabs(e0));

  CElasticPendulum damped;
  SetUpLab(damped);
  PlaceAt(damped, 0.05, -0.45, 0.0, 0.0);
  double previous = Energy(damped);
  for (int second = 0; second < 10; ++second) {
    for (int i = 0; i < 1000; ++i) damped.Step();
    const double now = Energy(damped);
    EXPECT_LT(now, previous) << "after " << second + 1 << " s";
    previous = now;
  }
}

// Same start, same steps, same walls: the same end state to the last bit.
// The pinned values guard against any change in the order of operations.
TEST(PendulumLaw, LongRunIsDeterministic) {
  CElasticPendulum p;
  SetUpLab(p);
  PlaceAt(p, -0.1, -0.3, 0.8, 1.5);
  for (int tick = 0; tick < 2000; ++tick) {  // 100 s of ticks with walls
    for (int i = 0; i < 50; ++i) p.Step();
    p.Bounce();
    p.m_drawnX = p.m_x;
    p.m_drawnY = p.m_y;
    p.m_drawnVx = p.m_vx;
    p.m_drawnVy = p.m_vy;
  }
  EXPECT_EQ(p.m_x, -0x1.99e211976db3dp-7);
  EXPECT_EQ(p.m_y, -0x1.ab6e2269e29ebp-2);
  EXPECT_EQ(p.m_vx, -0x1.bd6e2edc302bp-11);
  EXPECT_EQ(p.m_vy, -0x1.f3f2bafdcf10ap-2);
}

TEST(PendulumFreeBall, EverySetupThrowsAnew) {
  LabSrand(12345);
  CElasticPendulum p;
  bool left = false;
  bool right = false;
  double lastVx = 0.0;
  double lastVy = 0.0;
  for (int i = 0; i < 200; ++i) {
    p.Setup(kMass, kRadius, 0.0, kL0, kG, kDamping);
    EXPECT_EQ(p.m_x, 0.02);
    EXPECT_NEAR(p.m_y, -0.2, 1e-15);
    EXPECT_GE(std::fabs(p.m_vx), 0.2);
    EXPECT_LE(std::fabs(p.m_vx), 1.0);
    EXPECT_GE(p.m_vy, 0.0);
    EXPECT_LE(p.m_vy, 2.0);
    EXPECT_FALSE(p.m_vx == lastVx && p.m_vy == lastVy) << "set-up " << i;
    (p.m_vx < 0 ? left : right) = true;
    lastVx = p.m_vx;
    lastVy = p.m_vy;
  }
  EXPECT_TRUE(left);
  EXPECT_TRUE(right);
}

}  // namespace
