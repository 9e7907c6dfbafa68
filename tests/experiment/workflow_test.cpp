// The experiment's handlers: weights, the stopwatch's results, "plot" and
// "Començar", the point table and the enabled state of "plot".
#include <gtest/gtest.h>

#include <vector>

#include "platform/runtime.h"
#include "tests/experiment/lab_actions.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

using namespace lab_actions;

class WorkflowTest : public LabTest {
 protected:
  // Switches the stopwatch on, starts it, lets ticks pass and stops it.
  void Time(int ticks) { lab_actions::Time(*host, dlg, ticks); }
  void AddPoint(double mass, double t2) {
    ASSERT_LT(dlg.m_lastPoint, CLabDlg::kPointCapacity - 1);
    ++dlg.m_lastPoint;
    dlg.m_pointMass[dlg.m_lastPoint] = mass;
    dlg.m_pointT2[dlg.m_lastPoint] = t2;
  }
};

TEST_F(WorkflowTest, MovingWeightsChangesTheMassAndRestartsTheBall) {
  Press(*host, dlg, EmptyPeg(1));  // the 0.3 kg weight back to the rack
  EXPECT_EQ(Message(), " Massa penjada del fil el\u00e0stic = 0.7 kg");
  EXPECT_DOUBLE_EQ(dlg.m_pendulum.m_mass, dlg.m_mass);
  EXPECT_NEAR(dlg.m_radius, 0.0303123, 1e-7);
  EXPECT_DOUBLE_EQ(dlg.m_pendulum.m_x, 0.02);
  EXPECT_EQ(dlg.m_pendulum.m_vy, 0.0);
  for (int i : {0, 1, 2, 3}) Press(*host, dlg, WeightOnRack(i));
  EXPECT_EQ(Message(), " Massa penjada del fil el\u00e0stic = 1.9 kg");
  EXPECT_NEAR(dlg.m_mass, 1.9, 1e-12);
  EXPECT_NEAR(dlg.m_radius, 0.0422835, 1e-7);
  for (const CImageToggle& w : dlg.m_weights) EXPECT_TRUE(w.GetState());
}

TEST_F(WorkflowTest, APressOnNothingTakesBackPlotAndRepaintsTheBoxWhileTheWatchIsOn) {
  Time(40);
  ASSERT_TRUE(PlotEnabled());
  host->Tick(dlg, 3);
  Press(*host, dlg, kNowhere);
  EXPECT_FALSE(PlotEnabled());
  EXPECT_FALSE(dlg.m_traceMode);
  // The repaint leaves no ring: only string and ball on the blue fill.
  EXPECT_EQ(Pixel(30, 410), RGB(50, 90, 150));
}

TEST_F(WorkflowTest, StopShowsTheDurationAndThePeriod) {
  Press(*host, dlg, kPowerOn);
  Press(*host, dlg, kStart);
  dlg.m_stopwatch.SetClock(dlg.m_clock + 12.3 + 1e-9);
  Press(*host, dlg, kStop);
  EXPECT_DOUBLE_EQ(dlg.m_stopwatch.GetMeasured(), 12.3);
  EXPECT_EQ(Message(), " Durada de 10 oscil\u00b7lacions:   12.3 s  (Per\u00edode: T = 1.23 s)");
  EXPECT_TRUE(PlotEnabled());
  EXPECT_TRUE(dlg.m_timingAvailable);
}

TEST_F(WorkflowTest, ASecondStopTakesBackPlotAndKeepsTheDuration) {
  Time(30);
  const std::string duration = Message();
  Press(*host, dlg, kStop);
  EXPECT_FALSE(PlotEnabled());
  EXPECT_EQ(Message(), duration);
}

TEST_F(WorkflowTest, AStopBeforeAnyStartOffersNoTiming) {
  Press(*host, dlg, kPowerOn);
  Press(*host, dlg, kStop);
  EXPECT_FALSE(PlotEnabled());
  EXPECT_FALSE(dlg.m_timingAvailable);
  EXPECT_TRUE(host->Click(dlg, IDC_START));
  EXPECT_FALSE(host->Click(dlg, IDC_PLOT));
}

TEST_F(WorkflowTest, AReadingOfZeroEnablesPlotButPlottingRefusesIt) {
  Time(1);  // less than a tenth of a second on the application clock
  EXPECT_DOUBLE_EQ(dlg.m_stopwatch.GetMeasured(), 0.0);
  ASSERT_TRUE(PlotEnabled());
  host->Click(dlg, IDC_PLOT);
  EXPECT_EQ(Message(), " Error: Les oscil\u00b7lacions no s'han cronometrat.");
  EXPECT_EQ(dlg.m_lastPoint, -1);
  EXPECT_TRUE(PlotEnabled());
}

