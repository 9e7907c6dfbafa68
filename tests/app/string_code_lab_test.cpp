// "Fil amb codi…" on the lab: what a typed code does to the string, the
// table and the caption; a keep of the series that fails, told once; and
// the teacher's list from the command line.
#include <gtest/gtest.h>

#include "app/teacher_command.h"
#include "experiment/messages.h"
#include "tests/experiment/lab_actions.h"
#include "tests/support/lab_fixture.h"

namespace {

struct CodeRow {
  const char* name;
  const char* typed;
  int button;
  double k;
  const char* caption;
  const char* box;  // "" for none
  bool newSeries;
};

const CodeRow kRows[] = {
    {"Valid", " pdcpcu ", IDOK, 30.4, "Llei de Trelko \u2014 fil PDCPCU", "", true},
    {"Short", "PDCPC", IDOK, 27.9, "Llei de Trelko", "El codi ha de tenir sis car\u00e0cters",
     false},
    {"WrongCheck", "PDCPCV", IDOK, 27.9, "Llei de Trelko",
     "El codi no \u00e9s v\u00e0lid: reviseu-lo", false},
    {"Outside", "PDCPC1", IDOK, 27.9, "Llei de Trelko", "El codi no \u00e9s v\u00e0lid: reviseu-lo",
     false},
    {"Cancelled", "PDCPCU", IDCANCEL, 27.9, "Llei de Trelko", "", false},
    {"EmptyOnTheLabsOwn", "", IDOK, 27.9, "Llei de Trelko", "", false},
};

class StringCodeOnTheLab : public LabTest, public ::testing::WithParamInterface<CodeRow> {};

TEST_P(StringCodeOnTheLab, ChangesTheStringOrSaysWhatIsWrong) {
  const CodeRow& row = GetParam();
  // One point in the table.
  dlg.m_pointMass[0] = 1.0;
  dlg.m_pointT2[0] = 1.44;
  dlg.m_lastPoint = 0;
  const std::string message = Message();
  host->SetModalHandler([&row](HeadlessHost& h, Dialog& d) {
    h.Paste(d, IDC_STRING_CODE, row.typed);
    h.Click(d, row.button);
  });
  host->SysCommand(dlg, IDM_STRING_CODE);
  ASSERT_EQ(host->ModalDialogs().back(), IDD_STRING_CODE);
  EXPECT_EQ(dlg.m_k, row.k);
  EXPECT_EQ(dlg.m_pendulum.m_k, row.k);
  EXPECT_EQ(host->Caption(dlg), row.caption);
  if (*row.box == '\0') {
    EXPECT_TRUE(host->MessageBoxes().empty());
  } else {
    ASSERT_EQ(host->MessageBoxes().size(), 1u);
    EXPECT_EQ(host->MessageBoxes()[0].text, row.box);
  }
  // As "Començar": the table becomes the previous series.
  EXPECT_EQ(dlg.m_lastPoint, row.newSeries ? -1 : 0);
  EXPECT_EQ(dlg.m_previousSeries.Size(), row.newSeries ? 1 : 0);
  EXPECT_EQ(Message(), row.newSeries ? std::string(kNewSeriesMessage) : message);
}

INSTANTIATE_TEST_SUITE_P(Rows, StringCodeOnTheLab, ::testing::ValuesIn(kRows),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(LabTest, AKeepThatFailsIsToldOnceAndTheLabGoesOn) {
  host->SetStateWritable(false);
  for (int i = 0; i < 3; ++i) {
    lab_actions::Time(*host, dlg, 20);
    host->Click(dlg, IDC_PLOT);
  }
  EXPECT_EQ(dlg.m_lastPoint, 2);
  ASSERT_EQ(host->MessageBoxes().size(), 1u);
  EXPECT_EQ(host->MessageBoxes()[0].text,
            "No s'ha pogut conservar la s\u00e8rie a la mem\u00f2ria de la prova. La s\u00e8rie "
            "continua a la finestra, per\u00f2 es perdr\u00e0 quan la tanqueu.");
  EXPECT_EQ(Message().rfind(" El pendent", 0), 0u) << Message();
  host->Click(dlg, IDC_START);
  EXPECT_EQ(host->MessageBoxes().size(), 1u);
}

struct CommandRow {
  std::vector<const char*> args;
  int status;
  bool csv;
};

TEST(TeacherCommand, WritesTheListOrTheUsageLine) {
  const CommandRow rows[] = {
      {{"trelko"}, 0, false},
      {{"trelko", "--professorat", "F\u00edsica 2n B", "12"}, 0, true},
      {{"trelko", "--professorat", "x", " 60 "}, 0, true},
      {{"trelko", "--professorat", "x", "61"}, 2, false},
      {{"trelko", "--professorat", "x", "0"}, 2, false},
      {{"trelko", "--professorat", "x", "1.5"}, 2, false},
      {{"trelko", "--professorat", " ", "5"}, 2, false},
      {{"trelko", "--professorat", "x"}, 2, false},
      {{"trelko", "--professorat", "x", "5", "y"}, 2, false},
  };
  for (const CommandRow& row : rows) {
    const TeacherCommand c = RunTeacherCommand(static_cast<int>(row.args.size()), row.args.data());
    EXPECT_EQ(c.asked, row.args.size() > 1);
    EXPECT_EQ(c.status, row.status) << row.args.size();
    EXPECT_EQ(c.out.rfind("\xEF\xBB\xBF"
                          "Codi;k (N/m)\r\n",
                          0) == 0,
              row.csv);
    EXPECT_EQ(c.err.empty(), row.status == 0);
  }
}

}  // namespace
