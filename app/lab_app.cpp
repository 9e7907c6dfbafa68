#include "app/lab_app.h"

#include "app/lab_dlg.h"
#include "platform/resources.h"
#include "res/lab_resources.h"

namespace lab {

namespace {
CLabApp theApp;
}

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
