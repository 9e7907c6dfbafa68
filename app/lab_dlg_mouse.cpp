// The mouse on the main window. A left press is offered, in this order, to
// the weights (a weight moves between the rack and the string), to the
// stopwatch (its switch and buttons; a stop gives the duration and the
// period), then to the simulation box. There the left button places and
// drags the ball, and the right button aims (press) and throws (release) it.
#include "app/lab_dlg.h"
#include "physics/ball_radius.h"
#include "platform/runtime.h"
#include "res/lab_layout.h"
#include "res/texts/text_catalogue.h"

namespace lab {

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
    DrawBall(dc);
    ShowMessage(Format(TextOf(TextId::MassMessage), m_mass));
  }

  switch (m_stopwatch.OnClick(dc, point.x, point.y)) {
    case CStopwatch::kStopped: {
      UpdateData(true);
      const int n = CountForPeriod();
      const double t = m_stopwatch.GetMeasured();
      const double period = t / n;
      ShowMessage(Format(TextOf(TextId::DurationMessage), n, t, period));
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

void CLabDlg::PressInSimulationBox(CDC& dc, unsigned flags, CPoint point) {
  if (!m_simBox.Contains(point.x, point.y)) return;
  m_pendulum.SetTimeStep(physical::kTimeStep);  // also ends a frozen throw
  RepaintSimulationBox(dc);
  m_pendulum.MouseAction(point.x, point.y, "izq", static_cast<int>(flags));
  DrawBall(dc);
  m_dragging = true;
}

void CLabDlg::OnMouseMove(unsigned flags, CPoint point) {
  if (!m_dragging) return;
  // While the keys hold the ball, a pointer passing over the window leaves it.
  if (m_ballKeys == BallKeys::kHeld && (flags & MK_LBUTTON) == 0) return;
  CClientDC dc(this);
  if (m_simBox.Contains(point.x, point.y)) {
    m_pendulum.Erase(dc, false);
    m_pendulum.MouseAction(point.x, point.y, "izq", static_cast<int>(flags));
    DrawBall(dc);
  } else {
    // Leaving the box lets the ball go, at rest where it was last placed.
    m_dragging = false;
  }
}

void CLabDlg::OnLButtonUp(unsigned flags, CPoint point) {
  m_dragging = false;
  if (!m_simBox.Contains(point.x, point.y)) return;
  CClientDC dc(this);
  m_pendulum.Erase(dc, false);
  m_pendulum.MouseAction(point.x, point.y, "izq", static_cast<int>(flags));
  DrawBall(dc);
}

bool CLabDlg::OwnsRightButton(CPoint point) const { return m_simBox.Contains(point.x, point.y); }

void CLabDlg::OnRButtonDown(unsigned, CPoint point) {
  if (!m_simBox.Contains(point.x, point.y)) return;
  CClientDC dc(this);
  m_pendulum.SetTimeStep(0);  // frozen while the throw is aimed
  RepaintSimulationBox(dc);
  m_pendulum.MouseAction(point.x, point.y, "der", 0);
  DrawBall(dc);
}

void CLabDlg::OnRButtonUp(unsigned, CPoint point) {
  if (!m_simBox.Contains(point.x, point.y)) return;
  CClientDC dc(this);
  m_pendulum.SetTimeStep(physical::kTimeStep);
  RepaintSimulationBox(dc);
  m_pendulum.MouseAction(point.x, point.y, "der", 1);
  DrawBall(dc);
}

}  // namespace lab
