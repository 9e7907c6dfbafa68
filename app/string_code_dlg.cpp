#include "app/string_code_dlg.h"

#include "platform/data_exchange.h"

namespace lab {

void CStringCodeDlg::DoDataExchange(CDataExchange* pDX) {
  Dialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_STRING_CODE, m_code);
}

}  // namespace lab
