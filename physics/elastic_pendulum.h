// CElasticPendulum: the ball on the elastic string, fixed at the world
// origin (the middle of the simulation box's top edge).
//
// Law, with r = |(x, y)|:
//   r <= 1e-7:  a = 0
//   r <= L0:    a = (-c vx, -g - c vy)                 (slack string)
//   otherwise:  a = (k L0 / m)(x, y)/r - (k/m)(x, y) + (0, -g) - c v
// i.e. the pull -(k/m)(r - L0) along the string, gravity and damping.
//
// The ball lives in the box of 200 x 400 pixels at (20, 20) showing x from
// -0.25 to 0.25 m and y from -1.0 to 0 m (400 pixels per metre). Walls with
// restitution 0.5 are applied once per tick, after its integration steps
// and before the ball is drawn; the left button places the ball, the right
// one throws it. Drawing never moves the ball.
#pragma once

#include <string_view>

#include "draw/plot_area.h"
#include "physics/particle.h"
#include "platform/dc.h"

namespace lab {

class CElasticPendulum : public CParticle {
 public:
  // (Re)initialises from the six physical values: kg, m, N/m, m, m/s^2, 1/s.
  void Setup(double mass, double radius, double k, double naturalLength, double g, double damping);
  void ComputeAcceleration() override;

  // Draws the string and the ball at the current state and records it as
  // the drawn state (what Erase wipes, and the floor's free fall starts from).
  void Draw(CDC& dc);
  // Draws the string and the ball again where they were last drawn (or set
  // up), for a repaint of the window: changes nothing.
  void Redraw(CDC& dc) const;
  // Wipes the string and ball drawn at the drawn state; in trace mode a
  // moving ball leaves a ring.
  void Erase(CDC& dc, bool traceMode);
  // Places ("izq") or throws ("der", phase 0 press, 1 release) the ball at a
  // pointer position in client pixels.
  void MouseAction(int px, int py, std::string_view key, int phase);
  // The walls of one tick, after its integration steps: Bounce, except right
  // after a throw's start was marked (that point is inside the walls).
  void ApplyWalls();
  // The walls, applied to the current state. Called by ApplyWalls only.
  void Bounce();

  bool IsSetUp() const { return m_stringPen.IsValid(); }

  double m_mass = 0.0;           // kg
  double m_k = 0.0;              // N/m; 0 means no string
  double m_naturalLength = 0.0;  // m
  double m_g = 0.0;              // m/s^2, acts downwards
  double m_damping = 0.0;        // 1/s
  double m_radius = 0.0;         // m
  CPlotArea m_box;               // the box's screen rectangle and world frame
  CPen m_bgPen;                  // (50, 90, 150)
  CPen m_stringPen;              // (0, 30, 40)
  CBrush m_bgBrush;              // (50, 90, 150)
  CBrush m_ballBrush;            // (255, 155, 106)
  CBrush m_ringBrush;            // (50, 90, 150)
  double m_leftLimit = 0.0;      // extreme positions of the centre, m
  double m_rightLimit = 0.0;
  double m_floorLimit = 0.0;
  double m_ceilingLimit = 0.0;
  double m_restitution = 0.0;
  double m_pressX = 0.0;  // where a throw starts, m
  double m_pressY = 0.0;
  bool m_skipBounce = false;
  double m_anchorX = 0.0;  // the string's fixed end, m
  double m_anchorY = 0.0;
  double m_negKOverM = 0.0;  // -k/m, 1/s^2
  double m_kL0OverM = 0.0;   // k L0 / m, m/s^2
  double m_negG = 0.0;       // -g, m/s^2

 private:
  // The string and the ball with the centre at (x, y), m.
  void DrawAt(CDC& dc, double x, double y) const;
};

}  // namespace lab
