#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/data_exchange.h"

namespace lab {

namespace {

struct ParseRow {
  const char* name;
  std::string text;
  bool parses;
  int value;
};

// "8", the blanks, "x": the letter is the 63rd character or lies beyond.
std::string DigitBlanksLetter(std::size_t blanks) {
  std::string text(1, '8');
  text.append(blanks, ' ');
  text.push_back('x');
  return text;
}

class ParseIntegerTest : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseIntegerTest, ReadsAnIntegerAndNothingMore) {
  const ParseRow& row = GetParam();
  int value = -12345;
  EXPECT_EQ(ParseInteger(row.text, value), row.parses) << row.name;
  EXPECT_EQ(value, row.parses ? row.value : -12345) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseIntegerTest,
    ::testing::Values(
        ParseRow{"plain", "12", true, 12}, ParseRow{"blanks_around", " 7 ", true, 7},
        ParseRow{"tab_first", "\t5", true, 5}, ParseRow{"letters_after", "12abc", false, 0},
        ParseRow{"decimal_cut", "1.9", false, 0}, ParseRow{"plus_sign", "+8", true, 8},
        ParseRow{"minus", "-1", true, -1}, ParseRow{"zero", "0", true, 0},
        ParseRow{"empty", "", false, 0}, ParseRow{"blanks", "   ", false, 0},
        ParseRow{"word", "abc", false, 0}, ParseRow{"lone_sign", "+", false, 0},
        ParseRow{"double_sign", "--5", false, 0}, ParseRow{"int_max", "2147483647", true, INT_MAX},
        ParseRow{"above_int", "2147483648", true, INT_MAX},
        ParseRow{"below_int", "-2147483649", true, INT_MIN},
        ParseRow{"seventy_digits", std::string(70, '9'), true, INT_MAX},
        ParseRow{"digit_at_63", std::string(62, ' ') + "5", true, 5},
        ParseRow{"digit_beyond_63", std::string(63, ' ') + "5", false, 0},
        ParseRow{"non_latin", "\xd0\x96\xd0\xb8", false, 0},
        ParseRow{"emoji", "\xf0\x9f\x98\x80", false, 0}, ParseRow{"blank_inside", "1 2", false, 0},
        ParseRow{"exponent", "1e3", false, 0}, ParseRow{"trailing_comma", "12,", false, 0},
        ParseRow{"sign_then_blank", "+ 5", false, 0},
        ParseRow{"tabs_around_sign", "\t-3\t ", true, -3},
        ParseRow{"newline_after", "4\n", false, 0},
        ParseRow{"blanks_to_63_then_letter", DigitBlanksLetter(62), true, 8},
        ParseRow{"letter_at_63", DigitBlanksLetter(61), false, 0}),
    [](const ::testing::TestParamInfo<ParseRow>& param_info) {
      return std::string(param_info.param.name);
    });

TEST(RangeMessage, NamesBothBounds) {
  EXPECT_EQ(RangeMessage(1, 999), "Introdu\u00efu un nombre enter entre 1 i 999.");
}

}  // namespace

}  // namespace lab
