// CPlotArea: a world segment drawn clipped to the world ranges.
#include <cmath>

#include "draw/plot_area.h"

namespace lab {

namespace {

// Below this a coordinate difference counts as zero: the segment is taken
// as parallel to that axis.
constexpr double kParallel = 1e-10;

// The pixel points found so far, at most two.
struct FoundPoints {
  CPoint points[2];
  int count = 0;

  bool Full() const { return count == 2; }
  void Add(CPoint p) { points[count++] = p; }
};

}  // namespace

bool CPlotArea::DrawClippedSegment(CDC& dc, double x1, double y1, double x2, double y2,
                                   Segment& out) const {
  FoundPoints found;
  if (InWorld(x1, y1)) found.Add(WorldToScreen(x1, y1));
  if (InWorld(x2, y2)) found.Add(WorldToScreen(x2, y2));

  const double dx = x2 - x1;
  const double dy = y2 - y1;
  // A crossing counts strictly between the end points (an end point on an
  // edge has already been counted as an end point) and on the world edge.
  auto offer = [&](double t, double x, double y) {
    if (found.Full()) return;
    if (0 < t && t < 1 && InWorld(x, y)) found.Add(WorldToScreen(x, y));
  };

  // Crossings in a fixed order: x minimum, x maximum, y minimum, y maximum.
  // The order fixes the direction of the drawn line. A segment parallel to
  // an axis (a difference of 1e-10 or less) has no crossing with the edges
  // along that axis; its crossings with the other two edges are tested by
  // its own parameter like any other, so a parallel segment that lies wholly
  // outside the world is not drawn, and a segment shorter than that both
  // ways is drawn only when both of its ends lie inside.
  if (std::fabs(dx) > kParallel) {
    double t = (m_xMin - x1) / dx;
    offer(t, m_xMin, y1 + t * dy);
    t = (m_xMax - x1) / dx;
    offer(t, m_xMax, y1 + t * dy);
  }
  if (std::fabs(dy) > kParallel) {
    double t = (m_yMin - y1) / dy;
    offer(t, x1 + t * dx, m_yMin);
    t = (m_yMax - y1) / dy;
    offer(t, x1 + t * dx, m_yMax);
  }

  if (!found.Full()) return false;
  dc.MoveTo(found.points[0]);
  dc.LineTo(found.points[1]);
  out = Segment{found.points[0].x, found.points[0].y, found.points[1].x, found.points[1].y};
  return true;
}

}  // namespace lab
