// The instruments a dialog draws on its client area, as a screen reader
// sees them on the desktop.
//
// A client area's accessible object lists the dialog's instruments
// (Dialog::Instruments) as its children, in reading order, each with the
// core's name and state, a role, its rectangle on the screen and whether
// it has the focus. Nothing is copied: every question is answered from the
// core's list at that moment. The client area tells screen readers when
// the focus moves to an instrument and when an instrument's state changes
// (InstrumentAnnouncer), once per change.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/instrument.h"

class QWidget;

namespace lab {

class ClientArea;

// Gives every client area its accessible object (once per program; called
// by the client areas themselves).
void InstallInstrumentAccessibility();

class InstrumentAnnouncer {
 public:
  // The focus is on the instrument at `index` of the list (in a client area
  // that has the keyboard focus).
  void Focus(ClientArea& area, int index);
  // The instruments as they are now: each whose announced state changed
  // since the last call is announced (its name changes, and a switch's
  // checked state). The first call only takes note.
  void Update(ClientArea& area, const std::vector<Instrument>& list);

 private:
  struct Heard {
    std::string announced;
    bool checked = false;
  };
  std::map<int, Heard> m_heard;
  bool m_started = false;
};

}  // namespace lab
