// One tick of the main dialog's 50 ms timer, delivered by the host as the
// shell delivers it: 50 steps of the ball, its erasing and drawing, the
// clock handed to the stopwatch and the stopwatch's refresh.
#include <benchmark/benchmark.h>

#include "bench/open_lab.h"

namespace lab {

namespace {

// Ticks between two releases of the ball: 20 s of simulated time.
constexpr int kTicksPerSwing = 400;

// Also counts the pixels each tick reports changed: the parts of the window
// that the shell copies to the screen after the tick.
void RunTicks(benchmark::State& state, bench::OpenLab& lab) {
  lab.ReleaseBall();
  lab.host->TakeChangedParts(lab.dlg);
  int ticks = 0;
  double changedPixels = 0.0;
  for (auto _ : state) {
    if (++ticks == kTicksPerSwing) {
      ticks = 0;
      lab.ReleaseBall();
    }
    lab.host->Tick(lab.dlg);
    for (const CRect& changed : lab.host->TakeChangedParts(lab.dlg)) {
      changedPixels += static_cast<double>(changed.Width()) * changed.Height();
    }
  }
  benchmark::DoNotOptimize(lab.dlg.m_clock);
  state.counters["changed_px"] =
      benchmark::Counter(changedPixels, benchmark::Counter::kAvgIterations);
}

void BM_Tick_StopwatchOff(benchmark::State& state) {
  bench::OpenLab lab;
  RunTicks(state, lab);
}
BENCHMARK(BM_Tick_StopwatchOff)->Unit(benchmark::kMicrosecond);

void BM_Tick_StopwatchRunning(benchmark::State& state) {
  bench::OpenLab lab;
  lab.RunStopwatch();
  if (!lab.dlg.m_stopwatch.IsOn() || lab.dlg.m_stopwatch.IsStopped()) {
    state.SkipWithError("the stopwatch did not start");
    return;
  }
  RunTicks(state, lab);
}
BENCHMARK(BM_Tick_StopwatchRunning)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace lab
