// The main window's whole paint, the graph panel on its own, the graph's
// tick labels and one reading of the seven-segment display.
#include <benchmark/benchmark.h>

#include "bench/open_lab.h"
#include "draw/lcd_display.h"
#include "res/resource_ids.h"

namespace lab {

namespace {

void BM_Paint(benchmark::State& state) {
  bench::OpenLab lab;
  lab.FillPoints(static_cast<int>(state.range(0)));
  for (auto _ : state) lab.host->Paint(lab.dlg);
  benchmark::DoNotOptimize(lab.dlg.GetSurface().GetPixel(300, 200));
}
BENCHMARK(BM_Paint)->ArgName("points")->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_DrawGraphPanel(benchmark::State& state) {
  bench::OpenLab lab;
  lab.FillPoints(static_cast<int>(state.range(0)));
  CClientDC dc(&lab.dlg);
  for (auto _ : state) lab.dlg.DrawGraphPanel(dc);
  benchmark::DoNotOptimize(lab.dlg.GetSurface().GetPixel(300, 200));
}
BENCHMARK(BM_DrawGraphPanel)->ArgName("points")->Arg(3)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_DrawTickLabels(benchmark::State& state) {
  bench::OpenLab lab;
  CClientDC dc(&lab.dlg);
  for (auto _ : state) lab.dlg.m_graph.DrawTickLabels(dc, true, true);
  benchmark::DoNotOptimize(lab.dlg.GetSurface().GetPixel(300, 380));
}
BENCHMARK(BM_DrawTickLabels)->Unit(benchmark::kMicrosecond);

void BM_LcdDrawNumber(benchmark::State& state) {
  bench::OpenLab lab;
  // The stopwatch's display: six cells with one decimal at (301, 35).
  CLcdDisplay display;
  display.Init(301, 35, 6, 1, IDB_DIGIT_0, 14, 19);
  CClientDC dc(&lab.dlg);
  int tenths = 0;
  for (auto _ : state) {
    // A running reading: every call shows a different number.
    tenths = (tenths + 7) % 100000;
    display.DrawNumber(dc, tenths * 0.1);
  }
  benchmark::DoNotOptimize(lab.dlg.GetSurface().GetPixel(310, 40));
}
BENCHMARK(BM_LcdDrawNumber)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace lab
