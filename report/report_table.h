// The lab report as a grid of cells, and the grid as the three texts that
// carry it: tab-separated text and an HTML table for the clipboard, and a
// CSV file for a spreadsheet.
//
// The grid: a header row (Punt, m (kg), T² (s²)), one row per point in the
// order plotted, and from three points on an empty row followed either by
// the fit (slope, intercept and k with their standard errors, and the
// number of points) or by the lab's message for a failed fit, and, for a
// series measured on the string of a code, an empty row and the row
// "Codi del fil" with the code. Numbers have up to six significant digits
// and a decimal comma.
#pragma once

#include <string>
#include <vector>

#include "experiment/point_series.h"

namespace lab {

using ReportRow = std::vector<std::string>;
using ReportGrid = std::vector<ReportRow>;

#include <string_view>

// code: the string's code, "" for the lab's own string (no row).
ReportGrid BuildReport(const PointSeries& series, std::string_view code = {});

// Cells separated by tabs, rows ended by "\n".
std::string ReportAsTabText(const ReportGrid& grid);
// One HTML table (UTF-8), header cells in <th>; an empty row stays empty.
std::string ReportAsHtml(const ReportGrid& grid);
// UTF-8 with a byte-order mark, cells separated by the language's CSV
// separator (";" in Catalan), rows ended by "\r\n"; a cell holding the
// separator, '"' or a line break is quoted.
std::string ReportAsCsv(const ReportGrid& grid);

}  // namespace lab
