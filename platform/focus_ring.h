// The keyboard's way round a window, the same in every host.
//
// Tab goes round a ring: the dialog's instruments in reading order, then
// its visible, enabled tab-stop controls in the template's order; Shift+Tab
// goes back; from the last stop Tab comes round to the first. A key goes to
// the focused instrument when the instrument takes it (InstrumentTakesKey);
// every other key is the window's (Enter, Escape, F1 ...). A host turns its
// own keys into the core's key numbers (platform/instrument.h) and asks here.
#pragma once

#include <vector>

namespace lab {

class Dialog;

// One stop of the ring: an instrument or a control, by its id.
struct FocusStop {
  enum class Kind { kNone, kInstrument, kControl };
  Kind kind = Kind::kNone;
  int id = 0;
  friend bool operator==(const FocusStop&, const FocusStop&) = default;
};

// The ring of a dialog that has a window now (a control's enabled state is
// the host's).
std::vector<FocusStop> FocusRing(const Dialog& dialog);

// The control that has the focus when the window opens, in every host: the
// first control of the ring (the instruments are reached with Tab from
// there). Kind kNone when the window has no such control.
FocusStop OpeningFocus(const Dialog& dialog);

// Where Tab (backwards: Shift+Tab) takes the focus from `current`; from a
// stop that is not in the ring (nowhere), to the first (the last). A stop
// of kind kNone when the ring is empty.
FocusStop NextFocusStop(const Dialog& dialog, FocusStop current, bool backwards);

// Whether a focused instrument takes this key: Space, Enter, the arrows
// and L, alone or with Shift. Held down, only an arrow repeats: a held Space
// is one press.
bool InstrumentTakesKey(int key, unsigned modifiers, bool repeat);

}  // namespace lab
