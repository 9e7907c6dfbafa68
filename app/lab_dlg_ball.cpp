// The simulation box's share of the mouse: the left button places and drags
// the ball, the right button aims (press) and throws (release) it.
#include "app/lab_dlg.h"

void CLabDlg::PressInSimulationBox(CDC& dc, unsigned flags, CPoint point) {
  if (!m_simBox.Contains(point.x, point.y)) return;
  m_pendulum.SetTimeStep(0.001);  // also ends a frozen throw
  RepaintSimulationBox(dc);
  m_pendulum.MouseAction(point.x, point.y, "izq", static_cast<int>(flags));
  m_pendulum.Draw(dc);
  m_dragging = true;
}

void CLabDlg::OnMouseMove(unsigned flags, CPoint point) {
  if (!m_dragging) return;
  CClientDC dc(this);
  if (m_simBox.Contains(point.x, point.y)) {
    m_pendulum.Erase(dc, false);
    m_pendulum.MouseAction(point.x, point.y, "izq", static_cast<int>(flags));
    m_pendulum.Draw(dc);
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
  m_pendulum.Draw(dc);
}

bool CLabDlg::OwnsRightButton(CPoint point) const { return m_simBox.Contains(point.x, point.y); }

void CLabDlg::OnRButtonDown(unsigned, CPoint point) {
  if (!m_simBox.Contains(point.x, point.y)) return;
  CClientDC dc(this);
  m_pendulum.SetTimeStep(0);  // frozen while the throw is aimed
  RepaintSimulationBox(dc);
  m_pendulum.MouseAction(point.x, point.y, "der", 0);
  m_pendulum.Draw(dc);
}

void CLabDlg::OnRButtonUp(unsigned, CPoint point) {
  if (!m_simBox.Contains(point.x, point.y)) return;
  CClientDC dc(this);
  m_pendulum.SetTimeStep(0.001);
  RepaintSimulationBox(dc);
  m_pendulum.MouseAction(point.x, point.y, "der", 1);
  m_pendulum.Draw(dc);
}
