#include "report/number_text.h"

#include <cctype>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace {
std::string WithPrecision(double value, int digits) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::setprecision(digits) << value;
  return out.str();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The grammar of ParseDecimal; the conversion itself is the stream's.
bool IsPlainDecimal(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && t[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    std::size_t exponentDigits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0 || exponentDigits > 4) return false;
  }
  return i == t.size();
}
}  // namespace

std::string ReportNumber(double value) {
  if (value == 0.0) value = 0.0;  // no "-0"
  std::string text = WithPrecision(value, 6);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string ExactNumber(double value) {
  for (int digits = 1; digits < 17; ++digits) {
    const std::string text = WithPrecision(value, digits);
    const std::optional<double> back = ParseDecimal(text);
    if (back && *back == value) return text;
  }
  return WithPrecision(value, 17);
}

std::optional<double> ParseDecimal(std::string_view text) {
  if (text.size() > 64 || !IsPlainDecimal(text)) return std::nullopt;
  std::istringstream in{std::string(text)};
  in.imbue(std::locale::classic());
  double value = 0.0;
  in >> value;
  if (in.fail() || !std::isfinite(value)) return std::nullopt;
  return value;
}
