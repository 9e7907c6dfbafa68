#include "report/fit_errors.h"

#include <cmath>

#include "experiment/least_squares.h"

namespace lab {

FitWithErrors FitSeries(const PointSeries& series) {
  FitWithErrors fit;
  fit.points = series.Size();
  if (fit.points < 3) return fit;

  double intercept = 0.0;
  double slope = 0.0;
  LeastSquaresFit(series.mass.data(), series.t2.data(), 0, fit.points - 1, intercept, slope);
  if (intercept == kFitFailed) {
    fit.failed = true;
    return fit;
  }
  fit.fitted = true;
  fit.slope = slope;
  fit.intercept = intercept;

  // The sums in the order LeastSquaresFit takes them.
  const double n = static_cast<double>(fit.points);
  double sx = 0.0;
  double sxx = 0.0;
  double squaredResiduals = 0.0;
  for (int i = 0; i < fit.points; ++i) {
    const double x = series.mass[i];
    sx += x;
    sxx += x * x;
    const double r = series.t2[i] - (intercept + slope * x);
    squaredResiduals += r * r;
  }
  const double d = n * sxx - sx * sx;
  const double variance = squaredResiduals / (n - 2.0);
  // The fit succeeded, so D is not 0; rounding could still make it negative
  // for masses that differ in the last bits only.
  if (d > 0.0) {
    fit.slopeError = std::sqrt(n * variance / d);
    fit.interceptError = std::sqrt(sxx * variance / d);
  } else {
    fit.slopeError = NAN;
    fit.interceptError = NAN;
  }
  if (SlopeGivesK(series.mass.data(), series.t2.data(), 0, fit.points - 1, slope)) {
    fit.hasK = true;
    fit.k = kFourPiSquared / slope;
    fit.kError = std::fabs(fit.k * fit.slopeError / slope);
  }
  return fit;
}

}  // namespace lab
