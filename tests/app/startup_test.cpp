// The main dialog from start-up: title picture first, controls, menu, icon,
// timer, the message line and the count box, system commands and endings.
#include <gtest/gtest.h>

#include "app/lab_app.h"
#include "app/title_dlg.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

using StartupTest = LabTest;

TEST_F(StartupTest, ShowsTheTitleDialogFirstAndThenTheMainWindow) {
  ASSERT_EQ(host->ModalDialogs().size(), 1u);
  EXPECT_EQ(host->ModalDialogs()[0], IDD_TITLE);
  EXPECT_EQ(Message(), " Fes mesures per determinar la constant el\u00e0stica i despr\u00e9s g");
  EXPECT_EQ(host->Text(dlg, IDC_OSCILLATIONS), "10");
  EXPECT_TRUE(host->MessageBoxes().empty());
}

TEST_F(StartupTest, ControlsAreAsTheTemplateHasThem) {
  EXPECT_FALSE(host->Visible(dlg, IDOK));
  EXPECT_FALSE(host->Visible(dlg, IDCANCEL));
  EXPECT_TRUE(host->Visible(dlg, IDC_START));
  EXPECT_TRUE(host->Enabled(dlg, IDC_START));
  EXPECT_TRUE(host->Visible(dlg, IDC_PLOT));
  EXPECT_FALSE(PlotEnabled());
  EXPECT_EQ(host->Text(dlg, IDC_START), "Comen\u00e7ar");
  EXPECT_EQ(dlg.GetClientRect(), CRect(0, 0, 690, 479));
}

TEST_F(StartupTest, AddsTheTitleItemBelowASeparatorAndSetsTheIcon) {
  const auto& menu = host->SystemMenu(dlg);
  // The report's and the kept series' items follow, below a separator of
  // their own.
  ASSERT_EQ(menu.size(), 9u);  // and "Fil amb codi…", "Llengua…" last
  EXPECT_TRUE(menu[0].separator);
  EXPECT_FALSE(menu[1].separator);
  EXPECT_EQ(menu[1].command, IDM_ABOUTBOX);
  EXPECT_EQ(menu[1].text, "Acerca de trelko.exe");
  EXPECT_TRUE(menu[2].separator);
  ASSERT_NE(host->WindowIcon(dlg, true), nullptr);
  EXPECT_EQ(host->WindowIcon(dlg, true)->id, IDR_MAINFRAME);
  EXPECT_EQ(host->WindowIcon(dlg, false), host->WindowIcon(dlg, true));
  EXPECT_EQ(dlg.OnQueryDragIcon(), host->WindowIcon(dlg, true));
}

TEST_F(StartupTest, SetsThePhysicalValuesAndStartsTheTimer) {
  EXPECT_EQ(host->TimerPeriod(dlg, 0), 50u);
  EXPECT_DOUBLE_EQ(dlg.m_mass, 1.0);
  EXPECT_NEAR(dlg.m_radius, 0.0341392, 1e-7);
  EXPECT_DOUBLE_EQ(dlg.m_k, 27.9);
  EXPECT_EQ(dlg.m_lastPoint, -1);
  EXPECT_FALSE(dlg.m_startPressed);
  EXPECT_FALSE(dlg.m_timingAvailable);
  EXPECT_TRUE(dlg.m_traceMode);
  EXPECT_FALSE(dlg.m_dragging);
  // At rest at its equilibrium depth, 2 cm right of the fixed end.
  EXPECT_DOUBLE_EQ(dlg.m_pendulum.m_x, 0.02);
  EXPECT_NEAR(dlg.m_pendulum.m_y, -0.5614337, 1e-7);
  EXPECT_EQ(dlg.m_pendulum.m_vx, 0.0);
  EXPECT_EQ(dlg.m_pendulum.m_vy, 0.0);
}

TEST_F(StartupTest, TicksAdvanceTheBallAndTheClockInRealTime) {
  const double y0 = dlg.m_pendulum.m_y;
  host->Tick(dlg, 20);
  EXPECT_NEAR(dlg.m_clock, 1.0, 1e-12);
  EXPECT_DOUBLE_EQ(dlg.m_stopwatch.GetClock(), dlg.m_clock);
  // It swings sideways from its offset start: x changes, the depth barely.
  EXPECT_NE(dlg.m_pendulum.m_x, 0.02);
  EXPECT_NEAR(dlg.m_pendulum.m_y, y0, 0.01);
}

TEST_F(StartupTest, WhileDraggingTicksMoveOnlyTheClock) {
  host->LeftDown(dlg, 120, 220);
  ASSERT_TRUE(dlg.m_dragging);
  const Surface before = dlg.GetSurface();
  const double x = dlg.m_pendulum.m_x;
  const double y = dlg.m_pendulum.m_y;
  const double clock = dlg.m_clock;
  host->Tick(dlg, 10);
  EXPECT_NEAR(dlg.m_clock - clock, 0.5, 1e-12);
  EXPECT_EQ(dlg.m_pendulum.m_x, x);
  EXPECT_EQ(dlg.m_pendulum.m_y, y);
  for (int py = 20; py < 420; ++py) {
    for (int px = 20; px < 220; ++px) {
      ASSERT_EQ(dlg.GetSurface().GetPixel(px, py), before.GetPixel(px, py)) << px << "," << py;
    }
  }
}

