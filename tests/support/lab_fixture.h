// A running main dialog on the headless host, with the lab's resources.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/lab_session.h"

namespace lab {

class LabTest : public ::testing::Test, protected LabSession {
 protected:
  void SetUp() override { Open(); }
  void TearDown() override { Close(); }

  COLORREF Pixel(int x, int y) const { return dlg.GetSurface().GetPixel(x, y); }
  std::string Message() const { return host->Text(dlg, IDC_MESSAGE); }
  bool PlotEnabled() const { return host->Enabled(dlg, IDC_PLOT); }
};

}  // namespace lab
