#include "stopwatch/stopwatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "res/resource_ids.h"
#include "shell/headless/headless_host.h"

namespace {

// Every picture is one colour of its own, made from its number.
COLORREF ColourOf(int id) { return RGB(id - 100, 200, 3); }

class Pictures {
 public:
  Pictures() {
    for (int id = IDB_DIGIT_0; id <= IDB_DIGIT_R; ++id) {
      if (id == IDB_DIGIT_POINT) {
        Add(id, 2, 2);
      } else {
        Add(id, 15, 22);
      }
    }
    Add(IDB_SWITCH_ON, 28, 33);
    Add(IDB_SWITCH_OFF, 28, 33);
    for (int id :
         {IDB_RESET, IDB_RESET_PRESSED, IDB_STOP, IDB_START, IDB_STOP_PRESSED, IDB_START_PRESSED}) {
      Add(id, 32, 17);
    }
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
      m_bitmaps.push_back(
          BitmapResource{m_ids[i], Bitmap{m_sizes[i].cx, m_sizes[i].cy, m_pixels[i].data()}});
    }
    m_table.bitmaps = m_bitmaps;
    InstallResources(m_table);
  }
  ~Pictures() {
    static const ResourceTable kNone;
    InstallResources(kNone);
  }
  Pictures(const Pictures&) = delete;
  Pictures& operator=(const Pictures&) = delete;

 private:
  void Add(int id, int w, int h) {
    m_ids.push_back(id);
    m_sizes.push_back(CSize{w, h});
    m_pixels.emplace_back(static_cast<std::size_t>(w * h), ToPixel(ColourOf(id)));
  }
  std::vector<int> m_ids;
  std::vector<CSize> m_sizes;
  std::vector<std::vector<std::uint32_t>> m_pixels;
  std::vector<BitmapResource> m_bitmaps;
  ResourceTable m_table;
};

// Client points of the controls for the panel at (241, 20).
constexpr CPoint kSwitchOn{270, 56};   // the rocker's lower part, while off
constexpr CPoint kSwitchOff{270, 43};  // its upper part, while on
constexpr CPoint kReset{270, 82};
constexpr CPoint kStart{340, 82};
constexpr CPoint kStop{377, 82};
constexpr CPoint kNowhere{200, 200};

class StopwatchTest : public ::testing::Test {
 protected:
  StopwatchTest() : surface(690, 479, RGB(1, 2, 3)) { watch.Init(241, 20); }

  int Click(CPoint p) {
    CDC dc(surface);
    return watch.OnClick(dc, p.x, p.y);
  }
  // Refreshes, and tells whether anything was drawn.
  bool Refresh() {
    CDC dc(surface);
    watch.Refresh(dc);
    return !dc.Changed().IsRectEmpty();
  }
  void Paint() {
    CDC dc(surface);
    watch.Draw(dc);
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
      const COLORREF cell = surface.GetPixel(301 + 15 * c + 5, 35 + 5);
      char ch = '?';
      for (int d = 0; d <= 9; ++d) {
        if (cell == ColourOf(IDB_DIGIT_0 + d)) ch = static_cast<char>('0' + d);
      }
      if (cell == ColourOf(IDB_DIGIT_BLANK)) ch = ' ';
      if (cell == ColourOf(IDB_DIGIT_MINUS)) ch = '-';
      if (cell == ColourOf(IDB_DIGIT_E)) ch = 'E';
      if (cell == ColourOf(IDB_DIGIT_R)) ch = 'R';
      text += ch;
      if (surface.GetPixel(301 + 15 * c + 14, 35 + 19) == ColourOf(IDB_DIGIT_POINT)) text += '.';
    }
    return text;
  }
  bool SwitchShowsOn() const { return surface.GetPixel(261, 39) == ColourOf(IDB_SWITCH_ON); }

  Pictures pictures;
  ScopedHeadlessHost host;  // its clock advances 1 ms a reading: no real waits
  Surface surface;
  CStopwatch watch;
  double clock = 0.0;
};

constexpr const char* kBlank = "      ";

TEST_F(StopwatchTest, OffBlanksOnceThenDrawsNothing) {
  EXPECT_TRUE(Refresh());
  EXPECT_EQ(Display(), kBlank);
  EXPECT_TRUE(watch.BlankShown());
  EXPECT_FALSE(Refresh());
  Ticks(5);
  EXPECT_FALSE(Refresh());
}

