#include "report/class_list.h"

#include "experiment/string_code.h"
#include "report/number_text.h"
#include "report/report_table.h"
#include "res/texts/text_catalogue.h"

namespace lab {

std::string ClassListCsv(std::string_view word, int count) {
  const std::vector<std::string> codes = string_code::ClassCodes(word, count);
  if (codes.empty()) return "";
  ReportGrid grid;
  grid.push_back({TextOf(TextId::ClassListCodeHeader), TextOf(TextId::ClassListKHeader)});
  for (const std::string& code : codes) {
    grid.push_back(
        {code, string_code::TenthsText(string_code::TenthsOfCode(code), DataDecimalMark())});
  }
  return ReportAsCsv(grid);
}

}  // namespace lab
