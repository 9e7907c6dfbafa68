// The lab's application object and its start-up.
#pragma once

#include <string>

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

// A string code that the lab's next start opens on, as a link gives it
// (the page's trelko.html#codi=CODE); "" for none. A code that is not valid
// leaves the lab's own string and says what is wrong in the message line.
void SetLinkedStringCode(std::string code);
const std::string& LinkedStringCode();

// A message the lab's next start shows in its message line instead of the
// welcome: what was wrong with how it was started (an unknown language in
// the page's address); "" for none.
void SetStartMessage(std::string message);
const std::string& StartMessage();

}  // namespace lab
