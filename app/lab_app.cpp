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
}  // namespace

void SetLinkedStringCode(std::string code) { Linked() = std::move(code); }
const std::string& LinkedStringCode() { return Linked(); }

bool CLabApp::InitInstance() {
  AfxEnableControlContainer();
  CLabDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  return false;
}

int RunLabApplication() {
  InstallResources(LabResources());
  return AfxWinMain();
}

}  // namespace lab
