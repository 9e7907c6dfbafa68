#include "report/kept_series.h"

#include <cmath>

#include "report/number_text.h"

namespace {
constexpr double kMinMass = 0.7 - 1e-9;
constexpr double kMaxMass = 1.9 + 1e-9;
constexpr double kMaxSquaredPeriod = 1e12;

void WriteTable(std::string& out, const char* label, const PointSeries& series) {
  out += label;
  out += ' ';
  out += std::to_string(series.Size());
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

bool ReadTable(LineReader& lines, std::string_view label, PointSeries& series) {
  const auto head = lines.Next();
  if (!head || head->size() <= label.size() + 1 || head->substr(0, label.size()) != label ||
      (*head)[label.size()] != ' ') {
    return false;
  }
  int count = 0;
  if (!ParseCount(head->substr(label.size() + 1), count)) return false;
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
  std::string out = kKeptSeriesVersionLine;
  out += '\n';
  WriteTable(out, "current", kept.current);
  WriteTable(out, "previous", kept.previous);
  return out;
}

std::optional<KeptSeries> ReadKeptSeries(std::string_view text) {
  if (text.size() > kKeptSeriesMaxBytes) return std::nullopt;
  LineReader lines(text);
  const auto version = lines.Next();
  if (!version || *version != kKeptSeriesVersionLine) return std::nullopt;
  KeptSeries kept;
  if (!ReadTable(lines, "current", kept.current) || !ReadTable(lines, "previous", kept.previous) ||
      !lines.AtEnd()) {
    return std::nullopt;
  }
  return kept;
}
