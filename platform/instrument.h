// The instruments a dialog draws on its own surface, as the core describes
// them to its hosts.
//
// No toolkit knows that a weight, a switch or a ball drawn in the client
// area is something a user can act on. A dialog lists them (Instruments()):
// where each is now, what it is and what state it is in. Hosts read the
// list when they need it (they keep no copy), put the instruments in the
// Tab ring before the template's controls, carry keys to the focused one
// and show its focus; a web page maps them to its accessibility tree.
#pragma once

#include <string>
#include <vector>

#include "platform/geometry.h"

namespace lab {

enum class InstrumentRole { kButton, kSwitch, kBall, kReadout, kGraph };

struct Instrument {
  int id = 0;  // stable within its dialog
  InstrumentRole role = InstrumentRole::kButton;
  CRect rect;         // client pixels, right/bottom exclusive: where it is hit/drawn now
  std::string name;   // the catalogue's, as "Pes de 0.5 kg", "Interruptor del cronòmetre", "Bola"
  std::string state;  // likewise, "" for none: "al penjador", "penjat del fil", "aturat, 12.3 s"
  bool checked = false;  // a switch that is on
  // The part of `state` whose change a screen reader announces: all of it,
  // but for a moving ball's depth, which changes at every tick.
  std::string announced;
  // Catalan, "" for none: the keys it takes, read after its name and role
  // ("Fletxes: l'agafen i la mouen; ...").
  std::string keys;
  // kGraph only: a header row, then one row per point.
  std::vector<std::vector<std::string>> table;
  // kGraph only: "Pendent ... k = ..." from three points on, else "".
  std::string summary;
  friend bool operator==(const Instrument&, const Instrument&) = default;
};

// Keys the core understands (virtual-key numbers) and the Shift modifier.
// Enter and Escape are VK_RETURN and VK_ESCAPE of platform/dialog.h.
constexpr int VK_TAB = 0x09, VK_SPACE = 0x20, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27,
              VK_DOWN = 0x28;
constexpr int VK_L = 0x4C;  // 'L': the ball's throw (aim, then let fly)
constexpr unsigned KEY_SHIFT = 0x1;
// Control, Alt or the system's key held with a key: the window's, never an
// instrument's.
constexpr unsigned KEY_OTHER_MODIFIER = 0x2;

}  // namespace lab