TEST_F(StopwatchTest, PowerOffWhileRunningBlanksAtOnceAndOnShowsZeroNextTick) {
  Ticks(1);
  ASSERT_EQ(Click(kSwitchOn), CStopwatch::kPowerSwitched);
  ASSERT_EQ(Click(kStart), CStopwatch::kStarted);
  Ticks(30);
  EXPECT_EQ(Display(), "    1.5");
  EXPECT_EQ(Click(kSwitchOff), CStopwatch::kPowerSwitched);
  EXPECT_EQ(Display(), kBlank);
  EXPECT_FALSE(SwitchShowsOn());
  EXPECT_FALSE(Refresh());

  EXPECT_EQ(Click(kSwitchOn), CStopwatch::kPowerSwitched);
  EXPECT_TRUE(SwitchShowsOn());
  EXPECT_EQ(Display(), kBlank);  // not drawn by the click itself
  Ticks(1);
  EXPECT_EQ(Display(), "    0.0");
  EXPECT_TRUE(watch.IsStopped());
  Ticks(10);
  EXPECT_EQ(Display(), "    0.0");
}

enum class State { Off, Halted, Running };

State StateOf(const CStopwatch& w) {
  if (!w.IsOn()) return State::Off;
  return w.IsStopped() ? State::Halted : State::Running;
}

struct TableRow {
  const char* name;
  int prepared;  // 0 Off, 1 Halted at 0.0, 2 Halted with 2.5, 3 Running from 0.0,
                 // 4 Running after a stop at 2.5
  CPoint control;
  int result;
  State after;
  double measured;
  double start;
  const char* display;  // after a repaint at clock 10
};
void PrintTo(const TableRow& row, std::ostream* os) { *os << row.name; }

class StopwatchTableTest : public StopwatchTest, public ::testing::WithParamInterface<TableRow> {};

TEST_P(StopwatchTableTest, Walk) {
  const TableRow& row = GetParam();
  // Power on at 1.0 s, start at 2.0 s, stop at 4.5 s, start again at 6.0 s.
  const struct {
    double clock;
    CPoint control;
  } steps[] = {{1.0, kSwitchOn}, {2.0, kStart}, {4.5, kStop}, {6.0, kStart}};
  const int count[] = {0, 1, 3, 2, 4};
  for (int i = 0; i < count[row.prepared]; ++i) {
    watch.SetClock(steps[i].clock);
    Click(steps[i].control);
  }
  watch.SetClock(10.0);
  EXPECT_EQ(Click(row.control), row.result);
  EXPECT_EQ(StateOf(watch), row.after);
  EXPECT_DOUBLE_EQ(watch.GetMeasured(), row.measured);
  EXPECT_DOUBLE_EQ(watch.StartTime(), row.start);
  Paint();
  EXPECT_EQ(Display(), row.display);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StopwatchTableTest,
    ::testing::Values(
        TableRow{"OffSwitch", 0, kSwitchOn, 0, State::Halted, 0.0, 10.0, "    0.0"},
        TableRow{"OffReset", 0, kReset, 1, State::Off, 0.0, 10.0, kBlank},
        TableRow{"OffStart", 0, kStart, 2, State::Off, 0.0, 10.0, kBlank},
        TableRow{"OffStop", 0, kStop, 4, State::Off, 0.0, 0.0, kBlank},
        TableRow{"OffMiss", 0, kNowhere, 4, State::Off, 0.0, 0.0, kBlank},
        TableRow{"HaltedZeroSwitch", 1, kSwitchOff, 0, State::Off, 0.0, 1.0, kBlank},
        TableRow{"HaltedZeroReset", 1, kReset, 1, State::Halted, 0.0, 10.0, "    0.0"},
        TableRow{"HaltedZeroStart", 1, kStart, 2, State::Running, 0.0, 10.0, "    0.0"},
        TableRow{"HaltedZeroStop", 1, kStop, 4, State::Halted, 0.0, 1.0, "    0.0"},
        TableRow{"HaltedZeroMiss", 1, kNowhere, 4, State::Halted, 0.0, 1.0, "    0.0"},
        TableRow{"HaltedReadingSwitch", 2, kSwitchOff, 0, State::Off, 2.5, 2.0, kBlank},
        TableRow{"HaltedReadingReset", 2, kReset, 1, State::Halted, 0.0, 10.0, "    0.0"},
        TableRow{"HaltedReadingStart", 2, kStart, 2, State::Running, 2.5, 2.0, "    8.0"},
        TableRow{"HaltedReadingStop", 2, kStop, 4, State::Halted, 2.5, 2.0, "    2.5"},
        TableRow{"HaltedReadingMiss", 2, kNowhere, 4, State::Halted, 2.5, 2.0, "    2.5"},
        TableRow{"RunningZeroSwitch", 3, kSwitchOff, 0, State::Off, 0.0, 2.0, kBlank},
        TableRow{"RunningZeroReset", 3, kReset, 1, State::Running, 0.0, 10.0, "    0.0"},
        TableRow{"RunningZeroStart", 3, kStart, 2, State::Running, 0.0, 10.0, "    0.0"},
        TableRow{"RunningZeroStop", 3, kStop, 3, State::Halted, 8.0, 2.0, "    8.0"},
        TableRow{"RunningZeroMiss", 3, kNowhere, 4, State::Running, 0.0, 2.0, "    8.0"},
        TableRow{"RunningReadingSwitch", 4, kSwitchOff, 0, State::Off, 2.5, 2.0, kBlank},
        TableRow{"RunningReadingReset", 4, kReset, 1, State::Running, 0.0, 10.0, "    0.0"},
        TableRow{"RunningReadingStart", 4, kStart, 2, State::Running, 2.5, 2.0, "    8.0"},
        TableRow{"RunningReadingStop", 4, kStop, 3, State::Halted, 8.0, 2.0, "    8.0"},
        TableRow{"RunningReadingMiss", 4, kNowhere, 4, State::Running, 2.5, 2.0, "    8.0"}),
    [](const auto& row) { return std::string(row.param.name); });

