// A whole experiment, as a student does it: for five masses, pull the ball
// straight down below the fixed end and let it go, time ten vertical
// oscillations with the stopwatch, and send each timing to the graph. The
// elastic constant that the lab reports must come within 3 % of the
// string's 27.9 N/m.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "experiment/string_code.h"
#include "report/kept_series.h"
#include "tests/experiment/lab_actions.h"
#include "tests/support/lab_fixture.h"

namespace {

using namespace lab_actions;

class Student {
 public:
  Student(HeadlessHost& host, CLabDlg& lab) : m_host(host), m_lab(lab) {}

  void PutOnString(int weight) { Press(m_host, m_lab, WeightOnRack(weight)); }
  void TakeOffString(int weight) { Press(m_host, m_lab, EmptyPeg(weight)); }
  void SwitchStopwatchOn() { Press(m_host, m_lab, kPowerOn); }

  // Grabs the ball, pulls it 4 cm straight down below the fixed end (the
  // middle of the box, x = 120) and lets it go.
  void PullDownAndRelease() {
    const double depth = m_lab.m_pendulum.m_y - 0.04;
    const int y = 20 + static_cast<int>(-depth * 400);
    m_host.LeftDown(m_lab, 120, y);
    m_host.LeftUp(m_lab, 120, y);
  }

  // Watches the ball: waits for it to pass its lowest point.
  void WaitForLowestPoint() {
    double previous = m_lab.m_pendulum.m_y;
    bool falling = false;
    for (int tick = 0; tick < 200; ++tick) {
      m_host.Tick(m_lab);
      const double y = m_lab.m_pendulum.m_y;
      if (y < previous) falling = true;
      if (falling && y > previous) return;
      previous = y;
    }
    FAIL() << "the ball does not oscillate";
  }

  // Resets, starts at a lowest point, counts ten more lowest points, stops.
  void TimeTenOscillations() {
    WaitForLowestPoint();
    Press(m_host, m_lab, kReset);
    Press(m_host, m_lab, kStart);
    for (int i = 0; i < 10; ++i) WaitForLowestPoint();
    Press(m_host, m_lab, kStop);
  }

  void Plot() { m_host.Click(m_lab, IDC_PLOT); }

