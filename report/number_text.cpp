#include "report/number_text.h"

#include <cmath>

#include "platform/runtime.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace {
// As a stream with this precision writes it: printf's %g, the classic
// rules (no string streams: the page carries no iostreams for two numbers).
std::string WithPrecision(double value, int digits) { return Format("%.*g", digits, value); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The grammar of ParseDecimal; the conversion itself is strtod's.
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

char DataDecimalMark() { return TextOf(TextId::DecimalMark)[0]; }
char DataSeparator() { return TextOf(TextId::CsvSeparator)[0]; }

std::string ReportNumber(double value) {
  if (value == 0.0) value = 0.0;  // no "-0"
  std::string text = WithPrecision(value, 6);
  const char mark = DataDecimalMark();
  for (char& c : text) {
    if (c == '.') c = mark;
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
  // The grammar has been checked: strtod reads all of it. An overflow is
  // an infinity, refused; an underflow reads as zero or a subnormal, as the
  // desktop's stream read it.
  const std::string copy(text);
  char* end = nullptr;
  const double value = ReadNumber(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace lab
