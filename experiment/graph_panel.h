// The squared-period graph: T^2 (s^2) against the hanging mass m (kg) on the
// central panel, the accepted points as 6 x 6 squares and, from three
// points on, the least-squares line, k = 39.478418 / slope (4 pi^2 to six
// decimals).
//
// Drawing the graph draws and reports the fit; it writes no message. The
// dialog decides what the message line shows (FitMessage).
#pragma once

#include <string>

#include "draw/plot_area.h"
#include "platform/dc.h"

namespace lab {

// What a redraw of the graph found about the line through the points.
struct GraphFit {
  enum class Outcome {
    kNone,    // fewer than three points: no line, nothing to say
    kFailed,  // every point at one mass: no line can be drawn
    kLine,    // the line, drawn
  };
  Outcome outcome = Outcome::kNone;
  double intercept = 0.0;  // s^2
  double slope = 0.0;      // s^2/kg
  bool hasK = false;       // the line rises: k exists (SlopeGivesK)
  double k = 0.0;          // N/m, when hasK
};

// Redraws the central panel with `panel` (moved onto it) and the graph
// `graph`: the white panel, the graph's box, grid, labels and titles, the
// points 0..lastPoint that lie in its world and, from three points on, the
// fitted line in green. Points outside the world are not drawn but are
// fitted.
GraphFit DrawGraph(CDC& dc, CPlotArea& panel, CPlotArea& graph, const double* mass,
                   const double* t2, int lastPoint);

// The line through the points 0..lastPoint, as DrawGraph finds it, without
// drawing anything.
GraphFit FitGraph(const double* mass, const double* t2, int lastPoint);

// The message line's text for a fit: the slope and k, or that the slope
// could not be computed; empty when there is no line to speak of.
std::string FitMessage(const GraphFit& fit);

}  // namespace lab
