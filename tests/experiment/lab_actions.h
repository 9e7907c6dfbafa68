// What a student does on the main window, as presses at client points.
#pragma once

#include "shell/headless/headless_host.h"

namespace lab_actions {

// The stopwatch's controls, for its panel at (241, 20).
constexpr CPoint kPowerOn{270, 56};   // the rocker's lower half, while off
constexpr CPoint kPowerOff{270, 43};  // its upper half, while on
constexpr CPoint kReset{270, 82};
constexpr CPoint kStart{342, 82};
constexpr CPoint kStop{377, 82};
constexpr CPoint kNowhere{600, 440};

// The weights: a press on the hanging ball takes it to the string, a press
// on the empty peg puts it back. Index 0 is 0.5 kg, 1 is 0.3 kg, 2 and 3 are
// 0.2 kg.
constexpr int kWeightLeft[4] = {612, 552, 492, 432};
inline CPoint WeightOnRack(int i) { return CPoint{kWeightLeft[i] + 27, 20 + 70}; }
inline CPoint EmptyPeg(int i) { return CPoint{kWeightLeft[i] + 30, 20 + 30}; }

inline void Press(HeadlessHost& host, Dialog& dlg, CPoint p) {
  host.LeftDown(dlg, p.x, p.y);
  host.LeftUp(dlg, p.x, p.y);
}

}  // namespace lab_actions
