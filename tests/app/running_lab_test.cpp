// What a host asks of the running lab (app/running_lab.h): answered for the
// lab's window only, and a table put in place never runs past the table.
#include <gtest/gtest.h>

#include <vector>

#include "app/running_lab.h"
#include "app/title_dlg.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

class RunningLabTest : public LabTest {};

TEST_F(RunningLabTest, AnswersForTheLabsWindowOnlyAndKeepsATableInItsBounds) {
  // Another window, or none: nothing, and nothing is written.
  CTitleDlg title;
  const double pairs[] = {0.5, 1.0, 0.7, 1.4};
  EXPECT_EQ(LabPointCount(nullptr), 0);
  EXPECT_EQ(LabPointCount(&title), 0);
  EXPECT_EQ(ReplaceLabPoints(&title, pairs), 0);
  EXPECT_EQ(LabModelClock(&title), 0.0);

  // The lab's: its clock and ball as the ticks leave them.
  host->Tick(dlg, 3);
  EXPECT_DOUBLE_EQ(LabModelClock(&dlg), dlg.m_clock);
  EXPECT_GT(LabModelClock(&dlg), 0.0);
  const BallPlace ball = LabBallPlace(&dlg);
  EXPECT_EQ(ball.x, dlg.m_pendulum.m_x);
  EXPECT_EQ(ball.y, dlg.m_pendulum.m_y);

  // A trailing value without its pair is left out; a longer table than the
  // lab's stops at its capacity.
  const double odd[] = {0.5, 1.0, 0.7, 1.4, 0.9};
  EXPECT_EQ(ReplaceLabPoints(&dlg, odd), 2);
  EXPECT_EQ(LabPointCount(&dlg), 2);
  EXPECT_EQ(dlg.m_pointT2[1], 1.4);
  std::vector<double> many(2 * (CLabDlg::kPointCapacity + 5), 1.0);
  EXPECT_EQ(ReplaceLabPoints(&dlg, many), CLabDlg::kPointCapacity);
  EXPECT_EQ(LabPointCount(&dlg), CLabDlg::kPointCapacity);
  EXPECT_EQ(ReplaceLabPoints(&dlg, {}), 0);
  EXPECT_EQ(LabPointCount(&dlg), 0);
}

}  // namespace

}  // namespace lab