class SysCommandTest : public LabTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(SysCommandTest, OpensTheTitleDialogForCommandsSixteenToThirtyOne) {
  const unsigned command = GetParam();
  host->SysCommand(dlg, command);
  const bool opens = command >= 16 && command <= 31;
  ASSERT_EQ(host->ModalDialogs().size(), opens ? 2u : 1u) << command;
  if (opens) {
    EXPECT_EQ(host->ModalDialogs()[1], IDD_TITLE);
  }
  EXPECT_FALSE(dlg.IsEnding());
}

INSTANTIATE_TEST_SUITE_P(Commands, SysCommandTest, ::testing::Values(15u, 16u, 17u, 24u, 31u, 32u));

TEST_F(StartupTest, EscapeAndTheCloseCommandEndTheDialog) {
  host->Key(dlg, VK_ESCAPE);
  EXPECT_TRUE(dlg.IsEnding());
  EXPECT_EQ(dlg.Result(), IDCANCEL);
}

TEST_F(StartupTest, TheCloseCommandEndsTheDialog) {
  host->SysCommand(dlg, SC_CLOSE);
  EXPECT_TRUE(dlg.IsEnding());
  EXPECT_EQ(dlg.Result(), IDCANCEL);
}

TEST_F(StartupTest, EnterPressesComencar) {
  host->Key(dlg, VK_RETURN);
  EXPECT_FALSE(dlg.IsEnding());
  EXPECT_EQ(Message(), " Determina la constant el\u00e0stica");
}

// --- The count box -----------------------------------------------------------

struct CountRow {
  const char* name;
  const char* text;
  bool message;  // a validation message comes up
  int count;     // m_oscillations afterwards
};

class CountBoxTest : public LabTest, public ::testing::WithParamInterface<CountRow> {};

TEST_P(CountBoxTest, ValidatesOnEveryChange) {
  const CountRow& row = GetParam();
  host->Paste(dlg, IDC_OSCILLATIONS, row.text);
  EXPECT_EQ(!host->MessageBoxes().empty(), row.message) << row.name;
  EXPECT_EQ(dlg.m_oscillations, row.count) << row.name;
  if (row.message) {
    EXPECT_EQ(host->Focus(dlg), IDC_OSCILLATIONS);
  }
  // The message line is read back unchanged.
  EXPECT_EQ(dlg.m_message, Message());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CountBoxTest,
    ::testing::Values(CountRow{"one", "1", false, 1}, CountRow{"top", "999", false, 999},
                      CountRow{"zero", "0", true, 0}, CountRow{"thousand", "1000", true, 1000},
                      CountRow{"word", "abc", true, 10}, CountRow{"empty", "", true, 10},
                      CountRow{"trailing_text", "12abc", true, 10},
                      CountRow{"blank_inside", "1 2", true, 10},
                      CountRow{"decimal", "1.9", true, 10}, CountRow{"exponent", "1e3", true, 10},
                      CountRow{"trailing_comma", "12,", true, 10},
                      CountRow{"blanks_around", " \t12 ", false, 12},
                      CountRow{"overlong", "99999999999999999999", true, 2147483647}),
    [](const ::testing::TestParamInfo<CountRow>& param_info) {
      return std::string(param_info.param.name);
    });

TEST_F(StartupTest, TypingZeroAfterClearingComplainsAtOnce) {
  host->Backspace(dlg, IDC_OSCILLATIONS);  // "1": fine
  EXPECT_TRUE(host->MessageBoxes().empty());
  host->Backspace(dlg, IDC_OSCILLATIONS);  // "": not an integer
  ASSERT_EQ(host->MessageBoxes().size(), 1u);
  EXPECT_EQ(host->MessageBoxes()[0].text, "Introdu\u00efu un nombre enter.");
  host->Type(dlg, IDC_OSCILLATIONS, "0");
  ASSERT_EQ(host->MessageBoxes().size(), 2u);
  EXPECT_EQ(host->MessageBoxes()[1].text, "Introdu\u00efu un nombre enter entre 1 i 999.");
}

// --- The program as a whole ----------------------------------------------------

TEST(LabApplication, RunsTheMainDialogModallyAndEndsWithStatusZero) {
  LabResourcesInstalled resources;
  ScopedHeadlessHost host;
  bool ran = false;
  host->SetModalHandler([&](HeadlessHost& h, Dialog& d) {
    ran = d.TemplateId() == IDD_MAIN;
    h.Tick(d, 3);
    h.Key(d, VK_ESCAPE);
  });
  EXPECT_EQ(RunLabApplication(), 0);
  EXPECT_TRUE(ran);
  // The title dialog came first, from inside the main dialog's start-up.
  ASSERT_EQ(host->ModalDialogs().size(), 2u);
  EXPECT_EQ(host->ModalDialogs()[0], IDD_MAIN);
  EXPECT_EQ(host->ModalDialogs()[1], IDD_TITLE);
}

}  // namespace

}  // namespace lab
