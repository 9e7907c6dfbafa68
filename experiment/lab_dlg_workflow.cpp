// The experiment's handlers of the main dialog: moving weights between the
// rack and the string, acting on the stopwatch, starting a new series and
// accepting a timing as a point of the graph.
#include <cmath>

#include "app/lab_dlg.h"
#include "experiment/graph_texts.h"
#include "experiment/messages.h"
#include "physics/ball_radius.h"
#include "platform/runtime.h"
#include "res/lab_layout.h"

void CLabDlg::OnLButtonDown(unsigned flags, CPoint point) {
  // A press anywhere takes back the chance to plot the last timing.
  GetDlgItem(IDC_PLOT).EnableWindow(false);
  CClientDC dc(this);

  for (int i = 0; i < layout::kWeightCount; ++i) {
    if (!m_weights[i].HitToggle(dc, point.x, point.y)) continue;
    if (m_weights[i].GetState()) {
      m_mass += physical::kWeightMass[i];
    } else {
      m_mass -= physical::kWeightMass[i];
    }
    m_radius = BallRadiusFromMass(m_mass);
    m_pendulum.Setup(m_mass, m_radius, m_k, m_naturalLength, m_g, m_damping);
    RepaintSimulationBox(dc);
    m_pendulum.Draw(dc);
    ShowMessage(Format(kMassMessage, m_mass));
  }

  switch (m_stopwatch.OnClick(dc, point.x, point.y)) {
    case CStopwatch::kStopped: {
      UpdateData(true);
      const int n = CountForPeriod();
      const double t = m_stopwatch.GetMeasured();
      const double period = t / n;
      ShowMessage(Format(kDurationMessage, n, t, period));
      if (m_startPressed) {
        m_timingAvailable = true;
        GetDlgItem(IDC_PLOT).EnableWindow(true);
      }
      break;
    }
    case CStopwatch::kStarted:
      m_startPressed = true;
      break;
    default:
      break;
  }

  if (m_stopwatch.IsOn()) {
    m_traceMode = false;
    RepaintSimulationBox(dc);
  } else {
    m_traceMode = true;
  }

  PressInSimulationBox(dc, flags, point);
}

void CLabDlg::OnStart() {
  CClientDC dc(this);
  m_k = physical::kStringK;
  m_pendulum.Setup(m_mass, m_radius, m_k, m_naturalLength, m_g, m_damping);
  RepaintSimulationBox(dc);
  m_pendulum.Draw(dc);
  ShowMessage(kNewSeriesMessage);
  ResetGraphWorld(m_graph);
  // A table that held points is kept as the previous series.
  if (m_lastPoint >= 0) {
    m_previousSeries = CurrentSeries();
    m_lastPoint = -1;
    KeepSeries();
    UpdateReportMenu();
  }
  DrawGraphPanel(dc);
}

void CLabDlg::OnPlot() {
  const double t = m_stopwatch.GetMeasured();
  if (t == 0.0 || !m_timingAvailable) {
    ShowMessage(kNotTimedMessage);
    return;
  }
  if (m_lastPoint >= kPointCapacity - 1) {
    ShowMessage(kTableFullMessage);
    return;
  }
  CClientDC dc(this);
  const int i = m_lastPoint + 1;
  m_pointT2[i] = std::pow(t / CountForPeriod(), 2.0);
  m_pointMass[i] = m_mass;
  m_lastPoint = i;
  KeepSeries();
  UpdateReportMenu();
  ShowMessage(kPointAcceptedMessage);
  DrawGraphPanel(dc);
  GetDlgItem(IDC_PLOT).EnableWindow(false);
}
