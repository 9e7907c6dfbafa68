// CParticle: a point mass in the vertical plane advanced by the midpoint
// method (second-order Runge-Kutta) with an overridable acceleration law.
// Units: metres, seconds, m/s, m/s^2. World y grows upwards.
#pragma once

namespace lab {

class CParticle {
 public:
  virtual ~CParticle() = default;

  // m_dt = dt, m_halfDt = dt * 0.5. A step of 0 freezes the motion.
  void SetTimeStep(double dt);
  // One midpoint step of m_dt; two evaluations of the law.
  void Step();
  void GetState(double& x, double& y, double& vx, double& vy) const;
  // The velocity t seconds earlier had the current acceleration held:
  // (m_vx - t * m_ax, m_vy - t * m_ay). The out places may be m_vx, m_vy.
  void VelocityBefore(double t, double& vx, double& vy) const;

  // Called before every evaluation of the law; does nothing here.
  virtual void PrepareForces();
  // Sets m_ax, m_ay from the current state. The base law solves
  //   a11 ax + a12 ay = b1,  a21 ax + a22 ay = b2.
  virtual void ComputeAcceleration();

  double m_x = 0.0;       // m
  double m_y = 0.0;       // m
  double m_vx = 0.0;      // m/s
  double m_vy = 0.0;      // m/s
  double m_ax = 0.0;      // m/s^2, from the last evaluation
  double m_ay = 0.0;      // m/s^2
  double m_drawnX = 0.0;  // state at the last drawing
  double m_drawnY = 0.0;
  double m_drawnVx = 0.0;
  double m_drawnVy = 0.0;
  double m_dt = 0.0;                          // s
  double m_halfDt = 0.0;                      // s
  double m_matrix[4] = {0.0, 0.0, 0.0, 0.0};  // a11, a12, a21, a22
  double m_rhs[2] = {0.0, 0.0};               // b1, b2
};

}  // namespace lab
