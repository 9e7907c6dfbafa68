// The least-squares line of a series with the uncertainties of its
// parameters, for the report.
//
// The slope and the intercept are the lab's own fit (LeastSquaresFit over
// all the points, in order), so the report says what the message line
// says. With n points, residuals r = T² - (intercept + slope m) and
// D = n Sxx - Sx Sx:
//   s² = Σ r² / (n - 2),
//   standard error of the slope     = sqrt(n s² / D),
//   standard error of the intercept = sqrt(Sxx s² / D),
//   k = 39.478418 / slope, its standard error = k × (error of slope) / slope.
#pragma once

#include "experiment/point_series.h"

namespace lab {

struct FitWithErrors {
  // False with fewer than three points (no line is drawn) or when the lab's
  // fit fails (every mass the same).
  bool fitted = false;
  // True when the fit was tried (three points or more) and failed.
  bool failed = false;
  int points = 0;
  double slope = 0.0;  // s^2/kg
  double slopeError = 0.0;
  double intercept = 0.0;  // s^2
  double interceptError = 0.0;
  // k and its error exist only for a rising line (SlopeGivesK).
  bool hasK = false;
  double k = 0.0;  // N/m
  double kError = 0.0;
};

FitWithErrors FitSeries(const PointSeries& series);

}  // namespace lab
