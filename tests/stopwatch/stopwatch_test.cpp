#include "stopwatch/stopwatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "res/lab_layout.h"
#include "res/resource_ids.h"
#include "shell/headless/headless_host.h"
#include "tests/experiment/lab_actions.h"

namespace lab {

namespace {

// Every picture is one colour of its own, made from its number.
COLORREF ColourOf(int id) { return RGB(id - 100, 200, 3); }

// The stopwatch's pictures: 15 x 22 like a display cell, the point 2 x 2.
void InstallPictures() {
  static const struct Store {
    std::vector<std::vector<std::uint32_t>> pixels;
    std::vector<BitmapResource> bitmaps;
    ResourceTable table;
    Store() {
      for (int id = IDB_DIGIT_0; id <= IDB_START_PRESSED; ++id) {
        const int w = id == IDB_DIGIT_POINT ? 2 : 15, h = id == IDB_DIGIT_POINT ? 2 : 22;
        pixels.emplace_back(static_cast<std::size_t>(w * h), ToPixel(ColourOf(id)));
        bitmaps.push_back({id, Bitmap{w, h, pixels.back().data()}});
      }
      table.bitmaps = bitmaps;
    }
  } store;
  InstallResources(store.table);
}

// Client points of the controls for the panel at its place in the lab, and
// one that misses them all.
using lab_actions::kPowerOff, lab_actions::kPowerOn, lab_actions::kReset, lab_actions::kStart,
    lab_actions::kStop;
constexpr CPoint kNowhere{200, 200};
constexpr const char* kBlank = "      ";

class StopwatchTest : public ::testing::Test {
 protected:
  StopwatchTest() {
    InstallPictures();
    watch.Init(layout::kStopwatchOrigin.x, layout::kStopwatchOrigin.y);
  }

  int Click(CPoint p) { return watch.OnClick(dc, p.x, p.y); }
  // Refreshes, and tells whether anything was drawn.
  bool Refresh() {
    CDC probe(surface);
    watch.Refresh(probe);
    return !probe.Changed().IsRectEmpty();
  }
  // n timer ticks of 0.05 s, each followed by a refresh, as the dialog does.
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) {
      clock += 0.05;
      watch.SetClock(clock);
      Refresh();
    }
  }
  // The six cells as text, with a '.' where a point is drawn after a cell.
  std::string Display() const {
    std::string text;
    for (int c = 0; c < 6; ++c) {
      const COLORREF cell = surface.GetPixel(301 + 15 * c + 5, 40);
      char shown = '?';
      for (int id = IDB_DIGIT_0; id <= IDB_DIGIT_R; ++id)
        if (cell == ColourOf(id)) shown = "0123456789 ?-ER"[id - IDB_DIGIT_0];
      text += shown;
      if (surface.GetPixel(301 + 15 * c + 14, 54) == ColourOf(IDB_DIGIT_POINT)) text += '.';
    }
    return text;
  }
  bool SwitchShowsOn() const { return surface.GetPixel(261, 39) == ColourOf(IDB_SWITCH_ON); }

  ScopedHeadlessHost host;  // its clock advances 1 ms a reading: no real waits
  Surface surface{690, 479, RGB(1, 2, 3)};
  CDC dc{surface};
  CStopwatch watch;
  double clock = 0.0;
};

// Off after Init: blanked once by the first refresh, then left alone.
TEST_F(StopwatchTest, PowerOffBlanksAtOnceAndOnShowsZeroFromTheNextTick) {
  EXPECT_TRUE(Refresh());
  EXPECT_EQ(Display(), kBlank);
  Ticks(5);
  EXPECT_FALSE(Refresh());
  EXPECT_EQ(Click(kStart), CStopwatch::kStarted);  // but nothing runs
  EXPECT_EQ(Click(kStop), CStopwatch::kNothing);
  Click(kPowerOn);
  Click(kStart);
  Ticks(30);
  EXPECT_EQ(Display(), "    1.5");
  EXPECT_EQ(Click(kReset), CStopwatch::kReset);
  EXPECT_EQ(Display(), "    0.0");  // at once, running on from zero
  EXPECT_EQ(Click(kPowerOff), CStopwatch::kPowerSwitched);
  EXPECT_EQ(Display(), kBlank);
  EXPECT_FALSE(SwitchShowsOn());
  EXPECT_FALSE(Refresh());

  EXPECT_EQ(Click(kPowerOn), CStopwatch::kPowerSwitched);
  EXPECT_TRUE(SwitchShowsOn());
  EXPECT_EQ(Display(), kBlank);  // not drawn by the click itself
  Ticks(1);
  EXPECT_EQ(Display(), "    0.0");
}

