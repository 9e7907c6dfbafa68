// Drawing and wiping the string and the ball in the simulation box.
//
// Both draw with the pendulum's own pens and brushes and put back the pen
// and brush the device context held before. The string is the segment from
// the fixed end to the centre, clipped to the box's world frame; the ball is
// a disc of the ball's radius.
#include "physics/elastic_pendulum.h"

namespace lab {

void CElasticPendulum::Draw(CDC& dc) {
  if (!IsSetUp()) return;
  DrawAt(dc, m_x, m_y);
  m_drawnX = m_x;
  m_drawnY = m_y;
  m_drawnVx = m_vx;
  m_drawnVy = m_vy;
}

void CElasticPendulum::Redraw(CDC& dc) const { DrawAt(dc, m_drawnX, m_drawnY); }

void CElasticPendulum::DrawAt(CDC& dc, double x, double y) const {
  // Without a set-up there are no drawing objects and no box to draw in.
  if (!IsSetUp()) return;

  const CPen oldPen = dc.SelectObject(m_stringPen);
  const CBrush oldBrush = dc.SelectObject(m_ballBrush);
  if (m_k != 0.0) {
    CPlotArea::Segment drawn{};
    m_box.DrawClippedSegment(dc, m_anchorX, m_anchorY, x, y, drawn);
  }
  m_box.DrawDisc(dc, x, y, m_radius);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

void CElasticPendulum::Erase(CDC& dc, bool traceMode) {
  if (!IsSetUp()) return;
  // In trace mode a ball that has not moved keeps its picture.
  if (m_drawnX == m_x && m_drawnY == m_y && traceMode) return;

  const CPen oldPen = dc.SelectObject(m_bgPen);

  // The old string goes in both modes.
  if (m_k != 0.0) {
    CPlotArea::Segment wiped{};
    m_box.DrawClippedSegment(dc, m_anchorX, m_anchorY, m_drawnX, m_drawnY, wiped);
  }

  // Trace mode leaves a ring: the old outline around a background fill.
  CBrush oldBrush;
  if (traceMode) {
    dc.SelectObject(m_stringPen);
    oldBrush = dc.SelectObject(m_ringBrush);
  } else {
    oldBrush = dc.SelectObject(m_bgBrush);
  }
  m_box.DrawDisc(dc, m_drawnX, m_drawnY, m_radius);

  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

}  // namespace lab
