// CStopwatch: the hand-held stopwatch on the lab's panel: a rocker power
// switch, reset, start and stop buttons and a six-digit display with one
// decimal. It reads no real clock: it measures the application clock that
// the dialog hands it on every tick (simulated seconds). The time shown and
// measured is trunc((clock - start) * 10) * 0.1.
#pragma once

#include "draw/image_button.h"
#include "draw/image_toggle.h"
#include "draw/lcd_display.h"
#include "platform/dc.h"

namespace lab {

class CStopwatch {
 public:
  // Results of OnClick.
  static constexpr int kPowerSwitched = 0;
  static constexpr int kReset = 1;
  static constexpr int kStarted = 2;
  static constexpr int kStopped = 3;
  static constexpr int kNothing = 4;

  void Init(int left, int top);
  void Draw(CDC& dc);
  void Refresh(CDC& dc);
  void SetClock(double seconds) { m_clock = seconds; }
  double GetClock() const { return m_clock; }
  double GetMeasured() const { return m_measured; }
  bool IsOn() const { return m_on; }
  int OnClick(CDC& dc, int x, int y);

  bool IsStopped() const { return m_stopped; }
  double StartTime() const { return m_start; }
  bool BlankShown() const { return m_blankShown; }

  // Where each control accepts a click now, edges included, and the cells
  // of the display (right/bottom exclusive).
  const HitRect& PowerHit() const { return m_power.CurrentHit(); }
  const HitRect& ResetHit() const { return m_reset.Hit(); }
  const HitRect& StartHit() const { return m_startButton.Hit(); }
  const HitRect& StopHit() const { return m_stopButton.Hit(); }
  CRect DisplayRect() const { return m_display.Rect(); }

 private:
  double RunningTime() const;

  int m_left = 0;
  int m_top = 0;
  int m_right = 0;
  int m_bottom = 0;
  CImageToggle m_power;
  CImageButton m_reset;
  CImageButton m_startButton;
  CImageButton m_stopButton;
  CLcdDisplay m_display;
  double m_measured = 0.0;  // s
  double m_clock = 0.0;     // s
  bool m_on = false;
  bool m_blankShown = false;
  bool m_stopped = true;
  double m_start = 0.0;  // s
};

}  // namespace lab
