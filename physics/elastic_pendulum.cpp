// The ball on the elastic string: its acceleration law and its set-up.
#include "physics/elastic_pendulum.h"

#include <cmath>

#include "platform/runtime.h"
#include "res/lab_colours.h"
#include "res/lab_layout.h"

namespace lab {

namespace {
constexpr double kRestitution = 0.5;
// The ball always starts 2 cm right of the vertical through the fixed end.
constexpr double kStartX = 0.02;
// Below this distance from the fixed end the ball feels no force at all.
constexpr double kAnchorGuard = 1e-7;

// The random throw of a ball without a string: 0.8 / 32767, 1 / 32767 and
// 2 / 32767, as doubles to the last digit.
constexpr double kSpeedSpreadPerDraw = 2.4414807580797754e-5;
constexpr double kUnitPerDraw = 3.051850947599719e-5;
constexpr double kUpSpeedPerDraw = 6.103701895199438e-5;

constexpr COLORREF kString = RGB(0, 30, 40);
constexpr COLORREF kBall = RGB(255, 155, 106);
}  // namespace

void CElasticPendulum::ComputeAcceleration() {
  const double x = m_x;
  const double y = m_y;
  const double r = std::sqrt(x * x + y * y);
  if (!(r > kAnchorGuard)) {
    // At the fixed end: no direction for the pull, and nothing else acts.
    m_ax = 0.0;
    m_ay = 0.0;
    return;
  }
  const double c = m_damping;
  if (!(r > m_naturalLength)) {
    // Slack string: gravity and damping only.
    m_ax = -c * m_vx;
    m_ay = -m_g - c * m_vy;
    return;
  }
  // Stretched: -(k/m)(r - L0) along the unit vector (x, y) / r.
  m_ax = m_kL0OverM * x / r + m_negKOverM * x - c * m_vx;
  m_ay = m_kL0OverM * y / r + m_negKOverM * y + m_negG - c * m_vy;
}

void CElasticPendulum::Setup(double mass, double radius, double k, double naturalLength, double g,
                             double damping) {
  m_mass = mass;
  m_radius = radius;
  m_k = k;
  m_naturalLength = naturalLength;
  m_g = g;
  m_damping = damping;

  m_negKOverM = -k / mass;
  m_kL0OverM = k * naturalLength / mass;
  m_negG = -g;

  m_anchorX = 0.0;
  m_anchorY = 0.0;

  m_box.SetRect(layout::kSimulationBox.Rect());
  m_box.SetWorld(layout::kBoxWorldLeft, layout::kBoxWorldRight, layout::kBoxWorldBottom,
                 layout::kBoxWorldTop);

  // The walls of the world frame, each moved inwards by the radius: the
  // extreme positions of the ball's centre.
  m_leftLimit = layout::kBoxWorldLeft + radius;
  m_rightLimit = layout::kBoxWorldRight - radius;
  m_floorLimit = layout::kBoxWorldBottom + radius;
  m_ceilingLimit = layout::kBoxWorldTop - radius;

  m_restitution = kRestitution;

  m_x = kStartX;
  if (k != 0.0) {
    // At rest at the depth where the stretched string carries the weight.
    m_vx = 0.0;
    m_vy = 0.0;
    m_y = -(g * mass / k) - naturalLength;
  } else {
    // No string: thrown from 0.2 m below the top, sideways at 0.2 to 1.0 m/s
    // to either side with equal odds, upwards at 0 to 2 m/s.
    m_y = layout::kBoxWorldBottom - layout::kBoxWorldBottom * 0.8;
    const int r1 = LabRand();
    const int r2 = LabRand();
    const int r3 = LabRand();
    m_vx = 0.2 + r1 * kSpeedSpreadPerDraw;
    if (r2 * kUnitPerDraw < 0.5) m_vx = -m_vx;
    m_vy = r3 * kUpSpeedPerDraw;
  }

  m_pressX = m_x;
  m_pressY = m_y;
  // The start is where the ball is drawn next: a repaint before the first
  // tick shows it there, and the first tick wipes it from there.
  m_drawnX = m_x;
  m_drawnY = m_y;
  m_drawnVx = m_vx;
  m_drawnVy = m_vy;

  m_bgPen.DeleteObject();
  m_bgPen.CreatePen(PS_SOLID, 1, kPanelBlue);
  m_stringPen.DeleteObject();
  m_stringPen.CreatePen(PS_SOLID, 1, kString);
  m_bgBrush.DeleteObject();
  m_bgBrush.CreateSolidBrush(kPanelBlue);
  m_ballBrush.DeleteObject();
  m_ballBrush.CreateSolidBrush(kBall);
  m_ringBrush.DeleteObject();
  m_ringBrush.CreateSolidBrush(kPanelBlue);
}

}  // namespace lab
