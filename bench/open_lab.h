// OpenLab: the main dialog running on the headless host with the lab's
// resources (the tests' LabSession), as the benchmarks measure it.
//
// The host runs on its virtual clock, so the 0.1 s a pressed stopwatch
// button stays down costs no real time. The ball is released from a fixed
// place to the right of and above its resting point so that every tick
// draws a swinging ball, not one at rest.
#pragma once

#include "res/lab_layout.h"
#include "tests/support/lab_session.h"

namespace lab {

namespace bench {

// Where the ball is released from: 0.1 m right of the fixed end and 0.45 m
// below it (the resting depth with the starting mass is about 0.56 m).
constexpr double kReleaseX = 0.1;    // m
constexpr double kReleaseY = -0.45;  // m

class OpenLab : public LabSession {
 public:
  OpenLab() {
    host->SetClock(HeadlessHost::Clock::Virtual);
    Open();
  }

  void Press(CPoint p) {
    host->LeftDown(dlg, p.x, p.y);
    host->LeftUp(dlg, p.x, p.y);
  }
  // Switches the stopwatch on and starts it.
  void RunStopwatch() {
    Press(layout::kPowerOnPoint);
    Press(layout::kStartPoint);
  }
  // Puts the ball back at the release point, at rest; it swings from there.
  void ReleaseBall() {
    dlg.m_pendulum.m_x = kReleaseX;
    dlg.m_pendulum.m_y = kReleaseY;
    dlg.m_pendulum.m_vx = 0.0;
    dlg.m_pendulum.m_vy = 0.0;
  }
  // Fills the point table with n points spread over the whole graph, along
  // a line with a small alternating scatter, as a long series would give.
  void FillPoints(int n) {
    using namespace layout;
    for (int i = 0; i < n; ++i) {
      const double f = (i + 0.5) / n;
      const double scatter = (i % 2 == 0 ? 0.05 : -0.05);
      dlg.m_pointMass[i] = kGraphMassMin + f * (kGraphMassMax - kGraphMassMin);
      dlg.m_pointT2[i] = kGraphT2Min + 0.1 + f * (kGraphT2Max - kGraphT2Min - 0.2) + scatter;
    }
    dlg.m_lastPoint = n - 1;
  }
};

}  // namespace bench

}  // namespace lab
