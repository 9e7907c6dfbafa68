// Ends the program cleanly on SIGTERM or SIGINT: every running dialog and
// message box ends (QtHost::EndAll), the dialogs are destroyed as after
// Escape and the program exits with status 0.
#pragma once

namespace lab {

class QtHost;

// Installs the handlers for the host; call once a QApplication exists.
// Calling it again moves them to another host.
void EndCleanlyOnTermination(QtHost& host);

}  // namespace lab