TEST_F(WorkflowTest, PlotStoresTheSquaredPeriodWithTheCountAsItStandsThen) {
  Time(240);  // 12.0 s
  host->Paste(dlg, IDC_OSCILLATIONS, "8");
  host->Click(dlg, IDC_PLOT);
  ASSERT_EQ(dlg.m_lastPoint, 0);
  EXPECT_DOUBLE_EQ(dlg.m_pointMass[0], 1.0);
  EXPECT_DOUBLE_EQ(dlg.m_pointT2[0],
                   (dlg.m_stopwatch.GetMeasured() / 8) * (dlg.m_stopwatch.GetMeasured() / 8));
  EXPECT_EQ(Message(), " La dada ha estat acceptada i s'ha incl\u00f2s en el gr\u00e0fic");
  EXPECT_FALSE(PlotEnabled());
}

TEST_F(WorkflowTest, ComencarRightAfterAStopKeepsThePendingTimingPlottable) {
  Time(100);
  host->Click(dlg, IDC_START);
  EXPECT_EQ(Message(), " Determina la constant el\u00e0stica");
  EXPECT_TRUE(PlotEnabled());
  host->Click(dlg, IDC_PLOT);
  EXPECT_EQ(dlg.m_lastPoint, 0);
}

TEST_F(WorkflowTest, ComencarKeepsWeightsAndStopwatchRestoresKAndRestartsTheBall) {
  Press(*host, dlg, WeightOnRack(0));
  Time(50);
  const double measured = dlg.m_stopwatch.GetMeasured();
  host->Tick(dlg, 10);
  dlg.m_k = 5.0;
  AddPoint(1.0, 1.5);
  host->Click(dlg, IDC_START);
  EXPECT_DOUBLE_EQ(dlg.m_k, 27.9);
  EXPECT_DOUBLE_EQ(dlg.m_pendulum.m_k, 27.9);
  EXPECT_NEAR(dlg.m_mass, 1.5, 1e-12);
  EXPECT_TRUE(dlg.m_weights[0].GetState());
  EXPECT_TRUE(dlg.m_stopwatch.IsOn());
  EXPECT_DOUBLE_EQ(dlg.m_stopwatch.GetMeasured(), measured);
  EXPECT_EQ(dlg.m_lastPoint, -1);
  EXPECT_DOUBLE_EQ(dlg.m_pendulum.m_x, 0.02);
  EXPECT_EQ(dlg.m_pendulum.m_vx, 0.0);
}

TEST_F(WorkflowTest, TheHundredAndFirstPlotIsRefusedAndChangesNothing) {
  for (int i = 0; i < 100; ++i) AddPoint(1.0 + 0.001 * i, 1.6);
  Time(60);
  const Surface before = dlg.GetSurface();
  host->Click(dlg, IDC_PLOT);
  EXPECT_EQ(Message(),
            " No es poden incloure m\u00e9s dades. Pulsa el bot\u00f3 comen\u00e7ar per reiniciar");
  EXPECT_EQ(dlg.m_lastPoint, 99);
  EXPECT_TRUE(PlotEnabled());
  for (int y = 124; y < 420; ++y) {
    for (int x = 239; x < 671; ++x) ASSERT_EQ(Pixel(x, y), before.GetPixel(x, y));
  }
  host->Click(dlg, IDC_PLOT);
  EXPECT_EQ(dlg.m_lastPoint, 99);
}

// A count that fails its check is never the divisor: the duration and the
// stored period both use the last accepted count, which goes back into the
// box.
TEST_F(WorkflowTest, AnOutOfRangeCountIsNeverUsedForThePeriod) {
  Press(*host, dlg, kPowerOn);
  Press(*host, dlg, kStart);
  host->Tick(dlg, 200);  // 10.0 s... read as 9.9 or 10.0
  host->Paste(dlg, IDC_OSCILLATIONS, "0");
  ASSERT_EQ(host->MessageBoxes().size(), 1u);
  EXPECT_EQ(dlg.m_oscillations, 0);
  Press(*host, dlg, kStop);
  const double t = dlg.m_stopwatch.GetMeasured();
  EXPECT_EQ(dlg.m_oscillations, 10);
  EXPECT_EQ(host->Text(dlg, IDC_OSCILLATIONS), "10");
  EXPECT_EQ(Message(), Format(" Durada de 10 oscil\u00b7lacions: %6.1f s  (Per\u00edode: T = "
                              "%4.2f s)",
                              t, t / 10));
  host->Click(dlg, IDC_PLOT);
  ASSERT_EQ(dlg.m_lastPoint, 0);
  EXPECT_DOUBLE_EQ(dlg.m_pointT2[0], (t / 10) * (t / 10));
}

