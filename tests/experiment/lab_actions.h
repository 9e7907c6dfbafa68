// What a student does on the main window, as presses at client points.
#pragma once

#include "app/lab_dlg.h"
#include "res/lab_layout.h"
#include "shell/headless/headless_host.h"

namespace lab {

namespace lab_actions {

// The stopwatch's controls, for its panel at its start-up place.
constexpr CPoint kPowerOn = layout::kPowerOnPoint;    // the rocker's lower half, while off
constexpr CPoint kPowerOff = layout::kPowerOffPoint;  // its upper half, while on
constexpr CPoint kReset = layout::kResetPoint;
constexpr CPoint kStart = layout::kStartPoint;
constexpr CPoint kStop = layout::kStopPoint;
constexpr CPoint kNowhere{600, 440};

// The weights: a press on the hanging ball takes it to the string, a press
// on the empty peg puts it back. Index 0 is 0.5 kg, 1 is 0.3 kg, 2 and 3 are
// 0.2 kg.
inline CPoint WeightOnRack(int i) { return layout::WeightOnRackPoint(i); }
inline CPoint EmptyPeg(int i) { return layout::EmptyPegPoint(i); }

inline void Press(HeadlessHost& host, Dialog& dlg, CPoint p) {
  host.LeftDown(dlg, p.x, p.y);
  host.LeftUp(dlg, p.x, p.y);
}

// One timing: switches the stopwatch on if it is off, resets and starts it,
// lets `ticks` ticks pass and stops it.
inline void Time(HeadlessHost& host, CLabDlg& dlg, int ticks) {
  if (!dlg.m_stopwatch.IsOn()) Press(host, dlg, kPowerOn);
  Press(host, dlg, kReset);
  Press(host, dlg, kStart);
  host.Tick(dlg, ticks);
  Press(host, dlg, kStop);
}

}  // namespace lab_actions

}  // namespace lab
