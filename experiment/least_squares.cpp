#include "experiment/least_squares.h"

#include <algorithm>
#include <cmath>

namespace lab {

void LeastSquaresFit(const double* x, const double* y, int first, int last, double& intercept,
                     double& slope) {
  const double n = static_cast<double>(last - first + 1);
  double sx = 0.0;
  double sy = 0.0;
  double sxx = 0.0;
  double sxy = 0.0;
  for (int i = first; i <= last; ++i) {
    sx += x[i];
    sy += y[i];
    sxx += x[i] * x[i];
    sxy += x[i] * y[i];
  }
  const double d = n * sxx - sx * sx;
  bool allEqual = true;
  for (int i = first; i < last; ++i) {
    if (x[i] != x[i + 1]) {
      allEqual = false;
      break;
    }
  }
  if (allEqual || d == 0.0) {
    intercept = kFitFailed;
    return;
  }
  intercept = (sxx * sy - sx * sxy) / d;
  slope = (n * sxy - sx * sy) / d;
}

bool SlopeGivesK(const double* x, const double* y, int first, int last, double slope) {
  if (!(slope > 0.0) || !std::isfinite(slope)) return false;
  double low = x[first];
  double high = x[first];
  double largest = 0.0;
  for (int i = first; i <= last; ++i) {
    low = std::min(low, x[i]);
    high = std::max(high, x[i]);
    largest = std::max(largest, std::fabs(y[i]));
  }
  return slope * (high - low) > 1e-9 * largest;
}

}  // namespace lab
