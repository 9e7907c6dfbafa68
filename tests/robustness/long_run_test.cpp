// Twelve simulated days with the stopwatch running: past 999999 s the
// display reads ERR, nothing becomes NaN and memory does not grow. Opt-in,
// best in the release build (a few minutes):
//   LAB_LONG_RUN=1 ctest --preset release -R LongRun --output-on-failure
// LAB_LONG_RUN=<ticks> runs that many ticks instead of 2 x 10^7.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/experiment/lab_actions.h"
#include "tests/robustness/lab_invariants.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

using namespace lab_actions;

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// True when the display cell at (x, 35) shows the picture of this number.
bool CellShows(const CLabDlg& dlg, int x, int image) {
  const Bitmap* picture = LoadBitmap(image);
  for (int y = 0; y < picture->height; ++y) {
    for (int dx = 0; dx < picture->width - 2; ++dx) {
      if (ToPixel(dlg.GetSurface().GetPixel(x + dx, 35 + y)) != picture->At(dx, y)) return false;
    }
  }
  return true;
}

using LongRun = LabTest;

TEST_F(LongRun, TwelveDaysWithTheStopwatchRunning) {
  if (std::getenv("LAB_LONG_RUN") == nullptr) GTEST_SKIP() << "set LAB_LONG_RUN=1 to run";
  const long ticks = std::strtol(std::getenv("LAB_LONG_RUN"), nullptr, 10) > 1
                         ? std::strtol(std::getenv("LAB_LONG_RUN"), nullptr, 10)
                         : 20000000;
  Press(*host, dlg, kPowerOn);
  Press(*host, dlg, kStart);
  long rssAfterWarmUp = 0;
  for (long done = 0; done < ticks; done += 100000) {
    host->Tick(dlg, 100000);
    ASSERT_EQ(CheckLabInvariants(dlg, *host), "") << "after " << done << " ticks";
    if (done == 1000000) rssAfterWarmUp = ResidentKilobytes();
  }
  EXPECT_GT(dlg.m_clock, 999999.0);
  EXPECT_TRUE(std::isfinite(dlg.m_pendulum.m_y));
  // E, R, R and three blank cells.
  EXPECT_TRUE(CellShows(dlg, 301, IDB_DIGIT_E));
  EXPECT_TRUE(CellShows(dlg, 316, IDB_DIGIT_R));
  EXPECT_TRUE(CellShows(dlg, 331, IDB_DIGIT_R));
  EXPECT_TRUE(CellShows(dlg, 346, IDB_DIGIT_BLANK));
  const long rssGrowth = ResidentKilobytes() - rssAfterWarmUp;
  std::printf("long run: %ld ticks, clock %.1f s, resident memory grew %ld kB\n", ticks,
              dlg.m_clock, rssGrowth);
  EXPECT_LT(rssGrowth, 1024);
}

}  // namespace

}  // namespace lab
