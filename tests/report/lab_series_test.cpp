// The kept series on the running lab: the table kept after every point,
// "Començar" making it the previous series, restoring (and undoing it), the
// series of the last run at start-up, and kept texts that are not the lab's.
#include <gtest/gtest.h>

#include <cmath>

#include "report/kept_series.h"
#include "res/texts/text_catalogue.h"
#include "tests/experiment/lab_actions.h"
#include "tests/report/report_tables.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

using namespace lab_actions;

class LabSeriesTest : public LabTest {
 protected:
  // A real timing of `ticks` ticks of the stopwatch, then "plot".
  void PlotTiming(int ticks) {
    Time(*host, dlg, ticks);
    ASSERT_TRUE(host->Click(dlg, IDC_PLOT));
  }
  // Three points at 0.7, 1.0 and 1.2 kg.
  void PlotThree() {
    Press(*host, dlg, EmptyPeg(1));  // 0.7 kg
    PlotTiming(200);
    Press(*host, dlg, WeightOnRack(1));  // 1.0 kg
    PlotTiming(240);
    Press(*host, dlg, WeightOnRack(2));  // 1.2 kg
    PlotTiming(262);
  }
  std::optional<KeptSeries> Kept() {
    const auto it = host->State().find(kKeptSeriesName);
    if (it == host->State().end()) return std::nullopt;
    return ReadKeptSeries(it->second);
  }
  bool RestoreEnabled() const { return host->SystemMenuItem(dlg, IDM_RESTORE_SERIES)->enabled; }
  std::vector<std::uint32_t> PanelPixels() const {
    std::vector<std::uint32_t> pixels;
    const CRect r = layout::kGraphPanel.Rect();
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) pixels.push_back(dlg.GetSurface().RawPixel(x, y));
    }
    return pixels;
  }
};

TEST_F(LabSeriesTest, EveryAcceptedPointIsKept) {
  EXPECT_EQ(host->StateWrites(), 0);
  PlotThree();
  EXPECT_EQ(host->StateWrites(), 3);
  const std::optional<KeptSeries> kept = Kept();
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->current, dlg.CurrentSeries());
  EXPECT_EQ(kept->current.Size(), 3);
  EXPECT_TRUE(kept->previous.Empty());
  // A refused plot keeps nothing new.
  host->Click(dlg, IDC_PLOT);
  EXPECT_EQ(host->StateWrites(), 3);
}

TEST_F(LabSeriesTest, StartThenRestoreGivesBackTheSameTableAndPixels) {
  PlotThree();
  const PointSeries table = dlg.CurrentSeries();
  const std::vector<std::uint32_t> panel = PanelPixels();
  const std::string message = Message();
  ASSERT_EQ(message.rfind(" El pendent de la recta dibuixada", 0), 0u) << message;
  EXPECT_FALSE(RestoreEnabled());

  ASSERT_TRUE(host->Click(dlg, IDC_START));
  EXPECT_EQ(dlg.m_lastPoint, -1);
  EXPECT_TRUE(RestoreEnabled());
  EXPECT_FALSE(host->SystemMenuItem(dlg, IDM_COPY_DATA)->enabled);
  EXPECT_EQ(Kept()->previous, table);
  EXPECT_TRUE(Kept()->current.Empty());

  host->SysCommand(dlg, IDM_RESTORE_SERIES);
  EXPECT_EQ(dlg.CurrentSeries(), table);
  EXPECT_EQ(PanelPixels(), panel);
  EXPECT_EQ(Message(), message);
  EXPECT_TRUE(host->SystemMenuItem(dlg, IDM_COPY_DATA)->enabled);
  // The empty table became the previous series: nothing to restore.
  EXPECT_FALSE(RestoreEnabled());
  EXPECT_EQ(Kept()->current, table);
}

TEST_F(LabSeriesTest, ARestoreSwapsSoItCanBeUndone) {
  PlotThree();
  const PointSeries first = dlg.CurrentSeries();
  const std::vector<std::uint32_t> firstPanel = PanelPixels();
  host->Click(dlg, IDC_START);
  PlotTiming(250);  // a new series of one point
  const PointSeries second = dlg.CurrentSeries();
  const std::vector<std::uint32_t> secondPanel = PanelPixels();

  host->SysCommand(dlg, IDM_RESTORE_SERIES);
  EXPECT_EQ(dlg.CurrentSeries(), first);
  EXPECT_EQ(PanelPixels(), firstPanel);
  EXPECT_TRUE(RestoreEnabled());

  host->SysCommand(dlg, IDM_RESTORE_SERIES);
  EXPECT_EQ(dlg.CurrentSeries(), second);
  EXPECT_EQ(PanelPixels(), secondPanel);
  // One point: the message of an accepted point, as after plotting it.
  EXPECT_EQ(Message(), TextOf(TextId::PointAcceptedMessage));
}

// The lab started with a kept text already in the state.
class LabStartupSeriesTest : public ::testing::Test, protected LabSession {
 protected:
  void Start(const std::string& kept) {
    host->State()[kKeptSeriesName] = kept;
    Open();
  }
  void TearDown() override { Close(); }
};

TEST_F(LabStartupSeriesTest, TheLastRunsTableIsThePreviousSeries) {
  Start(WriteKeptSeries(KeptSeries{report_tables::KnownSeries(), {}}));
  EXPECT_EQ(dlg.m_lastPoint, -1);
  EXPECT_EQ(dlg.m_previousSeries, report_tables::KnownSeries());
  EXPECT_TRUE(host->SystemMenuItem(dlg, IDM_RESTORE_SERIES)->enabled);
  EXPECT_EQ(host->StateWrites(), 0) << "start-up keeps the text as it is";
  host->SysCommand(dlg, IDM_RESTORE_SERIES);
  EXPECT_EQ(dlg.CurrentSeries(), report_tables::KnownSeries());
}

TEST_F(LabStartupSeriesTest, ALastRunWithAnEmptyTableLeavesItsPreviousSeries) {
  Start(WriteKeptSeries(KeptSeries{{}, report_tables::SameMassSeries()}));
  EXPECT_EQ(dlg.m_previousSeries, report_tables::SameMassSeries());
}

class LabIgnoresKeptText : public LabStartupSeriesTest,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(LabIgnoresKeptText, AndStartsAsItAlwaysDoes) {
  Start(GetParam());
  EXPECT_TRUE(dlg.m_previousSeries.Empty());
  EXPECT_FALSE(host->SystemMenuItem(dlg, IDM_RESTORE_SERIES)->enabled);
  EXPECT_TRUE(host->MessageBoxes().empty());
  EXPECT_EQ(host->Text(dlg, IDC_MESSAGE), TextOf(TextId::WelcomeMessage));
  host->SysCommand(dlg, IDM_RESTORE_SERIES);
  EXPECT_EQ(dlg.m_lastPoint, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LabIgnoresKeptText,
    ::testing::Values(std::string(), std::string("trelko-series 1\ncurrent 3\n0.7 1\n"),
                      std::string("\xFF\xD8\xFF\xE0 random", 11),
                      std::string("trelko-series 1\ncurrent 1\n1 nan\nprevious 0\n"),
                      std::string("trelko-series 1\ncurrent 1\n5 1\nprevious 0\n"),
                      std::string(1 << 20, '\n')));

}  // namespace

}  // namespace lab
