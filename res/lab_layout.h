// The lab's layout and its physical values, in one place.
//
// Every rectangle and point of the main window that more than one file
// needs, in client pixels (y grows downwards), and the values the string
// and the ball start with. The dialog, the instruments, the tests and the
// benchmarks take them from here; the scripts and the browser tests read
// them from lab_layout.json, which the build writes from this header
// (tools/layout_json). Values a test expects to see (27.9 N/m, a message, a
// slope) are written out in the tests, so that a wrong value here still
// fails them.
#pragma once

#include "platform/geometry.h"

namespace lab {

namespace layout {

// A rectangle as plot areas take it: left, top, width, height.
struct Box {
  int left, top, width, height;
  // The pixels the fill covers: right and bottom exclusive.
  constexpr CRect Rect() const { return CRect(left, top, left + width, top + height); }
};

// A rectangle given as offsets from a control's corner, all four edges
// included, as the image toggles and buttons take their hit rectangles.
struct HitOffsets {
  int left, top, right, bottom;
};

// The absolute hit rectangle (edges included) of offsets from a corner.
constexpr CRect HitRect(CPoint corner, HitOffsets hit) {
  return CRect(corner.x + hit.left, corner.y + hit.top, corner.x + hit.right,
               corner.y + hit.bottom);
}
// A point well inside a hit rectangle (edges included): its middle.
constexpr CPoint Inside(const CRect& hit) {
  return CPoint{(hit.left + hit.right) / 2, (hit.top + hit.bottom) / 2};
}
constexpr CPoint Offset(CPoint corner, int dx, int dy) {
  return CPoint{corner.x + dx, corner.y + dy};
}

// --- the painted picture ------------------------------------------------------

// The black background of the whole picture; the first row and column of
// the client area and the strip below it keep the dialog's own colour.
inline constexpr Box kBackground{1, 1, 690, 437};

// The simulation box, and the world it shows: x from -0.25 to 0.25 m, y
// from -1.0 to 0 m (400 pixels per metre). The string's fixed end is the
// world origin, the middle of the box's top edge.
inline constexpr Box kSimulationBox{20, 20, 200, 400};
inline constexpr double kBoxWorldLeft = -0.25;   // m
inline constexpr double kBoxWorldRight = 0.25;   // m
inline constexpr double kBoxWorldBottom = -1.0;  // m
inline constexpr double kBoxWorldTop = 0.0;      // m

// The stopwatch's panel, at its origin; the display's window lies 60, 15
// into it.
inline constexpr CPoint kStopwatchOrigin{241, 20};
inline constexpr Box kStopwatchPanel{kStopwatchOrigin.x, kStopwatchOrigin.y, 167, 86};
inline constexpr Box kDisplayWindow{kStopwatchOrigin.x + 60, kStopwatchOrigin.y + 15, 89, 20};

// The weights' rack: four pictures of 60 x 86 at these left edges, in the
// order they are tested (0.5, 0.3, 0.2 and 0.2 kg).
inline constexpr Box kWeightsPanel{432, 20, 240, 86};
inline constexpr int kWeightCount = 4;
inline constexpr int kWeightLeft[kWeightCount] = {612, 552, 492, 432};
inline constexpr int kWeightTop = 20;
// While a weight hangs on the rack a press on its ball takes it; while it
// is on the string a press anywhere on the empty peg's picture puts it back.
inline constexpr HitOffsets kWeightOnRackHit{8, 42, 46, 82};
inline constexpr HitOffsets kEmptyPegHit{1, 1, 59, 85};

// The central panel, where the graph is drawn with its labels.
inline constexpr Box kGraphPanel{239, 124, 432, 296};
// The graph itself: m from 0.6 to 2.0 kg across, T^2 from 0.8 to 2.8 s^2 up,
// grid lines every 0.2 kg and every 0.3 s^2 over the whole area.
inline constexpr Box kGraph{309, 144, 342, 226};
inline constexpr double kGraphMassMin = 0.6;  // kg
inline constexpr double kGraphMassMax = 2.0;  // kg
inline constexpr double kGraphT2Min = 0.8;    // s^2
inline constexpr double kGraphT2Max = 2.8;    // s^2
// The eight values of the graph's MakeGrid: step, anchor, upward and
// downward fractions of the vertical lines, then the same of the
// horizontal ones.
struct GridValues {
  double verticalStep, verticalAnchor, up, down;
  double horizontalStep, horizontalAnchor, left, right;
};
inline constexpr GridValues kGraphGrid{0.2, 0, 1, 0, 0.3, 0, 0, 1};

// --- the stopwatch's controls, as offsets from its origin ----------------------

inline constexpr CPoint kPowerSwitchAt{15, 14};
// The rocker: while off only its lower part switches it on, while on only
// its upper part switches it off.
inline constexpr HitOffsets kPowerOnHit{4, 17, 23, 28};
inline constexpr HitOffsets kPowerOffHit{3, 3, 23, 15};
inline constexpr CPoint kResetAt{13, 53};
inline constexpr CPoint kStartAt{85, 53};
inline constexpr CPoint kStopAt{120, 53};
inline constexpr HitOffsets kButtonHit{3, 3, 29, 15};
inline constexpr CPoint kDisplayAt{60, 15};

// --- where to click: the instruments of the lab at start-up --------------------

inline constexpr CPoint kPowerOnPoint =
    Inside(HitRect(Offset(kStopwatchOrigin, kPowerSwitchAt.x, kPowerSwitchAt.y), kPowerOnHit));
inline constexpr CPoint kPowerOffPoint =
    Inside(HitRect(Offset(kStopwatchOrigin, kPowerSwitchAt.x, kPowerSwitchAt.y), kPowerOffHit));
inline constexpr CPoint kResetPoint =
    Inside(HitRect(Offset(kStopwatchOrigin, kResetAt.x, kResetAt.y), kButtonHit));
inline constexpr CPoint kStartPoint =
    Inside(HitRect(Offset(kStopwatchOrigin, kStartAt.x, kStartAt.y), kButtonHit));
inline constexpr CPoint kStopPoint =
    Inside(HitRect(Offset(kStopwatchOrigin, kStopAt.x, kStopAt.y), kButtonHit));
// A weight's ball on the rack, and its empty peg while it is on the string.
constexpr CPoint WeightOnRackPoint(int i) {
  return Inside(HitRect(CPoint{kWeightLeft[i], kWeightTop}, kWeightOnRackHit));
}
constexpr CPoint EmptyPegPoint(int i) {
  return Inside(HitRect(CPoint{kWeightLeft[i], kWeightTop}, kEmptyPegHit));
}
}  // namespace layout

// The instruments' ids (Dialog::Instruments), the same in every host, in
// the tests and, through lab_layout.json, in the page's tests.
namespace instrument_id {
inline constexpr int kBall = 1;
inline constexpr int kPowerSwitch = 2;
inline constexpr int kDisplay = 3;
inline constexpr int kReset = 4;
inline constexpr int kStart = 5;
inline constexpr int kStop = 6;
inline constexpr int kFirstWeight = 7;  // 7..10, left to right on the screen
inline constexpr int kHangingMass = 11;
inline constexpr int kGraph = 12;
}  // namespace instrument_id

// The physical values the lab starts with, and its clock.
namespace physical {

inline constexpr double kStartMass = 1.0;       // kg, the ball with the 0.3 kg weight
inline constexpr double kStringK = 27.9;        // N/m, the lab's own string
inline constexpr double kNaturalLength = 0.21;  // m
inline constexpr double kGravity = 9.805;       // m/s^2
inline constexpr double kDamping = 0.02;        // 1/s
// The weights, in the order of layout::kWeightLeft, and which of them
// hangs on the string at start-up.
inline constexpr double kWeightMass[layout::kWeightCount] = {0.5, 0.3, 0.2, 0.2};  // kg
inline constexpr bool kWeightOnStringAtStart[layout::kWeightCount] = {false, true, false, false};
// Each tick of the 50 ms timer runs 50 steps of 0.001 s and adds 0.05 s to
// the application clock, so the model runs in real time.
inline constexpr unsigned kTickMilliseconds = 50;
inline constexpr int kStepsPerTick = 50;
inline constexpr double kTimeStep = 0.001;    // s
inline constexpr double kTickSeconds = 0.05;  // s

}  // namespace physical

}  // namespace lab
