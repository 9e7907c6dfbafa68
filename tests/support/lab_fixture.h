// A running main dialog on the headless host, with the lab's resources.
#pragma once

#include <gtest/gtest.h>

#include "app/lab_dlg.h"
#include "platform/resources.h"
#include "res/lab_resources.h"
#include "shell/headless/headless_host.h"

struct LabResourcesInstalled {
  LabResourcesInstalled() { InstallResources(LabResources()); }
};

// The host and the resources come first, so that the dialog's constructor
// finds its icon.
class LabTest : public ::testing::Test {
 protected:
  void SetUp() override { host->Open(dlg); }
  void TearDown() override {
    if (host->IsOpen(dlg)) host->Close(dlg);
  }

  COLORREF Pixel(int x, int y) const { return dlg.GetSurface().GetPixel(x, y); }
  std::string Message() const { return host->Text(dlg, IDC_MESSAGE); }
  bool PlotEnabled() const { return host->Enabled(dlg, IDC_PLOT); }

  LabResourcesInstalled resources;
  ScopedHeadlessHost host;
  CLabDlg dlg;
};
