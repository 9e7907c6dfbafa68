// Marking a class of 60 students: each saved data file read, its k
// computed again, and every pair of files compared for copied points.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "experiment/string_code.h"
#include "report/class_marking.h"
#include "report/report_table.h"

namespace lab {

namespace {

void BM_MarkSixtyFiles(benchmark::State& state) {
  const char* word = "3r ESO B";
  const std::vector<std::string> codes = string_code::ClassCodes(word, 60);
  std::vector<StudentFile> files;
  for (std::size_t s = 0; s < codes.size(); ++s) {
    // Eight timings, as a thorough student makes them.
    PointSeries series;
    for (int i = 0; i < 8; ++i) {
      const double m = 0.7 + 0.15 * i;
      series.Add(m, 39.478418 / string_code::KOfCode(codes[s]) * m + 0.001 * ((s + i) % 7));
    }
    files.push_back(
        {"alumne" + std::to_string(s) + ".csv", ReportAsCsv(BuildReport(series, codes[s]))});
  }
  for (auto _ : state) {
    const ReportGrid marks = MarkClass(word, files);
    benchmark::DoNotOptimize(marks.data());
  }
}
BENCHMARK(BM_MarkSixtyFiles)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace lab