TEST_F(WorkflowTest, AnOutOfRangeCountTypedAfterTheStopIsNotStored) {
  Time(200);
  host->Paste(dlg, IDC_OSCILLATIONS, "5");
  host->Paste(dlg, IDC_OSCILLATIONS, "1000");
  host->Click(dlg, IDC_PLOT);
  const double t = dlg.m_stopwatch.GetMeasured();
  ASSERT_EQ(dlg.m_lastPoint, 0);
  EXPECT_DOUBLE_EQ(dlg.m_pointT2[0], (t / 5) * (t / 5));
  EXPECT_EQ(host->Text(dlg, IDC_OSCILLATIONS), "5");
}

TEST_F(WorkflowTest, EveryMessageWritesTheCountBackIntoItsBox) {
  host->Paste(dlg, IDC_OSCILLATIONS, "abc");
  Press(*host, dlg, EmptyPeg(1));
  EXPECT_EQ(host->Text(dlg, IDC_OSCILLATIONS), "10");
}

// "Començar" empties the table and redraws the empty graph: the central
// panel comes back pixel for pixel as the start-up window had it, whatever
// stood on it (points, the fitted line, points beyond the ranges).
class ComencarRedrawTest : public WorkflowTest, public ::testing::WithParamInterface<int> {};

TEST_P(ComencarRedrawTest, RedrawsTheEmptyGraph) {
  const Surface startUp = dlg.GetSurface();
  for (int i = 0; i < GetParam(); ++i) AddPoint(0.65 + 0.0145 * i, 0.9 + 0.02 * i);
  host->Paint(dlg);
  host->Click(dlg, IDC_START);
  EXPECT_EQ(dlg.m_lastPoint, -1);
  int differing = 0;
  for (int y = 124; y < 420; ++y) {
    for (int x = 239; x < 671; ++x) differing += Pixel(x, y) != startUp.GetPixel(x, y);
  }
  EXPECT_EQ(differing, 0) << GetParam() << " points";
}

INSTANTIATE_TEST_SUITE_P(Points, ComencarRedrawTest, ::testing::Values(0, 2, 3, 100));

// A press on one of the stopwatch's buttons holds the window for 0.1 s
// through the host: the pressed picture is presented first, the host's
// elapsed clock moves on by the time, and the lab's own clock (the ticks)
// does not advance. The switch and the rest of the window hold nothing.
struct HoldRow {
  const char* name;
  std::vector<CPoint> presses;
  int holds;
};

class PressHoldTest : public LabTest, public ::testing::WithParamInterface<HoldRow> {};

TEST_P(PressHoldTest, APressedButtonHoldsTheWindowATenthOfASecond) {
  const HoldRow& row = GetParam();
  const int holdsBefore = host->HoldCount();
  const int presentsBefore = host->PresentCount();
  const long before = host->ElapsedMilliseconds();
  const double clock = dlg.m_clock;
  for (CPoint p : row.presses) Press(*host, dlg, p);
  const long waited = host->ElapsedMilliseconds() - before;
  EXPECT_EQ(host->HoldCount() - holdsBefore, row.holds) << row.name;
  EXPECT_GE(host->PresentCount() - presentsBefore, row.holds) << row.name;
  EXPECT_GE(waited, 100L * row.holds) << row.name;
  EXPECT_LT(waited, 100L * row.holds + 20) << row.name << ": the wait reads no clock";
  EXPECT_EQ(dlg.m_clock, clock) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressHoldTest,
    ::testing::Values(HoldRow{"switch", {kPowerOn}, 0}, HoldRow{"nowhere", {kNowhere}, 0},
                      HoldRow{"reset_while_off", {kReset}, 1},
                      HoldRow{"start", {kPowerOn, kStart}, 1},
                      HoldRow{"start_stop_reset", {kPowerOn, kStart, kStop, kReset}, 3},
                      HoldRow{"button_edge_miss", {CPoint{kStart.x, 88 + 2}}, 0}),
    [](const ::testing::TestParamInfo<HoldRow>& param_info) {
      return std::string(param_info.param.name);
    });

}  // namespace

}  // namespace lab
