// Bad input in the count box: every text either gets the validation message
// or is accepted as an integer (blanks, a sign, digits, blanks, nothing
// more), and the next timing is always divided by a count from 1 to
// 999 that the student accepted.
#include <gtest/gtest.h>

#include <string>

#include "tests/experiment/lab_actions.h"
#include "tests/support/lab_fixture.h"

namespace lab {

namespace {

using namespace lab_actions;

enum class Verdict { Accepted, NotAnInteger, OutOfRange };

struct InputRow {
  const char* name;
  std::string text;
  Verdict verdict;
  int count;  // the count the next timing is divided by
};

class CountBoxInputTest : public LabTest, public ::testing::WithParamInterface<InputRow> {};

TEST_P(CountBoxInputTest, ValidatesAndTheNextTimingUsesAnAcceptedCount) {
  const InputRow& row = GetParam();
  host->Paste(dlg, IDC_OSCILLATIONS, row.text);
  switch (row.verdict) {
    case Verdict::Accepted:
      EXPECT_TRUE(host->MessageBoxes().empty()) << row.name;
      break;
    case Verdict::NotAnInteger:
      ASSERT_EQ(host->MessageBoxes().size(), 1u) << row.name;
      EXPECT_EQ(host->MessageBoxes()[0].text, "Introdu\u00efu un nombre enter.");
      break;
    case Verdict::OutOfRange:
      ASSERT_EQ(host->MessageBoxes().size(), 1u) << row.name;
      EXPECT_EQ(host->MessageBoxes()[0].text, "Introdu\u00efu un nombre enter entre 1 i 999.");
      break;
  }

  Press(*host, dlg, kPowerOn);
  Press(*host, dlg, kStart);
  host->Tick(dlg, 101);
  Press(*host, dlg, kStop);
  const double t = dlg.m_stopwatch.GetMeasured();
  ASSERT_GT(t, 0.0);
  EXPECT_EQ(dlg.m_oscillations, row.count) << row.name;
  EXPECT_NE(Message().find(" Durada de " + std::to_string(row.count) + " oscil"), std::string::npos)
      << row.name << ": " << Message();
  host->Click(dlg, IDC_PLOT);
  ASSERT_EQ(dlg.m_lastPoint, 0) << row.name;
  EXPECT_DOUBLE_EQ(dlg.m_pointT2[0], (t / row.count) * (t / row.count)) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CountBoxInputTest,
    ::testing::Values(InputRow{"empty", "", Verdict::NotAnInteger, 10},
                      InputRow{"blanks", "   ", Verdict::NotAnInteger, 10},
                      InputRow{"letters", "abc", Verdict::NotAnInteger, 10},
                      InputRow{"lone_plus", "+", Verdict::NotAnInteger, 10},
                      InputRow{"double_minus", "--5", Verdict::NotAnInteger, 10},
                      InputRow{"zero", "0", Verdict::OutOfRange, 10},
                      InputRow{"minus_one", "-1", Verdict::OutOfRange, 10},
                      InputRow{"thousand", "1000", Verdict::OutOfRange, 10},
                      InputRow{"beyond_int", "2147483648", Verdict::OutOfRange, 10},
                      InputRow{"seventy_digits", std::string(70, '7'), Verdict::OutOfRange, 10},
                      InputRow{"digits_then_letters", "12abc", Verdict::NotAnInteger, 10},
                      InputRow{"decimal", "1.9", Verdict::NotAnInteger, 10},
                      InputRow{"decimal_comma", "12,", Verdict::NotAnInteger, 10},
                      InputRow{"exponent", "1e3", Verdict::NotAnInteger, 10},
                      InputRow{"two_numbers", "1 2", Verdict::NotAnInteger, 10},
                      InputRow{"blanks_around", " 7 ", Verdict::Accepted, 7},
                      InputRow{"tab", "\t", Verdict::NotAnInteger, 10},
                      InputRow{"cyrillic", "\xd0\xb4\xd0\xb5\xd1\x81\xd1\x8f\xd1\x82\xd1\x8c",
                               Verdict::NotAnInteger, 10},
                      InputRow{"emoji", "\xf0\x9f\x98\x80", Verdict::NotAnInteger, 10},
                      InputRow{"pasted_ten_thousand", std::string(10000, '5'), Verdict::OutOfRange,
                               10},
                      InputRow{"largest", "999", Verdict::Accepted, 999}),
    [](const ::testing::TestParamInfo<InputRow>& param_info) {
      return std::string(param_info.param.name);
    });

}  // namespace

}  // namespace lab
