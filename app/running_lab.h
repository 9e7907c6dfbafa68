// What a host asks of the running lab, without knowing the lab's window.
//
// A host drives every window through the dialog's own entry points
// (platform/dialog.h: paint, tick, mouse, keys, instruments) and answers the
// core through its WindowHost. The few questions that are the lab's own (is
// there work to lose before the page is left?) and the probes of the page's
// test build (the model's clock, the ball, a table put in place, a tick or a
// paint timed alone) go through these calls, which take any window and
// answer only for the lab's main one. No host includes the main dialog.
#pragma once

#include <span>

#include "platform/dialog.h"

namespace lab {

// The points in the lab's table; 0 when `window` is not the lab's.
int LabPointCount(const Dialog* window);

// The lab's own clock in seconds (what the ticks have advanced it by).
double LabModelClock(const Dialog* window);

// The ball's place in the box in metres: across and up.
struct BallPlace {
  double x = 0.0;
  double y = 0.0;
};
BallPlace LabBallPlace(const Dialog* window);

// Puts a table of points (mass kg, T^2 s^2 pairs) in place of the
// student's, as far as the table holds; the next paint shows it. Returns the
// number of points taken (0 when `window` is not the lab's).
int ReplaceLabPoints(Dialog* window, std::span<const double> pairs);

}  // namespace lab
