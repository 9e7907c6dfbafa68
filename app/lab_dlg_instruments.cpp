// The lab's instruments as the hosts see them, and the keys on them.
//
// Every instrument is described from the object that draws it: the weights'
// and the stopwatch's current hit rectangles, the ball's disc from the
// pendulum's state and radius, the display's cells, the graph's panel. A
// key on an instrument leads to exactly the handler a mouse would: Space or
// Enter on a weight or a stopwatch control is a left press and release
// inside its hit rectangle; the arrows hold and drag the ball as the left
// button does, 'L' aims and throws it as the right button does.
#include <algorithm>
#include <cmath>

#include "app/lab_dlg.h"
#include "experiment/graph_panel.h"
#include "platform/runtime.h"
#include "report/report_table.h"
#include "res/lab_layout.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace {

using instrument_id::kBall;
using instrument_id::kDisplay;
using instrument_id::kFirstWeight;
using instrument_id::kGraph;
using instrument_id::kHangingMass;
using instrument_id::kPowerSwitch;
using instrument_id::kReset;
using instrument_id::kStart;
using instrument_id::kStop;

// One press of an arrow moves the ball or the aim by 4 pixels (1 cm of the
// box), or by 1 pixel with Shift.
constexpr int kArrowStep = 4;
constexpr int kFineArrowStep = 1;
constexpr double kPixelsPerCm = 4.0;

// Below these the ball is at rest (m/s, m/s^2).
constexpr double kRestSpeed = 0.005;
constexpr double kRestAcceleration = 0.05;

CRect RectOf(const HitRect& hit) { return CRect(hit.left, hit.top, hit.right + 1, hit.bottom + 1); }
CPoint MiddleOf(const HitRect& hit) {
  return CPoint{(hit.left + hit.right) / 2, (hit.top + hit.bottom) / 2};
}

// The index of the weight (in the order of layout::kWeightLeft) that is
// the n-th from the left on the screen.
int WeightFromLeft(int n) {
  int order[layout::kWeightCount];
  for (int i = 0; i < layout::kWeightCount; ++i) order[i] = i;
  std::sort(order, order + layout::kWeightCount,
            [](int a, int b) { return layout::kWeightLeft[a] < layout::kWeightLeft[b]; });
  return order[n];
}

// "3 cm", "0.25 cm": a distance of pixels of the box in centimetres.
std::string Centimetres(int pixels) {
  if (pixels % 4 == 0) return Format("%d cm", pixels / 4);
  return Format("%.2f cm", pixels / kPixelsPerCm);
}

// "apuntant, 3 cm a la dreta i 2 cm amunt" in Catalan: the aim's offset from where the
// throw starts (y grows downwards on the screen).
std::string AimState(CPoint from, CPoint to) {
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  std::string text = TextOf(TextId::BallAiming);
  std::string joiner = ", ";
  if (dx != 0) {
    text += joiner + Format(TextOf(dx > 0 ? TextId::AimRight : TextId::AimLeft),
                            Centimetres(std::abs(dx)).c_str());
    joiner = TextOf(TextId::ListLastJoiner);
  }
  if (dy != 0) {
    text += joiner + Format(TextOf(dy < 0 ? TextId::AimUp : TextId::AimDown),
                            Centimetres(std::abs(dy)).c_str());
  }
  return text;
}

std::string WithDecimalPoints(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

}  // namespace

CPoint CLabDlg::BallCentre() const {
  return m_pendulum.m_box.WorldToScreen(m_pendulum.m_x, m_pendulum.m_y);
}

