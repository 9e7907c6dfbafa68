#include "app/language_dlg.h"

#include <string_view>
#include <vector>

#include "res/texts/text_catalogue.h"

namespace lab {

bool CLanguageDlg::OnCommand(int id, int notification) {
  const std::vector<std::string_view> languages = Languages();
  const int index = id - IDC_LANGUAGE_FIRST;
  if (notification == BN_CLICKED && index >= 0 && index < static_cast<int>(languages.size())) {
    m_code = std::string(languages[static_cast<std::size_t>(index)]);
    EndDialog(IDOK);
    return true;
  }
  return Dialog::OnCommand(id, notification);
}

}  // namespace lab
