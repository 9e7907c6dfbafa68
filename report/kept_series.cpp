#include "report/kept_series.h"

#include <cmath>

#include "experiment/string_code.h"
#include "report/number_text.h"

namespace lab {

namespace {
constexpr double kMinMass = 0.7 - 1e-9;
constexpr double kMaxMass = 1.9 + 1e-9;
constexpr double kMaxSquaredPeriod = 1e12;

void WriteTable(std::string& out, const char* label, const PointSeries& series,
                const std::string* code) {
  out += label;
  out += ' ';
  out += std::to_string(series.Size());
  if (code != nullptr) {
    out += ' ';
    out += code->empty() ? "-" : *code;
  }
  out += '\n';
  for (int i = 0; i < series.Size(); ++i) {
    out += ExactNumber(series.mass[i]);
    out += ' ';
    out += ExactNumber(series.t2[i]);
    out += '\n';
  }
}

// Reads the text line by line; every line must end with "\n".
class LineReader {
 public:
  explicit LineReader(std::string_view text) : m_text(text) {}
  std::optional<std::string_view> Next() {
    const std::size_t end = m_text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = m_text.substr(0, end);
    m_text.remove_prefix(end + 1);
    return line;
  }
  bool AtEnd() const { return m_text.empty(); }

 private:
  std::string_view m_text;
};

bool ParseNumber(std::string_view text, double& value) {
  const std::optional<double> parsed = ParseDecimal(text);
  if (!parsed) return false;
  value = *parsed;
  return true;
}

bool ParseCount(std::string_view text, int& count) {
  if (text.empty() || text.size() > 3) return false;
  count = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    count = count * 10 + (c - '0');
  }
  return count <= PointSeries::kCapacity;
}

// A table's code as version 2 writes it: "-" or a valid code in capitals.
bool ParseTableCode(std::string_view text, std::string& code) {
  if (text == "-") return true;
  const string_code::ParsedCode parsed = string_code::ParseCode(text);
  if (parsed.status != string_code::CodeStatus::Valid || parsed.code != text) return false;
  code = parsed.code;
  return true;
}

// code: nullptr for version 1, whose count lines carry no code.
bool ReadTable(LineReader& lines, std::string_view label, PointSeries& series, std::string* code) {
  const auto head = lines.Next();
  if (!head || head->size() <= label.size() + 1 || head->substr(0, label.size()) != label ||
      (*head)[label.size()] != ' ') {
    return false;
  }
  std::string_view countText = head->substr(label.size() + 1);
  if (code != nullptr) {
    const std::size_t space = countText.find(' ');
    if (space == std::string_view::npos || !ParseTableCode(countText.substr(space + 1), *code)) {
      return false;
    }
    countText = countText.substr(0, space);
  }
  int count = 0;
  if (!ParseCount(countText, count)) return false;
  for (int i = 0; i < count; ++i) {
    const auto line = lines.Next();
    if (!line) return false;
    const std::size_t space = line->find(' ');
    if (space == std::string_view::npos) return false;
    double mass = 0.0;
    double t2 = 0.0;
    if (!ParseNumber(line->substr(0, space), mass) || !ParseNumber(line->substr(space + 1), t2)) {
      return false;
    }
    if (mass < kMinMass || mass > kMaxMass || !(t2 > 0.0) || t2 > kMaxSquaredPeriod) return false;
    series.Add(mass, t2);
  }
  return true;
}
}  // namespace

std::string WriteKeptSeries(const KeptSeries& kept) {
  // Version 1 while no code is kept, so the text is the one the lab wrote
  // before codes, and any lab reads it.
  const bool codes = !kept.currentCode.empty() || !kept.previousCode.empty();
  std::string out = codes ? kKeptSeriesWithCodesLine : kKeptSeriesVersionLine;
  out += '\n';
  WriteTable(out, "current", kept.current, codes ? &kept.currentCode : nullptr);
  WriteTable(out, "previous", kept.previous, codes ? &kept.previousCode : nullptr);
  return out;
}

std::optional<KeptSeries> ReadKeptSeries(std::string_view text) {
  if (text.size() > kKeptSeriesMaxBytes) return std::nullopt;
  LineReader lines(text);
  const auto version = lines.Next();
  if (!version || (*version != kKeptSeriesVersionLine && *version != kKeptSeriesWithCodesLine)) {
    return std::nullopt;
  }
  const bool codes = *version == kKeptSeriesWithCodesLine;
  KeptSeries kept;
  if (!ReadTable(lines, "current", kept.current, codes ? &kept.currentCode : nullptr) ||
      !ReadTable(lines, "previous", kept.previous, codes ? &kept.previousCode : nullptr) ||
      !lines.AtEnd()) {
    return std::nullopt;
  }
  return kept;
}

}  // namespace lab
