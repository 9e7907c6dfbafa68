// Placing the ball with the left button and throwing it with the right one.
#include "physics/elastic_pendulum.h"

namespace lab {

namespace {
// A throw starts this far inside the walls, m.
constexpr double kThrowMargin = 0.002;
// Throw speed per metre of drag, per second of time step: with the step of
// 0.001 s a drag of 0.1 m gives 1 m/s.
constexpr double kThrowFactor = 0.01;
}  // namespace

void CElasticPendulum::MouseAction(int px, int py, std::string_view key, int phase) {
  double x = 0.0;
  double y = 0.0;
  m_box.ScreenToWorld(px, py, x, y);

  if (key == "izq") {
    // Placed at rest at the pointer, held inside the walls.
    if (x <= m_leftLimit) x = m_leftLimit;
    if (x >= m_rightLimit) x = m_rightLimit;
    if (y <= m_floorLimit) y = m_floorLimit;
    if (y >= m_ceilingLimit) y = m_ceilingLimit;
    m_x = x;
    m_y = y;
    m_vx = 0.0;
    m_vy = 0.0;
    return;
  }
  if (key != "der") return;

  if (phase == 0) {
    // The throw's start: a little inside the walls, so that the walls that
    // follow (ApplyWalls) may be skipped once.
    if (x <= m_leftLimit) x = m_leftLimit + kThrowMargin;
    if (x >= m_rightLimit) x = m_rightLimit - kThrowMargin;
    if (y <= m_floorLimit) y = m_floorLimit + kThrowMargin;
    if (y >= m_ceilingLimit) y = m_ceilingLimit - kThrowMargin;
    m_x = x;
    m_y = y;
    m_pressX = x;
    m_pressY = y;
    m_vx = 0.0;
    m_vy = 0.0;
    m_skipBounce = true;
    return;
  }
  if (phase == 1) {
    // The release: thrown from the press point along the drag. Without a
    // time step there is nothing to measure the speed by, and the ball goes
    // back to the press point at rest instead of taking an infinite speed.
    if (m_dt != 0.0) {
      m_vx = (x - m_pressX) / m_dt * kThrowFactor;
      m_vy = (y - m_pressY) / m_dt * kThrowFactor;
    } else {
      m_vx = 0.0;
      m_vy = 0.0;
    }
    m_x = m_pressX;
    m_y = m_pressY;
  }
}

}  // namespace lab
