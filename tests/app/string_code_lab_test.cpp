// A keep of the series that fails is told once; the teacher's list from
// the command line.
#include <gtest/gtest.h>

#include "app/teacher_command.h"
#include "tests/experiment/lab_actions.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

TEST_F(LabTest, AKeepThatFailsIsToldOnceAndTheLabGoesOn) {
  host->SetStateWritable(false);
  for (int i = 0; i < 3; ++i) {
    lab_actions::Time(*host, dlg, 20);
    host->Click(dlg, IDC_PLOT);
  }
  host->Click(dlg, IDC_START);
  EXPECT_EQ(dlg.m_previousSeries.Size(), 3);
  ASSERT_EQ(host->MessageBoxes().size(), 1u);
  EXPECT_EQ(host->MessageBoxes()[0].text,
            "No s'ha pogut conservar la s\u00e8rie a la mem\u00f2ria de la prova. La s\u00e8rie "
            "continua a la finestra, per\u00f2 es perdr\u00e0 quan la tanqueu.");
}

TEST(TeacherCommand, WritesTheListOrTheUsageLine) {
  const struct {
    std::vector<const char*> args;
    int status;
  } rows[] = {{{"trelko"}, 0},
              {{"trelko", "--professorat", "x", " 60 "}, 0},
              {{"trelko", "--professorat", "x", "61"}, 2},
              {{"trelko", "--professorat", "x", "1.5"}, 2},
              {{"trelko", "--professorat", " ", "5"}, 2},
              {{"trelko", "--professorat", "x", "5", "y"}, 2}};
  for (const auto& row : rows) {
    const TeacherCommand c = RunTeacherCommand(static_cast<int>(row.args.size()), row.args.data());
    EXPECT_EQ(c.asked, row.args.size() > 1);
    EXPECT_EQ(c.status, row.status) << row.args.size();
    EXPECT_EQ(c.out.rfind("\xEF\xBB\xBF"
                          "Codi;k (N/m)\r\n",
                          0) == 0,
              c.asked && row.status == 0);
    EXPECT_EQ(c.err.empty(), row.status == 0);
  }
}

}  // namespace

}  // namespace lab