std::vector<Instrument> CLabDlg::Instruments() const {
  std::vector<Instrument> list;
  auto add = [&list](int id, InstrumentRole role, CRect rect, std::string name,
                     std::string state = {}) -> Instrument& {
    Instrument& instrument = list.emplace_back();
    instrument.id = id;
    instrument.role = role;
    instrument.rect = rect;
    instrument.name = std::move(name);
    instrument.state = std::move(state);
    instrument.announced = instrument.state;
    if (role == InstrumentRole::kButton || role == InstrumentRole::kSwitch) {
      instrument.keys = TextOf(TextId::PressKeys);
    }
    return instrument;
  };

  // The ball: its disc, and what it is doing.
  const CElasticPendulum& p = m_pendulum;
  const CPoint a = p.m_box.WorldToScreen(p.m_x - p.m_radius, p.m_y - p.m_radius);
  const CPoint b = p.m_box.WorldToScreen(p.m_x + p.m_radius, p.m_y + p.m_radius);
  CRect disc(a.x, a.y, b.x, b.y);
  disc.NormalizeRect();
  std::string ball;
  if (m_dragging) {
    ball = TextOf(TextId::BallHeld);
  } else if (m_ballKeys == BallKeys::kAiming) {
    ball = AimState(m_ballAimStart, m_ballKeyPoint);
  } else if (p.m_dt == 0.0) {
    ball = TextOf(TextId::BallAiming);
  } else if (std::hypot(p.m_vx, p.m_vy) < kRestSpeed &&
             std::hypot(p.m_ax, p.m_ay) < kRestAcceleration) {
    ball = TextOf(TextId::BallAtRest);
  } else {
    ball = TextOf(TextId::BallMoving);
  }
  const long depth = std::lround((p.m_anchorY - p.m_y) * 100.0);
  ball += ", " + Format(TextOf(depth >= 0 ? TextId::BallBelowAnchor : TextId::BallAboveAnchor),
                        std::labs(depth));
  Instrument& theBall = add(kBall, InstrumentRole::kBall, disc, TextOf(TextId::BallName), ball);
  // Held or aimed, each move is news. Free, neither its depth (which
  // changes at every tick) nor its coming to rest is: letting it go is.
  const bool free = !m_dragging && m_ballKeys != BallKeys::kAiming && p.m_dt != 0.0;
  if (free) theBall.announced.clear();
  theBall.keys = TextOf(TextId::BallKeys);

  // The stopwatch.
  Instrument& power = add(kPowerSwitch, InstrumentRole::kSwitch, RectOf(m_stopwatch.PowerHit()),
                          TextOf(TextId::PowerSwitchName));
  power.checked = m_stopwatch.IsOn();
  std::string display = TextOf(TextId::DisplayOff);
  if (m_stopwatch.IsOn()) {
    display = m_stopwatch.IsStopped()
                  ? Format(TextOf(TextId::DisplayStopped), m_stopwatch.GetMeasured())
                  : std::string(TextOf(TextId::DisplayRunning));
  }
  add(kDisplay, InstrumentRole::kReadout, m_stopwatch.DisplayRect(), TextOf(TextId::DisplayName),
      display);
  add(kReset, InstrumentRole::kButton, RectOf(m_stopwatch.ResetHit()),
      TextOf(TextId::ResetButtonName));
  add(kStart, InstrumentRole::kButton, RectOf(m_stopwatch.StartHit()),
      TextOf(TextId::StartButtonName));
  add(kStop, InstrumentRole::kButton, RectOf(m_stopwatch.StopHit()),
      TextOf(TextId::StopButtonName));

  // The weights, left to right, where each takes a click now.
  for (int n = 0; n < layout::kWeightCount; ++n) {
    const int i = WeightFromLeft(n);
    add(kFirstWeight + n, InstrumentRole::kButton, RectOf(m_weights[i].CurrentHit()),
        Format(TextOf(TextId::WeightName), physical::kWeightMass[i]),
        TextOf(m_weights[i].GetState() ? TextId::WeightHanging : TextId::WeightOnRack));
  }
  add(kHangingMass, InstrumentRole::kReadout, layout::kWeightsPanel.Rect(),
      TextOf(TextId::HangingMassName), Format("%.1f kg", m_mass));

  // The graph: its table as the report has it (numbers with a decimal
  // point, as everywhere in the window) and, from three points on, the fit.
  Instrument& graph =
      add(kGraph, InstrumentRole::kGraph, layout::kGraphPanel.Rect(), TextOf(TextId::GraphName));
  const ReportGrid report = BuildReport(CurrentSeries());
  const std::size_t rows = static_cast<std::size_t>(m_lastPoint + 2);  // header and points
  for (std::size_t r = 0; r < rows && r < report.size(); ++r) {
    std::vector<std::string>& row = graph.table.emplace_back();
    for (const std::string& cell : report[r]) row.push_back(WithDecimalPoints(cell));
  }
  const GraphFit fit = FitGraph(m_pointMass, m_pointT2, m_lastPoint);
  if (fit.outcome == GraphFit::Outcome::kLine && fit.hasK) {
    graph.summary = Format(TextOf(TextId::GraphFitSummary), fit.slope, fit.k);
  } else if (fit.outcome != GraphFit::Outcome::kNone) {
    graph.summary = TextOf(TextId::GraphFitFailed);
  }
  return list;
}

