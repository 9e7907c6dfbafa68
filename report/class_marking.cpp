#include "report/class_marking.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "experiment/string_code.h"
#include "platform/runtime.h"
#include "report/fit_errors.h"
#include "report/number_text.h"
#include "report/saved_data.h"
#include "res/lab_layout.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace {

// A k row agrees with the points when it is their k to the report's six
// significant digits.
bool KRowAgrees(const SavedData& data, const FitWithErrors& fit) {
  if (!fit.fitted) return !data.hasKRow;
  if (!data.hasKRow) return false;
  if (!fit.hasK || !data.k) return !fit.hasK && !data.k;
  return std::fabs(*data.k - fit.k) <= 1e-5 * std::fabs(fit.k);
}

std::string Rounded(double value, double unit) {
  return ReportNumber(std::round(value / unit) * unit);
}

// A file's name as one cell: no line breaks or tabs.
std::string CellName(std::string name) {
  for (char& c : name) {
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  }
  return name;
}

void AddRemark(std::string& remarks, const std::string& remark) {
  if (!remarks.empty()) remarks += "; ";
  remarks += remark;
}

}  // namespace

ReportGrid MarkClass(std::string_view word, const std::vector<StudentFile>& files) {
  const std::vector<std::string> listed = string_code::ClassCodes(word, string_code::kMaxClassSize);
  if (listed.empty()) return {};
  ReportGrid grid;
  grid.push_back({TextOf(TextId::MarkFileHeader), TextOf(TextId::ClassListCodeHeader),
                  TextOf(TextId::MarkPointsKHeader), TextOf(TextId::MarkStringKHeader),
                  TextOf(TextId::MarkDeviationHeader), TextOf(TextId::MarkPointCountHeader),
                  TextOf(TextId::MarkRemarksHeader)});

  std::vector<std::optional<SavedData>> read;
  for (const StudentFile& file : files) {
    read.push_back(file.readable ? ReadSavedData(file.bytes) : std::nullopt);
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    ReportRow row(7);
    row[0] = CellName(files[i].name);
    std::string& remarks = row[6];
    if (!read[i]) {
      AddRemark(remarks,
                TextOf(files[i].readable ? TextId::MarkNotLabsFile : TextId::MarkUnreadable));
      grid.push_back(std::move(row));
      continue;
    }
    const SavedData& data = *read[i];
    const FitWithErrors fit = FitSeries(data.series);
    row[5] = std::to_string(data.series.Size());

    const string_code::ParsedCode code = string_code::ParseCode(data.code);
    std::optional<double> stringK;
    row[1] = CellName(data.code);
    if (data.code.empty()) {
      // The lab's own string, whose k every student may know.
      AddRemark(remarks, TextOf(TextId::MarkNoCode));
      stringK = physical::kStringK;
      row[3] = ReportNumber(physical::kStringK);
    } else if (code.status != string_code::CodeStatus::Valid ||
               std::find(listed.begin(), listed.end(), code.code) == listed.end()) {
      AddRemark(remarks, TextOf(TextId::MarkCodeNotListed));
    } else {
      stringK = string_code::KOfCode(code.code);
      row[3] = string_code::TenthsText(string_code::TenthsOfCode(code.code), DataDecimalMark());
    }

    if (fit.points < 3) {
      AddRemark(remarks, TextOf(TextId::MarkFewPoints));
    } else if (!fit.hasK) {
      AddRemark(remarks, TextOf(TextId::MarkNoK));
    } else {
      row[2] = Rounded(fit.k, 0.01);
      if (stringK) row[4] = Rounded((fit.k - *stringK) / *stringK * 100.0, 0.1);
    }
    if (!KRowAgrees(data, fit)) AddRemark(remarks, TextOf(TextId::MarkEdited));

    std::string copies;
    for (std::size_t j = 0; j < files.size(); ++j) {
      if (j != i && read[j] && !data.series.Empty() && read[j]->series == data.series) {
        if (!copies.empty()) copies += ", ";
        copies += CellName(files[j].name);
      }
    }
    if (!copies.empty()) AddRemark(remarks, Format(TextOf(TextId::MarkCopied), copies.c_str()));
    grid.push_back(std::move(row));
  }
  return grid;
}

}  // namespace lab
