// A host's file that includes the lab's main dialog. The build's check of
// the hosts' includes must stop it: the test that builds it passes only on
// the check's message.
#include "app/lab_dlg.h"

int HostIncludesMainDialog() { return 0; }
