// Format and ParseInteger under a decimal-comma locale: the classic rules
// still, and the process's locale left as it was.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "platform/data_exchange.h"
#include "platform/runtime.h"
#include "tests/support/comma_locale.h"

namespace lab {

namespace {

struct FormatRow {
  const char* name;
  const char* format;
  double value;
  const char* expected;
};

class ClassicFormatTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(ClassicFormatTest, WritesAPointUnderACommaLocale) {
  const FormatRow& row = GetParam();
  const ScopedCommaLocale locale;
  REQUIRE_COMMA_LOCALE(locale);
  EXPECT_EQ(Format(row.format, row.value), row.expected) << row.name;
  // Only the formatting was classic: the process keeps its locale.
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

INSTANTIATE_TEST_SUITE_P(Rows, ClassicFormatTest,
                         ::testing::Values(FormatRow{"mass", "%3.1f", 0.7, "0.7"},
                                           FormatRow{"duration", "%6.1f", 12.3, "  12.3"},
                                           FormatRow{"period", "%4.2f", 1.23, "1.23"},
                                           FormatRow{"display", "%7.1f", 0.0, "    0.0"},
                                           FormatRow{"tick_label", "%.1f", 2.0, "2.0"},
                                           FormatRow{"slope", "%5.2f", 1.4149, " 1.41"},
                                           FormatRow{"general", "%g", 0.001, "0.001"},
                                           FormatRow{"exponent", "%.1e", 12345.0, "1.2e+04"},
                                           FormatRow{"thousands_unbroken", "%.0f", 1234567.0,
                                                     "1234567"}),
                         [](const ::testing::TestParamInfo<FormatRow>& param_info) {
                           return std::string(param_info.param.name);
                         });

// Longer than the first buffer: formatted a second time, still classic.
TEST(ClassicFormat, ALongTextKeepsThePoint) {
  const ScopedCommaLocale locale;
  REQUIRE_COMMA_LOCALE(locale);
  EXPECT_EQ(Format("%300.1f", 1.5), std::string(297, ' ') + "1.5");
}

struct CommaParseRow {
  const char* name;
  const char* text;
  bool parses;
  int value;
};

class CommaParseTest : public ::testing::TestWithParam<CommaParseRow> {};

TEST_P(CommaParseTest, ReadsTheSameUnderACommaLocale) {
  const CommaParseRow& row = GetParam();
  const ScopedCommaLocale locale;
  REQUIRE_COMMA_LOCALE(locale);
  int value = -7;
  EXPECT_EQ(ParseInteger(row.text, value), row.parses) << row.name;
  EXPECT_EQ(value, row.parses ? row.value : -7) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Rows, CommaParseTest,
                         ::testing::Values(CommaParseRow{"plain", "12", true, 12},
                                           CommaParseRow{"blanks", " \t7\t ", true, 7},
                                           CommaParseRow{"decimal_comma", "1,5", false, 0},
                                           CommaParseRow{"trailing_comma", "12,", false, 0},
                                           CommaParseRow{"grouped", "1.000", false, 0},
                                           CommaParseRow{"no_break_space",
                                                         "\xc2\xa0"
                                                         "5",
                                                         false, 0}),
                         [](const ::testing::TestParamInfo<CommaParseRow>& param_info) {
                           return std::string(param_info.param.name);
                         });

}  // namespace

}  // namespace lab
