// Numbers as text for the report and for the kept series. They ignore the
// program's locale, so a program that switches it gets the same bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lab {

// The data out (report, CSV files, clipboard) follow the spreadsheets of
// the current language: its decimal mark and its CSV separator (a comma
// and ";" for Catalan, Spanish and Aranese; a point and "," for English).
char DataDecimalMark();
char DataSeparator();

// Up to six significant digits, with the language's decimal mark (a comma
// in Catalan): 0.981234567 -> "0,981235", 1.0 -> "1", 2.5e-7 -> "2,5e-07".
// Minus zero is written as "0".
std::string ReportNumber(double value);
// The shortest text of up to 17 significant digits that reads back as
// exactly the same double, with a decimal point: 0.1 -> "0.1".
std::string ExactNumber(double value);
// A plain decimal with a decimal point ("-12", "0.5", "1.25e-3"): an
// optional minus, digits with at most one point, an optional exponent.
// Nothing else (no spaces, "+", "inf", "nan", hexadecimal); nullopt then,
// and for a value out of the double's range.
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace lab
