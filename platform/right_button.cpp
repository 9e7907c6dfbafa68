#include "platform/right_button.h"

#include "platform/dialog.h"

namespace lab {

RightButtonRouter::Route RightButtonRouter::Press(const Dialog* dialog, CPoint point,
                                                  bool windowHasMenu) {
  const bool dialogsOwn = dialog != nullptr && dialog->OwnsRightButton(point);
  m_pressOpenedMenu = windowHasMenu && !dialogsOwn;
  return m_pressOpenedMenu ? Route::WindowMenu : Route::Dialog;
}

RightButtonRouter::Route RightButtonRouter::Release() {
  const bool swallowed = m_pressOpenedMenu;
  m_pressOpenedMenu = false;
  return swallowed ? Route::Nowhere : Route::Dialog;
}

}  // namespace lab
