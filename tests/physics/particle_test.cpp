#include "physics/particle.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lab {

namespace {

struct LinearLawRow {
  double matrix[4], rhs[2], ax, ay;
};

class LinearLawTest : public ::testing::TestWithParam<LinearLawRow> {};

TEST_P(LinearLawTest, SolvesTheSystem) {
  const LinearLawRow& row = GetParam();
  CParticle p;
  std::copy(row.matrix, row.matrix + 4, p.m_matrix);
  std::copy(row.rhs, row.rhs + 2, p.m_rhs);
  p.ComputeAcceleration();
  EXPECT_DOUBLE_EQ(p.m_ax, row.ax);
  EXPECT_DOUBLE_EQ(p.m_ay, row.ay);
}

// Regular; singular with a11 != 0 (first equation alone); singular with a11 = 0.
INSTANTIATE_TEST_SUITE_P(Rows, LinearLawTest,
                         ::testing::Values(LinearLawRow{{2, 1, 1, 3}, {5, 10}, 1, 3},
                                           LinearLawRow{{2, 4, 1, 2}, {6, 99}, 3, 0},
                                           LinearLawRow{{0, 0, 1, 4}, {7, 8}, 0, 2}));

// a = (-x, -y), counting the preparations.
class OscillatorParticle : public CParticle {
 public:
  void PrepareForces() override { ++prepared; }
  void ComputeAcceleration() override {
    m_ax = -m_x;
    m_ay = -m_y;
  }
  int prepared = 0;
};

struct StepRow {
  double dt, after[4], ax;
};

class ParticleStepTest : public ::testing::TestWithParam<StepRow> {};

TEST_P(ParticleStepTest, IsOneMidpointStep) {
  const StepRow& row = GetParam();
  OscillatorParticle p;
  p.SetTimeStep(row.dt);
  p.m_x = 1.0;
  p.m_y = -2.0;
  p.m_vx = 0.5;
  p.m_vy = 1.0;
  p.Step();
  EXPECT_EQ(p.prepared, 2);
  double state[4];
  p.GetState(state[0], state[1], state[2], state[3]);
  for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(state[i], row.after[i]) << i;
  // The midpoint's acceleration is kept for the walls.
  EXPECT_DOUBLE_EQ(p.m_ax, row.ax);
}

// From (1, -2) at (0.5, 1) m/s a step of 0.1 s has its midpoint at
// (1.025, -1.95) with (0.45, 1.1) m/s. A step of 0 changes nothing.
INSTANTIATE_TEST_SUITE_P(Rows, ParticleStepTest,
                         ::testing::Values(StepRow{0.1, {1.045, -1.89, 0.3975, 1.195}, -1.025},
                                           StepRow{0.0, {1.0, -2.0, 0.5, 1.0}, -1.0}));

}  // namespace

}  // namespace lab
