// The walls of the simulation box, applied once per tick.
//
// The integrator never looks at the walls, so by the time the ball is drawn
// its centre may have passed a limit during the tick's steps. Each wall puts
// the centre back onto its limit (not mirrored) and reverses the speed
// across it with the restitution. The side walls and the ceiling first
// correct the velocity back to the moment of crossing with the current
// acceleration; the floor takes the speed of a free fall from the last
// drawn state instead.
#include <cmath>

#include "physics/elastic_pendulum.h"

namespace lab {

namespace {
// A free ball's sideways creep below this speed stops, m/s.
constexpr double kCreepSpeed = 0.01;
// A rebound from the floor or the ceiling slower than this ends in rest, m/s.
constexpr double kRestSpeed = 0.1;
// The sideways speed kept per tick by a ball resting on the floor.
constexpr double kRollingFactor = 0.95;
}  // namespace

void CElasticPendulum::ApplyWalls() {
  if (m_skipBounce) {
    m_skipBounce = false;
  } else {
    Bounce();
  }
}

void CElasticPendulum::Bounce() {
  const double e = m_restitution;
  const double g = m_g;

  if (m_k == 0.0 && std::fabs(m_vx) < kCreepSpeed) m_vx = 0.0;

  if (m_x <= m_leftLimit) {
    if (m_vx != 0.0) {
      const double t = std::fabs((m_x - m_leftLimit) / m_vx);
      VelocityBefore(t, m_vx, m_vy);
      // A ball rolling exactly on the floor keeps its speed off the wall.
      if (m_y == m_floorLimit) {
        m_vx = -m_vx;
      } else {
        m_vx = -e * m_vx;
      }
    }
    m_x = m_leftLimit;
  }

  if (m_x >= m_rightLimit) {
    if (m_vx != 0.0) {
      const double t = std::fabs((m_x - m_rightLimit) / m_vx);
      VelocityBefore(t, m_vx, m_vy);
      if (m_y == m_floorLimit) {
        m_vx = -m_vx;
      } else {
        m_vx = -e * m_vx;
      }
    }
    m_x = m_rightLimit;
  }

  if (m_y <= m_floorLimit) {
    if (m_vy != 0.0) {
      // The speed of a free fall from the last drawn state down to the floor.
      // The drawn state lies on or above the floor whenever the last drawing
      // saw the same limits; after a set-up that raised the floor without a
      // drawing in between it may lie below, and then the ball has no speed
      // left to rebound with: it stays on the floor.
      double squared = m_drawnVy * m_drawnVy + 2 * g * (m_drawnY - m_floorLimit);
      if (!(squared >= 0.0)) squared = 0.0;
      m_vy = e * std::sqrt(squared);
      if (m_vy < kRestSpeed) {
        m_vy = 0.0;
        m_vx = m_vx * kRollingFactor;
      }
    }
    m_y = m_floorLimit;
  }

  if (m_y >= m_ceilingLimit) {
    if (m_vy != 0.0) {
      const double t = std::fabs((m_y - m_ceilingLimit) / m_vy);
      VelocityBefore(t, m_vx, m_vy);
      const double before = m_vy;
      m_vy = -e * m_vy;
      if (e * before < kRestSpeed) m_vy = 0.0;
    }
    m_y = m_ceilingLimit;
  }
}

}  // namespace lab
