// The application object: one per program, constructed before the program's
// main routine runs; the platform's entry calls its start-up operation.
#pragma once

namespace lab {

class Dialog;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Start-up. Returning false ends the program without a message loop of
  // the application's own.
  virtual bool InitInstance();

  Dialog* m_pMainWnd = nullptr;
};

// The one application object, or nullptr.
CWinApp* AfxGetApp();
// Runs the application: its start-up, then the program ends. Returns the
// program's exit status (0).
int AfxWinMain();
// Support for embedded controls; no control of the lab needs it.
void AfxEnableControlContainer();

}  // namespace lab
