#include "app/lab_app.h"

#include "app/lab_dlg.h"
#include "platform/resources.h"
#include "res/lab_resources.h"

namespace lab {

namespace {
CLabApp theApp;

std::string& Linked() {
  static std::string code;
  return code;
}

std::string& StartNote() {
  static std::string message;
  return message;
}
}  // namespace

void SetLinkedStringCode(std::string code) { Linked() = std::move(code); }
const std::string& LinkedStringCode() { return Linked(); }
void SetStartMessage(std::string message) { StartNote() = std::move(message); }
const std::string& StartMessage() { return StartNote(); }

bool CLabApp::InitInstance() {
  AfxEnableControlContainer();
  // A new language opens the window again, its texts from the catalogue
  // in that language.
  for (bool reopened = false;; reopened = true) {
    CLabDlg dlg(reopened);
    m_pMainWnd = &dlg;
    const int result = dlg.DoModal();
    m_pMainWnd = nullptr;
    if (result != CLabDlg::kReopenInNewLanguage) break;
    InstallResources(LabResources());
  }
  return false;
}

int RunLabApplication() {
  InstallResources(LabResources());
  return AfxWinMain();
}

}  // namespace lab
