// A data file the lab saved (its CSV report), read back for marking: the
// points, the k line and the string's code as the file states them.
//
// The file is read in any of the lab's languages (its headings tell which)
// and with either spreadsheet convention: cells separated by ";" with a
// decimal comma, or by "," with a decimal point. A cell may be quoted as
// the report quotes it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "experiment/point_series.h"

namespace lab {

struct SavedData {
  PointSeries series;
  // The k row: whether there is one, and its value when it is a number
  // (the lab writes "no calculable" for a line with no k).
  bool hasKRow = false;
  std::optional<double> k;
  // The "Codi del fil" row's cell as written, "" without that row.
  std::string code;
};

// The larger files are not the lab's: its report of 100 points is ~3 KB.
inline constexpr std::size_t kSavedDataMaxBytes = 256 * 1024;

// std::nullopt for a file that is not a report of the lab: another header,
// a point row that is not "number; mass; T²" with finite numbers, a file
// larger than kSavedDataMaxBytes.
std::optional<SavedData> ReadSavedData(std::string_view bytes);

}  // namespace lab
