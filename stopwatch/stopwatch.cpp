#include "stopwatch/stopwatch.h"

#include <climits>

#include "res/resource_ids.h"

namespace {
// The panel is 167 x 86 pixels.
constexpr int kPanelWidth = 167;
constexpr int kPanelHeight = 86;
// Six cells with one decimal; the point is drawn 14 pixels right of the
// left edge of the cell it follows and 19 below the top.
constexpr int kDigits = 6;
constexpr int kDecimals = 1;
constexpr int kPointOffsetX = 14;
constexpr int kPointOffsetY = 19;
}  // namespace

void CStopwatch::Init(int left, int top) {
  m_left = left;
  m_top = top;
  m_right = left + kPanelWidth;
  m_bottom = top + kPanelHeight;

  // The rocker: while off only its lower part switches it on, while on only
  // its upper part switches it off.
  m_power.Init(left + 15, top + 14, IDB_SWITCH_ON, 4, 17, 23, 28, IDB_SWITCH_OFF, 3, 3, 23, 15,
               false);
  m_reset.Init(left + 13, top + 53, IDB_RESET, IDB_RESET_PRESSED, 3, 3, 29, 15);
  m_startButton.Init(left + 85, top + 53, IDB_START, IDB_START_PRESSED, 3, 3, 29, 15);
  m_stopButton.Init(left + 120, top + 53, IDB_STOP, IDB_STOP_PRESSED, 3, 3, 29, 15);
  m_display.Init(left + 60, top + 15, kDigits, kDecimals, IDB_DIGIT_0, kPointOffsetX,
                 kPointOffsetY);

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
