// The code in the kept series' text (version 2, only when a code is kept)
// and in the report.
#include <gtest/gtest.h>

#include "report/kept_series.h"
#include "report/report_table.h"
#include "tests/report/report_tables.h"

namespace lab {

namespace {

TEST(KeptSeriesWithCodes, VersionTwoOnlyWithACodeReadStrictly) {
  EXPECT_EQ(WriteKeptSeries({report_tables::KnownSeries(), {}}).substr(0, 16), "trelko-series 1\n");
  const KeptSeries kept{{}, report_tables::KnownSeries(), "", "PDCPCU"};
  const std::string text = WriteKeptSeries(kept);
  EXPECT_EQ(text.substr(0, 46), "trelko-series 2\ncurrent 0 -\nprevious 3 PDCPCU\n");
  EXPECT_EQ(ReadKeptSeries(text), kept);
  for (const char* head : {"current 0 pdcpcu", "current 0 PDCPCV", "current 0", "current 0 -x"}) {
    EXPECT_FALSE(ReadKeptSeries(std::string("trelko-series 2\n") + head + "\nprevious 0 -\n"))
        << head;
  }
  EXPECT_FALSE(ReadKeptSeries("trelko-series 1\ncurrent 0 -\nprevious 0 -\n"));
}

TEST(ReportWithCode, EndsWithTheCodeOnlyWhenThereIsOne) {
  const PointSeries series = report_tables::KnownSeries();
  ReportGrid expected = BuildReport(series);
  EXPECT_EQ(BuildReport(series, ""), expected);
  expected.push_back({});
  expected.push_back({"Codi del fil", "PDCPCU"});
  EXPECT_EQ(BuildReport(series, "PDCPCU"), expected);
}

}  // namespace

}  // namespace lab
