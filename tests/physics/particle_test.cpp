#include "physics/particle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct LinearLawRow {
  double a11, a12, a21, a22, b1, b2, ax, ay;
};

class LinearLawTest : public ::testing::TestWithParam<LinearLawRow> {};

TEST_P(LinearLawTest, SolvesTheSystem) {
  const LinearLawRow& row = GetParam();
  CParticle p;
  const double matrix[4] = {row.a11, row.a12, row.a21, row.a22};
  std::copy(matrix, matrix + 4, p.m_matrix);
  p.m_rhs[0] = row.b1;
  p.m_rhs[1] = row.b2;
  p.ComputeAcceleration();
  EXPECT_DOUBLE_EQ(p.m_ax, row.ax);
  EXPECT_DOUBLE_EQ(p.m_ay, row.ay);
}

// Regular; singular with a11 != 0 (first equation alone); singular with a11 = 0.
INSTANTIATE_TEST_SUITE_P(Rows, LinearLawTest,
                         ::testing::Values(LinearLawRow{2, 1, 1, 3, 5, 10, 1, 3},
                                           LinearLawRow{2, 4, 1, 2, 6, 99, 3, 0},
                                           LinearLawRow{0, 0, 1, 4, 7, 8, 0, 2}));

// a = (-x, 0), recording where it is evaluated.
class OscillatorParticle : public CParticle {
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

TEST(ParticleStep, IsOneMidpointStep) {
  OscillatorParticle p;
  p.SetTimeStep(0.1);
  p.m_x = 1.0;
  p.m_vx = 0.5;
  p.Step();
  EXPECT_EQ(p.prepared, 2);
  EXPECT_DOUBLE_EQ(p.evaluatedAt[0], 1.0);
  EXPECT_DOUBLE_EQ(p.evaluatedAt[1], 1.025);
  EXPECT_DOUBLE_EQ(p.m_x, 1.045);
  EXPECT_DOUBLE_EQ(p.m_vx, 0.5 - 1.025 * 0.1);
  EXPECT_DOUBLE_EQ(p.m_ax, -1.025);
}

TEST(ParticleStep, ZeroStepLeavesTheState) {
  OscillatorParticle p;
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
}

}  // namespace
