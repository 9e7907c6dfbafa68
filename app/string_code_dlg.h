// CStringCodeDlg: asks for the code of the string the teacher gave. The lab
// (CLabDlg::OnStringCode) reads the code from m_code after OK.
#pragma once

#include <string>

#include "platform/dialog.h"
#include "res/resource_ids.h"

namespace lab {

class CStringCodeDlg : public Dialog {
 public:
  CStringCodeDlg() : Dialog(IDD_STRING_CODE) {}
  void DoDataExchange(CDataExchange* pDX) override;

  std::string m_code;  // as typed
};

}  // namespace lab
