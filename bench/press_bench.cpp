// One press of the stopwatch's start button, which stays down 0.1 s: the
// processor time it costs. The host holds the window as the desktop does,
// sleeping; beside it, the same picture button waiting on the run-time clock
// in a loop, as a surface that belongs to no window still does, for
// comparison.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "app/lab_dlg.h"
#include "bench/open_lab.h"
#include "draw/image_button.h"
#include "res/resource_ids.h"

namespace lab {

namespace {

// The headless host, but holding the window the desktop's way: it sleeps.
class SleepingHost : public HeadlessHost {
 public:
  void HoldWindow(Dialog& dialog, unsigned milliseconds) override {
    HeadlessHost::HoldWindow(dialog, milliseconds);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
};

void BM_Press_HeldByTheHost(benchmark::State& state) {
  LabResourcesInstalled resources;
  SleepingHost host;
  WindowHost* previous = HasWindowHost() ? &GetWindowHost() : nullptr;
  SetWindowHost(&host);
  {
    CLabDlg dlg;
    host.Open(dlg);
    const int holdsBefore = host.HoldCount();
    for (auto _ : state) {
      host.LeftDown(dlg, layout::kStartPoint.x, layout::kStartPoint.y);
      host.LeftUp(dlg, layout::kStartPoint.x, layout::kStartPoint.y);
    }
    if (host.HoldCount() - holdsBefore != static_cast<int>(state.iterations())) {
      state.SkipWithError("a press did not hold the window");
    }
    host.Close(dlg);
  }
  SetWindowHost(previous);
}
BENCHMARK(BM_Press_HeldByTheHost)->Unit(benchmark::kMillisecond)->UseRealTime();

// A listener that presents and nothing more: the hold falls back to waiting
// on the clock.
struct BareListener : SurfaceListener {
  void SurfaceChanged(const CRect&) override {}
  void PresentNow() override {}
};

void BM_Press_WaitingOnTheClock(benchmark::State& state) {
  LabResourcesInstalled resources;
  ScopedHeadlessHost host;
  host->SetClock(HeadlessHost::Clock::Real);
  Surface surface(690, 479, RGB(255, 255, 255));
  BareListener listener;
  surface.SetListener(&listener);
  CImageButton start;
  start.Init(326, 73, IDB_START, IDB_START_PRESSED, 3, 3, 29, 15);
  for (auto _ : state) {
    CDC dc(surface);
    benchmark::DoNotOptimize(start.HitPress(dc, 340, 80));
  }
  surface.SetListener(nullptr);
}
BENCHMARK(BM_Press_WaitingOnTheClock)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

}  // namespace lab
