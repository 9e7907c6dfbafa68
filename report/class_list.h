// The teacher's list of codes for a class as a CSV file: the same bytes on
// the desktop (trelko --professorat) and in the page's teacher's sheet.
//
// It follows the report's CSV conventions (report_table.h): UTF-8 with a
// byte-order mark, cells separated by ";", rows ended by "\r\n", and k with
// a decimal comma, so a spreadsheet in Catalan reads it as a number. The
// header row is "Codi;k (N/m)", then one row per code: "K7P3QX;30,4".
#pragma once

#include <string>
#include <string_view>

namespace lab {

// The headers are the catalogue's ClassListCodeHeader and ClassListKHeader.
// "" when there is no list (an empty word, a count outside 1..60).
std::string ClassListCsv(std::string_view word, int count);

}  // namespace lab
