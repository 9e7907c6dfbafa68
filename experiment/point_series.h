// A series of accepted points, m (kg) and T² (s²), in the order they were
// plotted: the lab's table as the report and the kept series see it.
#pragma once

#include <vector>

namespace lab {

struct PointSeries {
  // The most points the lab's table holds.
  static constexpr int kCapacity = 100;

  std::vector<double> mass;  // kg
  std::vector<double> t2;    // s^2

  int Size() const { return static_cast<int>(mass.size()); }
  bool Empty() const { return mass.empty(); }
  void Add(double m, double squaredPeriod) {
    mass.push_back(m);
    t2.push_back(squaredPeriod);
  }
  bool operator==(const PointSeries&) const = default;
};

}  // namespace lab
