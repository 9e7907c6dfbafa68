#include "physics/particle.h"

namespace lab {

void CParticle::SetTimeStep(double dt) {
  m_dt = dt;
  m_halfDt = dt * 0.5;
}

void CParticle::Step() {
  const double h = m_dt;
  double x0 = 0.0;
  double y0 = 0.0;
  double vx0 = 0.0;
  double vy0 = 0.0;
  GetState(x0, y0, vx0, vy0);

  // Slopes at the start state.
  PrepareForces();
  ComputeAcceleration();

  // Half a step with them: the positions from the start velocity.
  m_x = x0 + vx0 * h / 2;
  m_y = y0 + vy0 * h / 2;
  m_vx = vx0 + m_ax * h / 2;
  m_vy = vy0 + m_ay * h / 2;

  // Slopes at the midpoint.
  PrepareForces();
  ComputeAcceleration();

  // The whole step from the start state with the midpoint's slopes. The
  // midpoint acceleration stays in m_ax, m_ay for the walls' back-correction.
  m_x = x0 + m_vx * h;
  m_y = y0 + m_vy * h;
  m_vx = vx0 + m_ax * h;
  m_vy = vy0 + m_ay * h;
}

void CParticle::GetState(double& x, double& y, double& vx, double& vy) const {
  x = m_x;
  y = m_y;
  vx = m_vx;
  vy = m_vy;
}

void CParticle::VelocityBefore(double t, double& vx, double& vy) const {
  // Both results are computed before either is stored: the out places may
  // be m_vx and m_vy themselves.
  const double before_x = m_vx - t * m_ax;
  const double before_y = m_vy - t * m_ay;
  vx = before_x;
  vy = before_y;
}

void CParticle::PrepareForces() {}

void CParticle::ComputeAcceleration() {
  const double a11 = m_matrix[0];
  const double a12 = m_matrix[1];
  const double a21 = m_matrix[2];
  const double a22 = m_matrix[3];
  const double b1 = m_rhs[0];
  const double b2 = m_rhs[1];
  const double d = a11 * a22 - a21 * a12;
  if (d != 0.0) {
    m_ax = (b1 * a22 - b2 * a12) / d;
    m_ay = (a11 * b2 - a21 * b1) / d;
  } else if (a11 != 0.0) {
    m_ax = b1 / a11;
    m_ay = 0.0;
  } else {
    m_ax = 0.0;
    m_ay = b2 / a22;
  }
}

}  // namespace lab
