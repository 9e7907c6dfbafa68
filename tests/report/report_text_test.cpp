// The report's texts: numbers, the fit's uncertainties, and the clipboard's
// and the CSV file's bytes of a known table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "report/fit_errors.h"
#include "report/number_text.h"
#include "report/report_table.h"
#include "tests/report/report_tables.h"

namespace lab {

namespace {

struct NumberRow {
  double value;
  const char* report;
};

class ReportNumberTest : public ::testing::TestWithParam<NumberRow> {};

TEST_P(ReportNumberTest, SixSignificantDigitsWithADecimalComma) {
  EXPECT_EQ(ReportNumber(GetParam().value), GetParam().report);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReportNumberTest,
    ::testing::Values(NumberRow{0.981234567, "0,981235"}, NumberRow{1.0, "1"},
                      NumberRow{1.0 - 0.3, "0,7"}, NumberRow{1.9, "1,9"}, NumberRow{-0.0, "0"},
                      NumberRow{-0.036052631, "-0,0360526"}, NumberRow{2.5e-7, "2,5e-07"},
                      NumberRow{1234567.0, "1,23457e+06"}, NumberRow{28.466411461, "28,4664"},
                      NumberRow{100.0, "100"}));

struct DecimalRow {
  const char* text;
  bool accepted;
};

class ParseDecimalTest : public ::testing::TestWithParam<DecimalRow> {};

TEST_P(ParseDecimalTest, OnlyPlainFiniteDecimals) {
  EXPECT_EQ(ParseDecimal(GetParam().text).has_value(), GetParam().accepted) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseDecimalTest,
    ::testing::Values(DecimalRow{"0.7", true}, DecimalRow{"-12", true}, DecimalRow{"1e-3", true},
                      DecimalRow{"1.25E+2", true}, DecimalRow{".5", true}, DecimalRow{"5.", true},
                      DecimalRow{"", false}, DecimalRow{"-", false}, DecimalRow{".", false},
                      DecimalRow{"+1", false}, DecimalRow{" 1", false}, DecimalRow{"1 ", false},
                      DecimalRow{"0,7", false}, DecimalRow{"inf", false}, DecimalRow{"nan", false},
                      DecimalRow{"0x1p3", false}, DecimalRow{"1e", false},
                      DecimalRow{"1e400", false}, DecimalRow{"1e99999", false},
                      DecimalRow{"1..2", false}));

TEST(ExactNumber, ReadsBackAsTheSameDoubleInFewDigits) {
  EXPECT_EQ(ExactNumber(0.1), "0.1");
  EXPECT_EQ(ExactNumber(1.0), "1");
  for (double v : {1.0 - 0.3, 1.0 + 0.5 + 0.2 + 0.2, std::pow(12.3 / 10, 2.0), 1.0 / 3.0,
                   6.02214076e23, 5e-324, std::numeric_limits<double>::max()}) {
    const std::optional<double> back = ParseDecimal(ExactNumber(v));
    ASSERT_TRUE(back.has_value()) << ExactNumber(v);
    EXPECT_EQ(*back, v) << ExactNumber(v);
  }
}

// The standard errors of the known table, worked out independently with
// python3: exact rational sums with fractions.Fraction, the closed-form
// formulas s² = Σr²/(n-2), SE(slope) = sqrt(n s²/D), SE(intercept) =
// sqrt(Sxx s²/D), the square roots in decimal.Decimal at 40 digits:
//   slope     1.386842105263157894736842  SE 0.05925436973261948635751790
//   intercept 0.036052631578947368421052  SE 0.05855898841897578076868115
//   k         28.46641146110056925996205  SE 1.216259055934029236514195
TEST(FitSeries, StandardErrorsAgreeWithTheExactOnes) {
  const FitWithErrors fit = FitSeries(report_tables::KnownSeries());
  ASSERT_TRUE(fit.fitted);
  EXPECT_EQ(fit.points, 3);
  EXPECT_NEAR(fit.slope, 1.386842105263157894736842, 1e-13);
  EXPECT_NEAR(fit.slopeError, 0.05925436973261948635751790, 1e-13);
  EXPECT_NEAR(fit.intercept, 0.036052631578947368421052, 1e-13);
  EXPECT_NEAR(fit.interceptError, 0.05855898841897578076868115, 1e-13);
  EXPECT_NEAR(fit.k, 28.46641146110056925996205, 1e-11);
  EXPECT_NEAR(fit.kError, 1.216259055934029236514195, 1e-11);
}

PointSeries Series(std::initializer_list<std::pair<double, double>> points) {
  PointSeries s;
  for (const auto& [m, t2] : points) s.Add(m, t2);
  return s;
}

TEST(Report, KnownTableAsTabTextHtmlAndCsv) {
  const ReportGrid grid = BuildReport(report_tables::KnownSeries());
  EXPECT_EQ(ReportAsTabText(grid), report_tables::kKnownTabText);
  EXPECT_EQ(ReportAsHtml(grid), report_tables::kKnownHtml);
  EXPECT_EQ(ReportAsCsv(grid), report_tables::kKnownCsv);
}

TEST(Report, FailedFitEndsWithTheLabsMessage) {
  const ReportGrid grid = BuildReport(report_tables::SameMassSeries());
  EXPECT_EQ(ReportAsTabText(grid), report_tables::kSameMassTabText);
  EXPECT_EQ(ReportAsCsv(grid), report_tables::kSameMassCsv);
}

TEST(Report, RowsOnlyBelowThreePointsAndKNotComputableForAFlatLine) {
  EXPECT_EQ(ReportAsTabText(BuildReport(Series({{0.7, 1.0}, {1.0, 1.44}}))),
            "Punt\tm (kg)\tT\u00b2 (s\u00b2)\n1\t0,7\t1\n2\t1\t1,44\n");
  const std::string flat =
      ReportAsTabText(BuildReport(Series({{1.0, 2.0}, {1.5, 2.0}, {2.0, 2.0}})));
  EXPECT_NE(flat.find("Pendent (s\u00b2/kg)\t0\t0\n"), std::string::npos) << flat;
  EXPECT_NE(flat.find("k (N/m)\tno calculable\tno calculable\n"), std::string::npos) << flat;
}

TEST(Report, CsvQuotesCellsThatHoldItsSeparatorsAndHtmlEscapesMarkup) {
  const ReportGrid grid = {{"a;b", "say \"hi\"", "plain"}, {"<&>"}};
  EXPECT_EQ(ReportAsCsv(grid), "\xEF\xBB\xBF\"a;b\";\"say \"\"hi\"\"\";plain\r\n<&>\r\n");
  EXPECT_NE(ReportAsHtml(grid).find("<td>&lt;&amp;&gt;</td>"), std::string::npos);
}

}  // namespace

}  // namespace lab
