// What must hold of the main dialog after every event a user can give.
#pragma once

#include <cmath>
#include <string>

#include "app/lab_dlg.h"
#include "shell/headless/headless_host.h"

namespace lab {

// Empty when every invariant holds, else a sentence naming the first broken.
inline std::string CheckLabInvariants(const CLabDlg& dlg, const HeadlessHost& host) {
  const CElasticPendulum& p = dlg.m_pendulum;
  const double values[] = {p.m_x,        p.m_y,         p.m_vx,        p.m_vy,      p.m_ax,
                           p.m_ay,       p.m_drawnX,    p.m_drawnY,    p.m_drawnVx, p.m_drawnVy,
                           p.m_dt,       p.m_pressX,    p.m_pressY,    dlg.m_clock, dlg.m_mass,
                           dlg.m_radius, p.m_leftLimit, p.m_floorLimit};
  for (double v : values) {
    if (!std::isfinite(v)) return "a state value is not finite";
  }
  if (p.m_drawnX < p.m_leftLimit || p.m_drawnX > p.m_rightLimit || p.m_drawnY < p.m_floorLimit ||
      p.m_drawnY > p.m_ceilingLimit) {
    return "the ball was drawn outside its limits";
  }
  double expected = 0.7;
  const double weights[4] = {0.5, 0.3, 0.2, 0.2};
  for (int i = 0; i < 4; ++i) expected += dlg.m_weights[i].GetState() ? weights[i] : 0.0;
  if (std::abs(dlg.m_mass - expected) > 1e-9) return "the mass does not match the weights";
  if (dlg.m_mass < 0.7 - 1e-9 || dlg.m_mass > 1.9 + 1e-9) return "the mass is out of range";
  if (dlg.m_lastPoint < -1 || dlg.m_lastPoint >= CLabDlg::kPointCapacity) {
    return "the point table index is out of range";
  }
  for (int i = 0; i <= dlg.m_lastPoint; ++i) {
    if (!std::isfinite(dlg.m_pointMass[i]) || !std::isfinite(dlg.m_pointT2[i])) {
      return "a stored point is not finite";
    }
  }
  if (host.Enabled(dlg, IDC_PLOT) && !dlg.m_timingAvailable) {
    return "\"plot\" is enabled without a timing";
  }
  if (dlg.m_acceptedOscillations < 1 || dlg.m_acceptedOscillations > 999) {
    return "the accepted count is out of range";
  }
  return {};
}

}  // namespace lab
