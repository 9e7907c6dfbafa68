// The lab's main dialog on the headless host with the lab's resources: what
// the tests' fixture (lab_fixture.h) and the benchmarks (bench/open_lab.h)
// both run. Header-only and free of any test framework.
#pragma once

#include "app/lab_dlg.h"
#include "platform/resources.h"
#include "res/lab_resources.h"
#include "shell/headless/headless_host.h"

namespace lab {

struct LabResourcesInstalled {
  LabResourcesInstalled() { InstallResources(LabResources()); }
};

// The resources and the host come first, so that the dialog's constructor
// finds its icon. The dialog is opened by Open() and closed, if it is still
// open, by Close() or at the end of the session.
class LabSession {
 public:
  LabSession() = default;
  ~LabSession() { Close(); }
  LabSession(const LabSession&) = delete;
  LabSession& operator=(const LabSession&) = delete;

  void Open() { host->Open(dlg); }
  void Close() {
    if (host->IsOpen(dlg)) host->Close(dlg);
  }

  LabResourcesInstalled resources;
  ScopedHeadlessHost host;
  CLabDlg dlg;
};

}  // namespace lab
