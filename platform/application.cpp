#include "platform/application.h"

namespace lab {

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

bool CWinApp::InitInstance() { return true; }

CWinApp* AfxGetApp() { return g_app; }

int AfxWinMain() {
  if (g_app != nullptr) g_app->InitInstance();
  return 0;
}

void AfxEnableControlContainer() {}

}  // namespace lab
