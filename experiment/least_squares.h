// Least-squares line y = intercept + slope * x through points first..last
// (inclusive) of two parallel arrays:
//   n = last - first + 1, D = n Sxx - Sx Sx,
//   intercept = (Sxx Sy - Sx Sxy) / D,  slope = (n Sxy - Sx Sy) / D.
// When every x of the range is the same (compared exactly; one point counts
// as all equal) or D is exactly 0, the fit fails: the intercept is set to
// kFitFailed and the slope is not written.
#pragma once

namespace lab {

inline constexpr double kFitFailed = 9999.0;
// k = kFourPiSquared / slope: 4 pi^2 to six decimals, the lab's constant.
inline constexpr double kFourPiSquared = 39.478418;

void LeastSquaresFit(const double* x, const double* y, int first, int last, double& intercept,
                     double& slope);

// Whether a fitted line gives an elastic constant: T² must grow with the
// mass. Over the range of the masses the line must rise by more than a
// billionth of the largest T²; a level line (equal T² at every mass, which
// rounding may tilt by 1e-17) or a falling one has no k, and the lab says
// so instead of printing a huge or negative number.
bool SlopeGivesK(const double* x, const double* y, int first, int last, double slope);

}  // namespace lab
