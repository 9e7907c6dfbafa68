// One midpoint step of the ball on the elastic string, set up as the main
// dialog sets it up at start-up.
#include <benchmark/benchmark.h>

#include "bench/open_lab.h"
#include "physics/ball_radius.h"
#include "physics/elastic_pendulum.h"

namespace lab {

namespace {

void BM_ParticleStep(benchmark::State& state) {
  CElasticPendulum ball;
  const double mass = 1.0;  // kg
  ball.Setup(mass, BallRadiusFromMass(mass), 27.9, 0.21, 9.805, 0.02);
  ball.SetTimeStep(0.001);
  std::int64_t steps = 0;
  for (auto _ : state) {
    // Back to the release point now and then, so that the ball keeps
    // swinging with the string stretched and slack in turn.
    if ((++steps & 0xFFFF) == 0) {
      ball.m_x = bench::kReleaseX;
      ball.m_y = bench::kReleaseY;
      ball.m_vx = 0.0;
      ball.m_vy = 0.0;
    }
    ball.Step();
    benchmark::DoNotOptimize(ball.m_x);
    benchmark::DoNotOptimize(ball.m_y);
  }
}
BENCHMARK(BM_ParticleStep)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace lab
