// Where the right button goes on a host that offers the window menu in a
// context menu: a press that is the dialog's own (Dialog::OwnsRightButton)
// reaches the dialog; elsewhere, when the window has a menu to offer, the
// press opens the menu, and its release is the menu's, never the dialog's.
// One router a window, since it remembers the press.
#pragma once

#include "platform/geometry.h"

namespace lab {

class Dialog;

class RightButtonRouter {
 public:
  enum class Route { Dialog, WindowMenu, Nowhere };

  // A right press at a client point. dialog may be nullptr (the window's
  // dialog has ended): nothing is its own then.
  Route Press(const Dialog* dialog, CPoint point, bool windowHasMenu);
  // The right button's release: Nowhere when its press opened the menu.
  Route Release();

 private:
  bool m_pressOpenedMenu = false;
};

}  // namespace lab
