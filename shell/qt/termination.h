// Ends the program cleanly on SIGTERM or SIGINT: every running event loop is
// left, the dialogs are destroyed as after Escape and the program exits
// with status 0.
#pragma once

// Installs the handlers; call once a QApplication exists.
void EndCleanlyOnTermination();