bool CLabDlg::OnInstrumentKey(int id, int key, unsigned modifiers) {
  if (id == kBall) return OnBallKey(key, modifiers);
  if (key != VK_SPACE && key != VK_RETURN) return false;

  HitRect hit;
  if (id == kPowerSwitch) {
    hit = m_stopwatch.PowerHit();
  } else if (id == kReset) {
    hit = m_stopwatch.ResetHit();
  } else if (id == kStart) {
    hit = m_stopwatch.StartHit();
  } else if (id == kStop) {
    hit = m_stopwatch.StopHit();
  } else if (id >= kFirstWeight && id < kFirstWeight + layout::kWeightCount) {
    hit = m_weights[WeightFromLeft(id - kFirstWeight)].CurrentHit();
  } else {
    return false;  // readouts and the graph take no action
  }
  const CPoint point = MiddleOf(hit);
  OnLButtonDown(MK_LBUTTON, point);
  OnLButtonUp(0, point);
  return true;
}

bool CLabDlg::OnBallKey(int key, unsigned modifiers) {
  // The mouse may have let go of what the keys held or aimed.
  if (m_ballKeys == BallKeys::kHeld && !m_dragging) m_ballKeys = BallKeys::kFree;
  if (m_ballKeys == BallKeys::kAiming && m_pendulum.m_dt != 0.0) m_ballKeys = BallKeys::kFree;

  const int step = (modifiers & KEY_SHIFT) != 0 ? kFineArrowStep : kArrowStep;
  int dx = 0;
  int dy = 0;
  if (key == VK_LEFT) dx = -step;
  if (key == VK_RIGHT) dx = step;
  if (key == VK_UP) dy = -step;
  if (key == VK_DOWN) dy = step;

  if (dx != 0 || dy != 0) {
    if (m_ballKeys == BallKeys::kFree) {
      m_ballKeyPoint = BallCentre();
      OnLButtonDown(MK_LBUTTON, m_ballKeyPoint);
      if (!m_dragging) return true;
      m_ballKeys = BallKeys::kHeld;
    }
    // The pointer stays inside the box (edges included), so the ball stays
    // held: leaving the box would let it go.
    m_ballKeyPoint.x = std::clamp(m_ballKeyPoint.x + dx, m_simBox.Left(), m_simBox.Right());
    m_ballKeyPoint.y = std::clamp(m_ballKeyPoint.y + dy, m_simBox.Top(), m_simBox.Bottom());
    OnMouseMove(m_ballKeys == BallKeys::kHeld ? MK_LBUTTON : MK_RBUTTON, m_ballKeyPoint);
    return true;
  }

  if (key == VK_L && m_ballKeys == BallKeys::kFree) {
    m_ballKeyPoint = BallCentre();
    m_ballAimStart = m_ballKeyPoint;
    m_ballKeys = BallKeys::kAiming;
    OnRButtonDown(MK_RBUTTON, m_ballKeyPoint);
    return true;
  }
  const bool release = key == VK_SPACE || key == VK_RETURN;
  if ((release && m_ballKeys != BallKeys::kFree) ||
      (key == VK_L && m_ballKeys == BallKeys::kAiming)) {
    LetBallGo();
    return true;
  }
  return false;
}

void CLabDlg::LetBallGo() {
  const BallKeys keys = m_ballKeys;
  m_ballKeys = BallKeys::kFree;
  if (keys == BallKeys::kHeld && m_dragging) OnLButtonUp(0, m_ballKeyPoint);
  if (keys == BallKeys::kAiming && m_pendulum.m_dt == 0.0) OnRButtonUp(0, m_ballKeyPoint);
}

void CLabDlg::OnInstrumentFocus(int id) {
  // The focus leaving the ball lets it go, or throws it, as a release would.
  if (id != kBall) LetBallGo();
}

}  // namespace lab
