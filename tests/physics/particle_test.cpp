// The integrator and the base class's own linear acceleration law.
#include "physics/particle.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct LinearLawRow {
  const char* name;
  double a11, a12, a21, a22;
  double b1, b2;
  double ax, ay;
};
void PrintTo(const LinearLawRow& row, std::ostream* os) { *os << row.name; }

class LinearLawTest : public ::testing::TestWithParam<LinearLawRow> {};

TEST_P(LinearLawTest, SolvesTheSystem) {
  const LinearLawRow& row = GetParam();
  CParticle p;
  p.m_matrix[0] = row.a11;
  p.m_matrix[1] = row.a12;
  p.m_matrix[2] = row.a21;
  p.m_matrix[3] = row.a22;
  p.m_rhs[0] = row.b1;
  p.m_rhs[1] = row.b2;
  p.ComputeAcceleration();
  EXPECT_DOUBLE_EQ(p.m_ax, row.ax);
  EXPECT_DOUBLE_EQ(p.m_ay, row.ay);
}

INSTANTIATE_TEST_SUITE_P(Rows, LinearLawTest,
                         ::testing::Values(
                             // 2 ax + ay = 5, ax + 3 ay = 10: ax = 1, ay = 3.
                             LinearLawRow{"Regular", 2, 1, 1, 3, 5, 10, 1, 3},
                             // Singular with a11 != 0: the first equation alone, ay = 0.
                             LinearLawRow{"SingularFirstRow", 2, 4, 1, 2, 6, 99, 3, 0},
                             // Singular with a11 = 0: the second equation alone, ax = 0.
                             LinearLawRow{"SingularA11Zero", 0, 0, 1, 4, 7, 8, 0, 2}),
                         [](const auto& row) { return std::string(row.param.name); });

// A law that counts its evaluations and gives a = (-x, 0): a harmonic
// oscillator along x, for which one midpoint step is known in closed form.
class CountingParticle : public CParticle {
 public:
  void PrepareForces() override { ++prepared; }
  void ComputeAcceleration() override {
    if (evaluated < 2) evaluatedAt[evaluated] = m_x;
    ++evaluated;
    m_ax = -m_x;
    m_ay = 0.0;
  }
  int prepared = 0;
  int evaluated = 0;
  double evaluatedAt[2] = {0.0, 0.0};
};

TEST(ParticleStep, IsOneMidpointStepWithTwoEvaluations) {
  CountingParticle p;
  p.SetTimeStep(0.1);
  p.m_x = 1.0;
  p.m_vx = 0.5;
  p.Step();

  EXPECT_EQ(p.prepared, 2);
  EXPECT_EQ(p.evaluated, 2);
  // The second evaluation is at the midpoint x0 + vx0 h / 2.
  EXPECT_DOUBLE_EQ(p.evaluatedAt[0], 1.0);
  EXPECT_DOUBLE_EQ(p.evaluatedAt[1], 1.025);
  // Midpoint velocity vx0 + a0 h/2 = 0.45; x = x0 + 0.45 h; vx = vx0 + a_mid h.
  EXPECT_DOUBLE_EQ(p.m_x, 1.045);
  EXPECT_DOUBLE_EQ(p.m_vx, 0.5 - 1.025 * 0.1);
  // The acceleration left behind is the midpoint's, not the new state's.
  EXPECT_DOUBLE_EQ(p.m_ax, -1.025);
}

TEST(ParticleStep, ZeroStepFreezesTheState) {
  CountingParticle p;
  p.SetTimeStep(0.0);
  p.m_x = 0.3;
  p.m_y = -0.2;
  p.m_vx = 1.5;
  p.m_vy = -2.5;
  for (int i = 0; i < 10; ++i) p.Step();
  double x, y, vx, vy;
  p.GetState(x, y, vx, vy);
  EXPECT_EQ(x, 0.3);
  EXPECT_EQ(y, -0.2);
  EXPECT_EQ(vx, 1.5);
  EXPECT_EQ(vy, -2.5);
  // The law is still evaluated.
  EXPECT_EQ(p.evaluated, 20);
  EXPECT_EQ(p.m_halfDt, 0.0);
}

}  // namespace
