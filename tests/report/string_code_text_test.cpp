// The code in the kept series' text (version 2, only when a code is kept)
// and in the report's rows.
#include <gtest/gtest.h>

#include "report/kept_series.h"
#include "report/report_table.h"
#include "tests/report/report_tables.h"

namespace {

TEST(KeptSeriesWithCodes, WrittenAsVersionTwoOnlyWhenACodeIsKeptAndReadBack) {
  const KeptSeries noCodes{report_tables::KnownSeries(), {}};
  EXPECT_EQ(WriteKeptSeries(noCodes).substr(0, 16), "trelko-series 1\n");
  const KeptSeries kept{report_tables::KnownSeries(), report_tables::SameMassSeries(), "PDCPCU",
                        ""};
  const std::string text = WriteKeptSeries(kept);
  EXPECT_EQ(text.substr(0, 35), "trelko-series 2\ncurrent 3 PDCPCU\n0.");
  EXPECT_NE(text.find("\nprevious 3 -\n"), std::string::npos) << text;
  EXPECT_EQ(ReadKeptSeries(text), kept);
  const KeptSeries previousOnly{{}, report_tables::KnownSeries(), "", "222234"};
  EXPECT_EQ(ReadKeptSeries(WriteKeptSeries(previousOnly)), previousOnly);
}

TEST(KeptSeriesWithCodes, RefusesACodeThatIsNotExactlyAValidOne) {
  for (const char* head : {"current 0 pdcpcu", "current 0 PDCPCV", "current 0", "current 0 ",
                           "current 0 PDCPCU ", "current 0  PDCPCU", "current 0 --"}) {
    const std::string text = std::string("trelko-series 2\n") + head + "\nprevious 0 -\n";
    EXPECT_FALSE(ReadKeptSeries(text).has_value()) << head;
  }
  EXPECT_TRUE(ReadKeptSeries("trelko-series 2\ncurrent 0 PDCPCU\nprevious 0 -\n").has_value());
  // Version 1 carries no codes.
  EXPECT_FALSE(ReadKeptSeries("trelko-series 1\ncurrent 0 -\nprevious 0 -\n").has_value());
}

TEST(ReportWithCode, TheLastRowNamesTheStringsCodeOnlyWhenThereIsOne) {
  const PointSeries series = report_tables::KnownSeries();
  const ReportGrid plain = BuildReport(series);
  EXPECT_EQ(BuildReport(series, ""), plain);
  ReportGrid expected = plain;
  expected.push_back({});
  expected.push_back({"Codi del fil", "PDCPCU"});
  EXPECT_EQ(BuildReport(series, "PDCPCU"), expected);
  EXPECT_NE(ReportAsCsv(BuildReport(series, "PDCPCU")).find("\r\n\r\nCodi del fil;PDCPCU\r\n"),
            std::string::npos);
}

}  // namespace
