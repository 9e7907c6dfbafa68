#include "app/running_lab.h"

#include "app/lab_dlg.h"

namespace lab {

namespace {
const CLabDlg* Lab(const Dialog* window) { return dynamic_cast<const CLabDlg*>(window); }
}  // namespace

int LabPointCount(const Dialog* window) {
  const CLabDlg* lab = Lab(window);
  return lab != nullptr ? lab->m_lastPoint + 1 : 0;
}

double LabModelClock(const Dialog* window) {
  const CLabDlg* lab = Lab(window);
  return lab != nullptr ? lab->m_clock : 0.0;
}

BallPlace LabBallPlace(const Dialog* window) {
  const CLabDlg* lab = Lab(window);
  if (lab == nullptr) return {};
  return {lab->m_pendulum.m_x, lab->m_pendulum.m_y};
}

int ReplaceLabPoints(Dialog* window, std::span<const double> pairs) {
  CLabDlg* lab = dynamic_cast<CLabDlg*>(window);
  if (lab == nullptr) return 0;
  int n = static_cast<int>(pairs.size() / 2);
  if (n > CLabDlg::kPointCapacity) n = CLabDlg::kPointCapacity;
  for (int i = 0; i < n; ++i) {
    lab->m_pointMass[i] = pairs[2 * i];
    lab->m_pointT2[i] = pairs[2 * i + 1];
  }
  lab->m_lastPoint = n - 1;
  return n;
}

}  // namespace lab
