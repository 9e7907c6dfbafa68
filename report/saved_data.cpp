#include "report/saved_data.h"

#include <string>
#include <vector>

#include "report/number_text.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace {

using Row = std::vector<std::string>;

// The rows of a CSV text: cells split at `separator`, a quoted cell's ""
// read as one quote, rows ended by "\n" or "\r\n" outside quotes.
std::vector<Row> CsvRows(std::string_view text, char separator) {
  std::vector<Row> rows;
  Row row;
  std::string cell;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      row.push_back(std::move(cell));
      cell.clear();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      row.push_back(std::move(cell));
      cell.clear();
      rows.push_back(std::move(row));
      row.clear();
    } else {
      cell += c;
    }
  }
  if (!cell.empty() || !row.empty()) {
    row.push_back(std::move(cell));
    rows.push_back(std::move(row));
  }
  return rows;
}

// A row of one empty cell is the report's empty row.
bool IsEmptyRow(const Row& row) { return row.empty() || (row.size() == 1 && row[0].empty()); }

std::optional<double> Number(std::string cell, char separator) {
  if (separator == ';') {
    for (char& c : cell) {
      if (c == ',') c = '.';
    }
  }
  return ParseDecimal(cell);
}

// The language whose points header the row is; "" when none.
std::string_view HeaderLanguage(const Row& row) {
  if (row.size() != 3) return {};
  for (std::string_view language : Languages()) {
    if (row[0] == TextIn(language, TextId::PointHeader) &&
        row[1] == TextIn(language, TextId::MassHeader) &&
        row[2] == TextIn(language, TextId::SquaredPeriodHeader)) {
      return language;
    }
  }
  return {};
}

}  // namespace

std::optional<SavedData> ReadSavedData(std::string_view bytes) {
  if (bytes.size() > kSavedDataMaxBytes) return std::nullopt;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const std::string_view firstLine = bytes.substr(0, bytes.find('\n'));
  const char separator = firstLine.find(';') != std::string_view::npos ? ';' : ',';
  const std::vector<Row> rows = CsvRows(bytes, separator);
  if (rows.empty()) return std::nullopt;
  const std::string_view language = HeaderLanguage(rows[0]);
  if (language.empty()) return std::nullopt;

  SavedData data;
  std::size_t r = 1;
  for (; r < rows.size() && !IsEmptyRow(rows[r]); ++r) {
    const Row& row = rows[r];
    const std::optional<double> mass = row.size() == 3 ? Number(row[1], separator) : std::nullopt;
    const std::optional<double> t2 = row.size() == 3 ? Number(row[2], separator) : std::nullopt;
    if (!mass || !t2 || row[0] != std::to_string(data.series.Size() + 1) ||
        data.series.Size() == PointSeries::kCapacity) {
      return std::nullopt;
    }
    data.series.Add(*mass, *t2);
  }
  for (; r < rows.size(); ++r) {
    const Row& row = rows[r];
    if (row.size() >= 2 && row[0] == TextIn(language, TextId::ElasticConstantLabel)) {
      data.hasKRow = true;
      data.k = Number(row[1], separator);
    } else if (row.size() >= 2 && row[0] == TextIn(language, TextId::StringCodeLabel)) {
      data.code = row[1];
    }
  }
  return data;
}

}  // namespace lab
