#include "shell/qt/run_report.h"

#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

namespace lab {

namespace run_report {
namespace {
QElapsedTimer g_clock;
long long g_firstFrame = -1;
long long g_firstTick = -1;
long long g_ticks = 0;
}  // namespace

void StartClock() { g_clock.start(); }

void NoteFrame() {
  if (g_firstFrame < 0 && g_clock.isValid()) g_firstFrame = g_clock.elapsed();
}

void NoteTick() {
  if (g_firstTick < 0 && g_clock.isValid()) g_firstTick = g_clock.elapsed();
  ++g_ticks;
}

void Write() {
  const char* path = std::getenv("LAB_BENCH_REPORT");
  if (path == nullptr || !g_clock.isValid()) return;
  if (std::FILE* file = std::fopen(path, "w")) {
    const long long run = g_firstTick < 0 ? 0 : g_clock.elapsed() - g_firstTick;
    std::fprintf(file, "first_frame_ms=%lld ticks=%lld run_ms=%lld\n", g_firstFrame, g_ticks, run);
    std::fclose(file);
  }
}

}  // namespace run_report

}  // namespace lab