enum class State { Off, Halted, Running };

struct TableRow {
  const char* name;
  int prepared;  // 0 Off, 1 Halted at 0.0, 2 Halted with 2.5, 3 Running from 0.0,
                 // 4 Running after a stop at 2.5, 5 Off after that
  CPoint control;
  int result;
  State after;
  double measured, start;
  const char* display;  // after a repaint at clock 10
};
void PrintTo(const TableRow& row, std::ostream* os) { *os << row.name; }

class StopwatchTableTest : public StopwatchTest, public ::testing::WithParamInterface<TableRow> {};

TEST_P(StopwatchTableTest, Walk) {
  const TableRow& row = GetParam();
  // Power on at 1.0 s, start at 2.0 s, stop at 4.5 s, start again at 6.0 s,
  // power off at 7.0 s.
  const std::pair<double, CPoint> steps[] = {
      {1.0, kPowerOn}, {2.0, kStart}, {4.5, kStop}, {6.0, kStart}, {7.0, kPowerOff}};
  const int count[] = {0, 1, 3, 2, 4, 5};
  for (int i = 0; i < count[row.prepared]; ++i) {
    watch.SetClock(steps[i].first);
    Click(steps[i].second);
  }
  watch.SetClock(10.0);
  EXPECT_EQ(Click(row.control), row.result);
  const State state = !watch.IsOn()       ? State::Off
                      : watch.IsStopped() ? State::Halted
                                          : State::Running;
  EXPECT_EQ(state, row.after);
  EXPECT_DOUBLE_EQ(watch.GetMeasured(), row.measured);
  EXPECT_DOUBLE_EQ(watch.StartTime(), row.start);
  watch.Draw(dc);
  EXPECT_EQ(Display(), row.display);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, StopwatchTableTest, ::testing::Values(
    TableRow{"OffSwitch", 0, kPowerOn, 0, State::Halted, 0.0, 10.0, "    0.0"},
    TableRow{"OffReset", 0, kReset, 1, State::Off, 0.0, 10.0, kBlank},
    TableRow{"OffStart", 0, kStart, 2, State::Off, 0.0, 10.0, kBlank},
    TableRow{"OffStop", 0, kStop, 4, State::Off, 0.0, 0.0, kBlank},
    TableRow{"OffMiss", 0, kNowhere, 4, State::Off, 0.0, 0.0, kBlank},
    TableRow{"HaltedZeroSwitch", 1, kPowerOff, 0, State::Off, 0.0, 1.0, kBlank},
    TableRow{"HaltedZeroReset", 1, kReset, 1, State::Halted, 0.0, 10.0, "    0.0"},
    TableRow{"HaltedZeroStart", 1, kStart, 2, State::Running, 0.0, 10.0, "    0.0"},
    TableRow{"HaltedZeroStop", 1, kStop, 4, State::Halted, 0.0, 1.0, "    0.0"},
    TableRow{"HaltedZeroMiss", 1, kNowhere, 4, State::Halted, 0.0, 1.0, "    0.0"},
    TableRow{"HaltedReadingSwitch", 2, kPowerOff, 0, State::Off, 2.5, 2.0, kBlank},
    TableRow{"HaltedReadingReset", 2, kReset, 1, State::Halted, 0.0, 10.0, "    0.0"},
    TableRow{"HaltedReadingStart", 2, kStart, 2, State::Running, 2.5, 2.0, "    8.0"},
    TableRow{"HaltedReadingStop", 2, kStop, 4, State::Halted, 2.5, 2.0, "    2.5"},
    TableRow{"HaltedReadingMiss", 2, kNowhere, 4, State::Halted, 2.5, 2.0, "    2.5"},
    TableRow{"RunningZeroSwitch", 3, kPowerOff, 0, State::Off, 0.0, 2.0, kBlank},
    TableRow{"RunningZeroReset", 3, kReset, 1, State::Running, 0.0, 10.0, "    0.0"},
    TableRow{"RunningZeroStart", 3, kStart, 2, State::Running, 0.0, 10.0, "    0.0"},
    TableRow{"RunningZeroStop", 3, kStop, 3, State::Halted, 8.0, 2.0, "    8.0"},
    TableRow{"RunningZeroMiss", 3, kNowhere, 4, State::Running, 0.0, 2.0, "    8.0"},
    TableRow{"RunningReadingSwitch", 4, kPowerOff, 0, State::Off, 2.5, 2.0, kBlank},
    TableRow{"RunningReadingReset", 4, kReset, 1, State::Running, 0.0, 10.0, "    0.0"},
    TableRow{"RunningReadingStart", 4, kStart, 2, State::Running, 2.5, 2.0, "    8.0"},
    TableRow{"RunningReadingStop", 4, kStop, 3, State::Halted, 8.0, 2.0, "    8.0"},
    TableRow{"RunningReadingMiss", 4, kNowhere, 4, State::Running, 2.5, 2.0, "    8.0"},
    TableRow{"OffWithReadingSwitch", 5, kPowerOn, 0, State::Halted, 0.0, 10.0, "    0.0"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// The dialog's clock after n ticks: 0.05 s summed n times.
double AfterTicks(int n) {
  double clock = 0.0;
  for (int i = 0; i < n; ++i) clock += 0.05;
  return clock;
}

struct ReadingRow {
  const char* name;
  std::vector<double> startStop;  // the clock at each start, then stop, alternately
  const char* display;
};
void PrintTo(const ReadingRow& row, std::ostream* os) { *os << row.name; }

class StopwatchReadingTest : public StopwatchTest,
                             public ::testing::WithParamInterface<ReadingRow> {};

// The running display just before the last stop, the reading it keeps, and a
// second stop later that changes nothing (not even a reading of NaN).
TEST_P(StopwatchReadingTest, TruncatedToTenths) {
  const std::vector<double>& clocks = GetParam().startStop;
  Click(kPowerOn);
  for (std::size_t i = 0; i + 1 < clocks.size(); ++i) {
    watch.SetClock(clocks[i]);
    EXPECT_EQ(Click(i % 2 ? kStop : kStart), i % 2 ? CStopwatch::kStopped : CStopwatch::kStarted);
  }
  watch.SetClock(clocks.back());
  Refresh();
  EXPECT_EQ(Display(), GetParam().display);
  EXPECT_EQ(Click(kStop), CStopwatch::kStopped);
  EXPECT_EQ(Display(), GetParam().display);
  const double measured = watch.GetMeasured();
  watch.SetClock(12345.0);
  EXPECT_EQ(Click(kStop), CStopwatch::kNothing);
  EXPECT_EQ(watch.GetMeasured(), measured);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, StopwatchReadingTest, ::testing::Values(
    // 1.0000000000000002 after 20 ticks; 2.9999999999999973 after 60: not 3.0.
    ReadingRow{"TwentyTicks", {0, AfterTicks(20)}, "    1.0"},
    ReadingRow{"SixtyTicks", {0, AfterTicks(60)}, "    2.9"},
    // From 0.15000000000000002 for two ticks: just under a tenth.
    ReadingRow{"TwoTicksFromTheThird", {AfterTicks(3), AfterTicks(5)}, "    0.0"},
    // Started again without a reset: counted from the first start.
    ReadingRow{"RestartWithoutReset", {0, AfterTicks(60), AfterTicks(100), AfterTicks(120)},
               "    5.9"},
    ReadingRow{"IntegerPartAlone", {0.0, 100000.05}, "100000"},
    ReadingRow{"BeyondTheCells", {0.0, 1000000.0}, "ERR   "},
    ReadingRow{"BeyondTheIntRange", {0.0, 1e12}, "ERR   "},
    ReadingRow{"FarBeforeTheStart", {1e12, 0.0}, "ERR   "},
    ReadingRow{"ClockNotANumber", {0.0, std::nan("")}, "ERR   "},
    ReadingRow{"BeforeTheStart", {10.0, 0.0}, "  -10.0"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace

}  // namespace lab
