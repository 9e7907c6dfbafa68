// A whole experiment, as a student does it: for five masses, pull the ball
// straight down below the fixed end and let it go, time ten vertical
// oscillations with the stopwatch, and send each timing to the graph. The
// elastic constant that the lab reports must come within 3 % of the
// string's 27.9 N/m.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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

}  // namespace
