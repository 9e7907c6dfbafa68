// "Fil amb codi…": the string of a code the teacher gave, with its own k;
// "Llengua…": the lab in another language.
#include <string>

#include "app/lab_app.h"
#include "app/lab_dlg.h"
#include "app/language_choice.h"
#include "app/language_dlg.h"
#include "app/string_code_dlg.h"
#include "experiment/string_code.h"
#include "platform/resources.h"
#include "platform/runtime.h"
#include "platform/window_host.h"
#include "res/texts/text_catalogue.h"

namespace lab {

void CLabDlg::OnStringCode() {
  CStringCodeDlg ask;
  ask.m_code = m_stringCode;
  if (ask.DoModal() != IDOK || IsEnding()) return;
  const string_code::ParsedCode parsed = string_code::ParseCode(ask.m_code);
  if (parsed.status != string_code::CodeStatus::Empty &&
      parsed.status != string_code::CodeStatus::Valid) {
    MessageBox(string_code::CodeProblem(parsed.status));
    return;
  }
  // The string already on the lab: its table stays as it is.
  if (parsed.code == m_stringCode) return;
  StartSeries(parsed.code);
}

void CLabDlg::OnLanguage() {
  CLanguageDlg ask;
  if (ask.DoModal() != IDOK || IsEnding() || ask.m_code == CurrentLanguage()) return;
  // Every text of the window changes: it is opened again in the new
  // language, its table kept (the kept series holds it).
  ChooseLanguage(ask.m_code);
  KeepSeries();
  EndDialog(kReopenInNewLanguage);
}

void CLabDlg::UseLinkedStringCode() {
  const std::string& linked = LinkedStringCode();
  if (linked.empty()) return;
  const string_code::ParsedCode parsed = string_code::ParseCode(linked);
  if (parsed.status != string_code::CodeStatus::Valid) {
    // Like every message of the line, it begins with a space.
    m_message = std::string(" ") + string_code::CodeProblem(parsed.status);
    UpdateData(false);
    return;
  }
  UseStringCode(parsed.code);
  m_pendulum.Setup(m_mass, m_radius, m_k, m_naturalLength, m_g, m_damping);
}

void CLabDlg::UseStringCode(const std::string& code) {
  m_k = code.empty() ? physical::kStringK : string_code::KOfCode(code);
  if (code == m_stringCode) return;
  m_stringCode = code;
  // The caption names the code, never its k.
  const DialogTemplate* source = FindDialogTemplate(IDD_MAIN);
  std::string caption = source != nullptr ? std::string(source->caption) : std::string();
  if (!code.empty())
    caption = Format(TextOf(TextId::MainCaptionWithCode), caption.c_str(), code.c_str());
  SetCaption(caption);
}

}  // namespace lab
