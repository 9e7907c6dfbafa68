// CLanguageDlg: the window menu's "Llengua…". One button a language, each
// named in its own language; a button ends the dialog with its language's
// code in m_code, Cancel with nothing chosen.
#pragma once

#include <string>

#include "platform/dialog.h"
#include "res/resource_ids.h"

namespace lab {

class CLanguageDlg : public Dialog {
 public:
  CLanguageDlg() : Dialog(IDD_LANGUAGE) {}
  bool OnCommand(int id, int notification) override;

  std::string m_code;  // the chosen language, "" until one is chosen
};

}  // namespace lab
