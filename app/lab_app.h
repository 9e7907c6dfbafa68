// The lab's application object and its start-up.
#pragma once

#include "platform/application.h"

namespace lab {

class CLabApp : public CWinApp {
 public:
  // Runs the main dialog modally; when it ends, destroys it and returns
  // false so that the program exits.
  bool InitInstance() override;
};

// Installs the lab's resources and runs the application. Returns the
// program's exit status. A window host must be installed first.
int RunLabApplication();

}  // namespace lab
