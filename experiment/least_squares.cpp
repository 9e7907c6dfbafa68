#include "experiment/least_squares.h"

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

}  // namespace lab
