// CPlotArea: the world coordinate system, the world hit test, the disc and
// the grid lines.
#include <cmath>

#include "draw/plot_area.h"

namespace lab {

namespace {

// Pixel offsets are truncated toward zero. An offset beyond 2^30 pixels
// (far outside any window) is pinned there and a NaN counts as 0, so that
// a wild world value still gives a defined pixel instead of an undefined
// conversion to int.
int TruncatePixelOffset(double offset) {
  constexpr double kLimit = 1073741824.0;
  if (std::isnan(offset)) return 0;
  if (offset > kLimit) return 1 << 30;
  if (offset < -kLimit) return -(1 << 30);
  return static_cast<int>(offset);
}

// Index of the first grid line: the first multiple of the step at or above
// a negative minimum, strictly above a minimum of zero or more (subject to
// the rounding of the quotient). Kept in double so that a tiny step cannot
// overflow an int; for every quotient an int can hold it is the same value.
double FirstLineIndex(double minimum, double step) {
  const double n = std::trunc(minimum / step);
  return minimum < 0 ? n : n + 1;
}

}  // namespace

void CPlotArea::SetWorld(double xMin, double xMax, double yMin, double yMax) {
  m_xMin = xMin;
  m_xMax = xMax;
  m_yMin = yMin;
  m_yMax = yMax;
  if (xMin == xMax) {
    m_xScale = 1.0;
  } else {
    m_xScale = static_cast<double>(m_width) / (xMax - xMin);
  }
  if (yMin == yMax) {
    m_yScale = -1.0;
  } else {
    m_yScale = -static_cast<double>(m_height) / (yMax - yMin);
  }
}

CPoint CPlotArea::WorldToScreen(double x, double y) const {
  return CPoint{m_originX + TruncatePixelOffset((x - m_xMin) * m_xScale),
                m_originY + TruncatePixelOffset((y - m_yMin) * m_yScale)};
}

void CPlotArea::ScreenToWorld(int px, int py, double& x, double& y) const {
  x = static_cast<double>(px - m_originX) / m_xScale + m_xMin;
  y = static_cast<double>(py - m_originY) / m_yScale + m_yMin;
}

bool CPlotArea::InWorld(double x, double y) const {
  // Written as negated comparisons so that a NaN coordinate is outside.
  if (!(x >= m_xMin)) return false;
  if (!(x <= m_xMax)) return false;
  if (!(y >= m_yMin)) return false;
  if (!(y <= m_yMax)) return false;
  return true;
}

void CPlotArea::DrawDisc(CDC& dc, double x, double y, double radius) const {
  const CPoint a = WorldToScreen(x - radius, y - radius);
  const CPoint b = WorldToScreen(x + radius, y + radius);
  dc.Ellipse(a.x, a.y, b.x, b.y);
}

void CPlotArea::MakeGrid(double xStep, double verticalAnchor, double upFraction,
                         double downFraction, double yStep, double horizontalAnchor,
                         double leftFraction, double rightFraction) {
  // Vertical lines: constant world x, from lo (lower end) to hi in world y.
  if (xStep != 0 && !std::isnan(xStep)) {
    const double s = std::fabs(xStep);
    const double b = verticalAnchor;
    double lo = b - std::fabs(downFraction) * (b - m_yMin);
    double hi = b + std::fabs(upFraction) * (m_yMax - b);
    if (lo < m_yMin) lo = m_yMin;
    if (hi > m_yMax) hi = m_yMax;
    m_verticalCount = 0;
    // Positions are accumulated by repeated addition of the step.
    for (double x = FirstLineIndex(m_xMin, s) * s; x < m_xMax; x = x + s) {
      // A full set ends the whole operation: the horizontal set is kept.
      if (m_verticalCount == kMaxGridLines) return;
      m_vertical[m_verticalCount].start = WorldToScreen(x, lo);
      m_vertical[m_verticalCount].end = WorldToScreen(x, hi);
      ++m_verticalCount;
    }
  }

  // Horizontal lines: constant world y, from lo (left end) to hi in world x.
  if (yStep != 0 && !std::isnan(yStep)) {
    const double s = std::fabs(yStep);
    const double f = horizontalAnchor;
    double lo = f - std::fabs(leftFraction) * (f - m_xMin);
    double hi = f + std::fabs(rightFraction) * (m_xMax - f);
    if (lo < m_xMin) lo = m_xMin;
    if (hi > m_xMax) hi = m_xMax;
    m_horizontalCount = 0;
    for (double y = FirstLineIndex(m_yMin, s) * s; y < m_yMax; y = y + s) {
      if (m_horizontalCount == kMaxGridLines) return;
      m_horizontal[m_horizontalCount].start = WorldToScreen(lo, y);
      m_horizontal[m_horizontalCount].end = WorldToScreen(hi, y);
      ++m_horizontalCount;
    }
  }
}

void CPlotArea::DrawGrid(CDC& dc, bool border) {
  if (border) {
    // On the rectangle's own edge columns and rows.
    dc.MoveTo(m_left, m_bottom);
    dc.LineTo(m_left, m_top);
    dc.LineTo(m_right, m_top);
    dc.LineTo(m_right, m_bottom);
    dc.LineTo(m_left, m_bottom);
  }
  for (int i = 0; i < m_verticalCount; ++i) {
    dc.MoveTo(m_vertical[i].start);
    dc.LineTo(m_vertical[i].end);
  }
  for (int i = 0; i < m_horizontalCount; ++i) {
    dc.MoveTo(m_horizontal[i].start);
    dc.LineTo(m_horizontal[i].end);
  }
}

}  // namespace lab