 private:
  HeadlessHost& m_host;
  CLabDlg& m_lab;
};

using WholeExperiment = LabTest;

TEST_F(WholeExperiment, FindsTheElasticConstantWithinThreePercent) {
  Student student(*host, dlg);
  student.SwitchStopwatchOn();
  host->Paste(dlg, IDC_OSCILLATIONS, "10");

  // 0.7 kg, 1.0 kg, 1.2 kg, 1.5 kg and 1.9 kg hanging from the string.
  student.TakeOffString(1);
  const std::vector<std::vector<int>> steps = {{}, {1}, {2}, {3, 1}, {0, 1}};
  for (const std::vector<int>& weights : steps) {
    for (int w : weights) {
      if (dlg.m_weights[w].GetState()) {
        student.TakeOffString(w);
      } else {
        student.PutOnString(w);
      }
    }
    student.PullDownAndRelease();
    student.TimeTenOscillations();
    ASSERT_TRUE(PlotEnabled()) << Message();
    student.Plot();
  }

  ASSERT_EQ(dlg.m_lastPoint, 4);
  float slope = 0;
  float k = 0;
  ASSERT_EQ(std::sscanf(Message().c_str(),
                        " El pendent de la recta dibuixada \xc3\xa9s: %f. Per tant, k = %f N/m",
                        &slope, &k),
            2)
      << Message();
  EXPECT_NEAR(k, 27.9, 27.9 * 0.03) << Message();
  std::printf("the lab reports:%s\n", Message().c_str());
}

// The same by hand on the string of a teacher's code: N = 10 at four
// masses, the watch started and stopped as the ball passes its lowest
// point. The code's k is what the lab finds, within 3 %: over the 40 codes
// of a class list the lab found k from 0.1 % to 2.8 % above the code's,
// 1.3 % on average (the watch truncates to tenths, so a timing reads short);
// see the README. The report names the code; the kept series brings the
// code back after a restart.
class WholeExperimentUnderACode : public LabTest,
                                  public ::testing::WithParamInterface<const char*> {
 protected:
  void EnterCode(const std::string& typed) {
    host->SetModalHandler([typed](HeadlessHost& h, Dialog& d) {
      h.Paste(d, IDC_STRING_CODE, typed);
      h.Click(d, IDOK);
    });
    host->SysCommand(dlg, IDM_STRING_CODE);
  }
};

TEST_P(WholeExperimentUnderACode, FindsTheCodesKWithinTwoPercentAndKeepsTheCode) {
  const std::string code = GetParam();
  const double codeK = string_code::KOfCode(code);
  const std::string caption = "Llei de Trelko \u2014 fil " + code;
  // Typed with a blank before it and its first letter in lower case.
  std::string typed = " ";
  typed += code;
  typed[1] = static_cast<char>(std::tolower(typed[1]));
  EnterCode(typed);
  ASSERT_EQ(host->ModalDialogs().back(), IDD_STRING_CODE);
  EXPECT_EQ(host->Caption(dlg), caption);
  EXPECT_EQ(dlg.m_k, codeK);
  // Nothing the student sees shows the code's k.
  const std::string kText = string_code::TenthsText(string_code::TenthsOfCode(code));
  EXPECT_EQ(Message().find(kText), std::string::npos) << Message();

  Student student(*host, dlg);
  student.SwitchStopwatchOn();
  host->Paste(dlg, IDC_OSCILLATIONS, "10");
  // 0.7, 1.0, 1.4 and 1.9 kg: the weights on the string at each step.
  const std::vector<unsigned> onString = {0b0000, 0b0010, 0b0101, 0b1111};
  for (unsigned set : onString) {
    for (int w = 0; w < layout::kWeightCount; ++w) {
      const bool on = (set & (1u << w)) != 0;
      if (on != dlg.m_weights[w].GetState()) {
        on ? student.PutOnString(w) : student.TakeOffString(w);
      }
    }
    student.PullDownAndRelease();
    student.TimeTenOscillations();
    student.Plot();
  }
  ASSERT_EQ(dlg.m_lastPoint, 3);
  float slope = 0;
  float k = 0;
  ASSERT_EQ(std::sscanf(Message().c_str(),
                        " El pendent de la recta dibuixada \xc3\xa9s: %f. Per tant, k = %f N/m",
                        &slope, &k),
            2)
      << Message();
  EXPECT_NEAR(k, codeK, codeK * 0.03) << Message();
  std::printf("code %s, k %.1f N/m: the lab finds %.2f N/m (%+.2f %%)\n", code.c_str(), codeK, k,
              (k - codeK) / codeK * 100);

  host->SysCommand(dlg, IDM_COPY_DATA);
  EXPECT_NE(host->ClipboardText().find("\n\nCodi del fil\t" + code + "\n"), std::string::npos);
  EXPECT_EQ(host->ClipboardText().find(kText + "\t"), std::string::npos);
  // "Començar" keeps the string of the code.
  host->Click(dlg, IDC_START);
  EXPECT_EQ(dlg.m_k, codeK);
  EXPECT_EQ(host->Caption(dlg), caption);
  // An empty code brings back the lab's own string; the series is kept.
  EnterCode("");
  EXPECT_EQ(dlg.m_k, physical::kStringK);
  EXPECT_EQ(host->Caption(dlg), "Llei de Trelko");

  // A restart: the series measured on the code comes back with it.
  const std::string kept = host->State()[kKeptSeriesName];
  EXPECT_EQ(kept.rfind("trelko-series 2\n", 0), 0u) << kept;
  Close();
  CLabDlg again;
  host->Open(again);
  EXPECT_EQ(again.m_k, physical::kStringK);
  host->SysCommand(again, IDM_RESTORE_SERIES);
  EXPECT_EQ(again.m_lastPoint, 3);
  EXPECT_EQ(again.m_stringCode, code);
  EXPECT_EQ(again.m_k, codeK);
  EXPECT_EQ(again.m_pendulum.m_k, codeK);
  EXPECT_EQ(host->Caption(again), caption);
  host->Close(again);
}

// k from 28.0 to 33.0 N/m.
INSTANTIATE_TEST_SUITE_P(Codes, WholeExperimentUnderACode,
                         ::testing::Values("222222", "222234", "PDCPCU", "ZZZZZ3", "253R2D",
                                           "2222J7"));

}  // namespace
