#include "stopwatch/stopwatch.h"

#include <climits>

#include "res/lab_layout.h"
#include "res/resource_ids.h"

namespace lab {

namespace {
using namespace layout;
// Six cells with one decimal; the point is drawn 14 pixels right of the
// left edge of the cell it follows and 19 below the top.
constexpr int kDigits = 6;
constexpr int kDecimals = 1;
constexpr int kPointOffsetX = 14;
constexpr int kPointOffsetY = 19;

void InitButton(CImageButton& button, int left, int top, int normal, int pressed) {
  button.Init(left, top, normal, pressed, kButtonHit.left, kButtonHit.top, kButtonHit.right,
              kButtonHit.bottom);
}
}  // namespace

void CStopwatch::Init(int left, int top) {
  m_left = left;
  m_top = top;
  m_right = left + kStopwatchPanel.width;
  m_bottom = top + kStopwatchPanel.height;

  // The rocker: while off only its lower part switches it on, while on only
  // its upper part switches it off.
  m_power.Init(left + kPowerSwitchAt.x, top + kPowerSwitchAt.y, IDB_SWITCH_ON, kPowerOnHit.left,
               kPowerOnHit.top, kPowerOnHit.right, kPowerOnHit.bottom, IDB_SWITCH_OFF,
               kPowerOffHit.left, kPowerOffHit.top, kPowerOffHit.right, kPowerOffHit.bottom, false);
  InitButton(m_reset, left + kResetAt.x, top + kResetAt.y, IDB_RESET, IDB_RESET_PRESSED);
  InitButton(m_startButton, left + kStartAt.x, top + kStartAt.y, IDB_START, IDB_START_PRESSED);
  InitButton(m_stopButton, left + kStopAt.x, top + kStopAt.y, IDB_STOP, IDB_STOP_PRESSED);
  m_display.Init(left + kDisplayAt.x, top + kDisplayAt.y, kDigits, kDecimals, IDB_DIGIT_0,
                 kPointOffsetX, kPointOffsetY);

  m_measured = 0.0;
  m_clock = 0.0;
  m_on = false;
  m_blankShown = false;
  m_stopped = true;
  m_start = m_clock;
}

void CStopwatch::Draw(CDC& dc) {
  m_power.Draw(dc);
  m_reset.Draw(dc);
  m_startButton.Draw(dc);
  m_stopButton.Draw(dc);
  if (m_on) {
    Refresh(dc);
  } else {
    // A repaint must show the blank display again; the periodic refresh
    // still blanks it once on its own.
    m_display.DrawBlank(dc);
  }
}

void CStopwatch::Refresh(CDC& dc) {
  if (m_on) {
    m_display.DrawNumber(dc, m_stopped ? m_measured : RunningTime());
  } else if (!m_blankShown) {
    m_display.DrawBlank(dc);
    m_blankShown = true;
  }
}

int CStopwatch::OnClick(CDC& dc, int x, int y) {
  if (m_power.HitToggle(dc, x, y)) {
    m_stopped = true;
    m_on = m_power.GetState();
    if (m_on) {
      // Counts from zero; the display shows 0.0 from the next refresh.
      m_start = m_clock;
      m_measured = 0.0;
      m_blankShown = false;
    } else {
      m_display.DrawBlank(dc);
      m_blankShown = true;
    }
    return kPowerSwitched;
  }

  if (m_reset.HitPress(dc, x, y)) {
    m_start = m_clock;
    m_measured = 0.0;
    Refresh(dc);
    return kReset;
  }

  if (m_startButton.HitPress(dc, x, y)) {
    if (m_on) m_stopped = false;
    // After a stop without a reset the count goes on from the first start,
    // the time spent stopped included.
    if (m_measured == 0.0) m_start = m_clock;
    Refresh(dc);
    return kStarted;
  }

  if (m_stopButton.HitPress(dc, x, y)) {
    if (m_stopped) return kNothing;
    m_stopped = true;
    m_measured = RunningTime();
    Refresh(dc);
    return kStopped;
  }

  return kNothing;
}

double CStopwatch::RunningTime() const {
  // Whole tenths, truncated toward zero. A difference beyond the int range
  // (or not a number) is held at the range's end rather than converted: the
  // reading is then far beyond what the display shows, and it shows ERR.
  const double tenths = (m_clock - m_start) * 10;
  int whole = 0;
  if (tenths > -2147483649.0 && tenths < 2147483648.0) {
    whole = static_cast<int>(tenths);
  } else if (tenths < 0.0) {
    whole = INT_MIN;
  } else {
    whole = INT_MAX;
  }
  return whole * 0.1;
}

}  // namespace lab
