// The ball's radius from the hanging mass: a sphere of density 6000 kg/m^3,
//   r = (m * 3.978873577296667e-5) ^ 0.33333333      (m in kg, r in m)
// with the stored factor (3 / (4 pi 6000) to twelve digits) and the stored
// exponent 0.33333333, not an exact third.
#pragma once

#include <cmath>

namespace lab {

inline double BallRadiusFromMass(double mass) {
  return std::pow(mass * 3.978873577296667e-05, 0.33333333);
}

}  // namespace lab