// Timings on the dialog's clock, summed 0.05 s a tick: truncated to tenths.
struct TimingRow {
  const char* name;
  std::vector<int> startStopTicks;  // tick of each start, then stop, alternately
  double reading;
  const char* display;
};
void PrintTo(const TimingRow& row, std::ostream* os) { *os << row.name; }

class StopwatchTimingTest : public StopwatchTest,
                            public ::testing::WithParamInterface<TimingRow> {};

TEST_P(StopwatchTimingTest, Reading) {
  const TimingRow& row = GetParam();
  ASSERT_EQ(Click(kSwitchOn), CStopwatch::kPowerSwitched);
  int tick = 0;
  for (std::size_t i = 0; i < row.startStopTicks.size(); ++i) {
    Ticks(row.startStopTicks[i] - tick);
    tick = row.startStopTicks[i];
    EXPECT_EQ(Click(i % 2 == 0 ? kStart : kStop), i % 2 == 0 ? 2 : 3);
  }
  EXPECT_DOUBLE_EQ(watch.GetMeasured(), row.reading);
  EXPECT_EQ(Display(), row.display);
  // A second stop changes nothing.
  EXPECT_EQ(Click(kStop), CStopwatch::kNothing);
  EXPECT_DOUBLE_EQ(watch.GetMeasured(), row.reading);
}

INSTANTIATE_TEST_SUITE_P(Rows, StopwatchTimingTest,
                         ::testing::Values(
                             // The clock holds 1.0000000000000002 after 20 ticks.
                             TimingRow{"TwentyTicks", {0, 20}, 1.0, "    1.0"},
                             // 2.9999999999999973 after 60 ticks: truncated, not rounded to 3.0.
                             TimingRow{"SixtyTicks", {0, 60}, 2.9, "    2.9"},
                             // From 0.15000000000000002 for two ticks: just under a tenth.
                             TimingRow{"TwoTicksFromTheThird", {3, 5}, 0.0, "    0.0"},
                             // Started again without a reset: counted from the first start.
                             TimingRow{"RestartWithoutReset", {0, 60, 100, 120}, 5.9, "    5.9"}),
                         [](const auto& row) { return std::string(row.param.name); });

// Readings far from zero, on the clock the dialog hands over.
struct RangeRow {
  const char* name;
  double startClock;
  double clockNow;
  const char* display;
};
void PrintTo(const RangeRow& row, std::ostream* os) { *os << row.name; }

class StopwatchRangeTest : public StopwatchTest, public ::testing::WithParamInterface<RangeRow> {};

TEST_P(StopwatchRangeTest, Display) {
  const RangeRow& row = GetParam();
  watch.SetClock(row.startClock);
  Click(kSwitchOn);
  Click(kStart);
  watch.SetClock(row.clockNow);
  EXPECT_TRUE(Refresh());
  EXPECT_EQ(Display(), row.display);
  EXPECT_EQ(Click(kStop), CStopwatch::kStopped);
  EXPECT_EQ(Display(), row.display);
  EXPECT_FALSE(std::isnan(watch.GetMeasured()));
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Rows, StopwatchRangeTest,
                         ::testing::Values(RangeRow{"IntegerPartAlone", 0.0, 100000.05, "100000"},
                                           RangeRow{"BeyondTheCells", 0.0, 1000000.0, "ERR   "},
                                           RangeRow{"BeyondTheIntRange", 0.0, 1e12, "ERR   "},
                                           RangeRow{"FarBeforeTheStart", 1e12, 0.0, "ERR   "},
                                           RangeRow{"ClockNotANumber", 0.0, kNaN, "ERR   "},
                                           RangeRow{"BeforeTheStart", 10.0, 0.0, "  -10.0"}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
