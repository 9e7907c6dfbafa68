// CTitleDlg: the title picture with its "Entra" button, shown at start-up
// and from the window menu. Any ending of it has the same effect.
#pragma once

#include "platform/dialog.h"
#include "res/resource_ids.h"

namespace lab {

class CTitleDlg : public Dialog {
 public:
  CTitleDlg() : Dialog(IDD_TITLE) {}
};

}  // namespace lab
