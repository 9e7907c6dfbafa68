// OpenLab: the main dialog running on the headless host with the lab's
// resources, as the benchmarks measure it.
//
// The host runs on its virtual clock, so the 0.1 s a pressed stopwatch
// button stays down costs no real time. The ball is released from a fixed
// place to the right of and above its resting point so that every tick
// draws a swinging ball, not one at rest.
#pragma once

#include "app/lab_dlg.h"
#include "platform/resources.h"
#include "res/lab_resources.h"
#include "shell/headless/headless_host.h"

namespace bench {

// The stopwatch's controls on its panel at (241, 20), in client pixels.
constexpr CPoint kPowerOn{270, 56};
constexpr CPoint kStart{342, 82};

// Where the ball is released from: 0.1 m right of the fixed end and 0.45 m
// below it (the resting depth with the starting mass is about 0.56 m).
constexpr double kReleaseX = 0.1;    // m
constexpr double kReleaseY = -0.45;  // m

// The graph's world: mass 0.6 .. 2.0 kg, T^2 0.8 .. 2.8 s^2.
constexpr double kGraphMassMin = 0.6;
constexpr double kGraphMassMax = 2.0;
constexpr double kGraphT2Min = 0.8;
constexpr double kGraphT2Max = 2.8;

struct ResourcesInstalled {
  ResourcesInstalled() { InstallResources(LabResources()); }
};

class OpenLab {
 public:
  OpenLab() {
    m_host->SetClock(HeadlessHost::Clock::Virtual);
    m_host->Open(dlg);
  }
  ~OpenLab() {
    if (m_host->IsOpen(dlg)) m_host->Close(dlg);
  }
  OpenLab(const OpenLab&) = delete;
  OpenLab& operator=(const OpenLab&) = delete;

  HeadlessHost& host() { return *m_host; }

  void Press(CPoint p) {
    m_host->LeftDown(dlg, p.x, p.y);
    m_host->LeftUp(dlg, p.x, p.y);
  }
  // Switches the stopwatch on and starts it.
  void RunStopwatch() {
    Press(kPowerOn);
    Press(kStart);
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
    for (int i = 0; i < n; ++i) {
      const double f = (i + 0.5) / n;
      const double scatter = (i % 2 == 0 ? 0.05 : -0.05);
      dlg.m_pointMass[i] = kGraphMassMin + f * (kGraphMassMax - kGraphMassMin);
      dlg.m_pointT2[i] = kGraphT2Min + 0.1 + f * (kGraphT2Max - kGraphT2Min - 0.2) + scatter;
    }
    dlg.m_lastPoint = n - 1;
  }

 private:
  ResourcesInstalled m_resources;  // before the dialog: it loads its icon
  ScopedHeadlessHost m_host;

 public:
  CLabDlg dlg;
};

}  // namespace bench
