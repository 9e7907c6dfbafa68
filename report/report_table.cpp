#include "report/report_table.h"

#include <cmath>

#include "report/fit_errors.h"
#include "report/number_text.h"
#include "res/texts/text_catalogue.h"

namespace lab {

namespace {
std::string Number(double value) {
  return std::isfinite(value) ? ReportNumber(value) : std::string(TextOf(TextId::NotComputable));
}

void AppendHtmlEscaped(std::string& out, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}
}  // namespace

namespace {
ReportGrid PointsAndFit(const PointSeries& series) {
  ReportGrid grid;
  grid.push_back({TextOf(TextId::PointHeader), TextOf(TextId::MassHeader),
                  TextOf(TextId::SquaredPeriodHeader)});
  for (int i = 0; i < series.Size(); ++i) {
    grid.push_back({std::to_string(i + 1), Number(series.mass[i]), Number(series.t2[i])});
  }
  const FitWithErrors fit = FitSeries(series);
  if (!fit.fitted && !fit.failed) return grid;
  grid.push_back({});
  if (fit.failed) {
    grid.push_back({TextOf(TextId::FitFailedMessage)});
    return grid;
  }
  grid.push_back({"", TextOf(TextId::ValueHeader), TextOf(TextId::StandardErrorHeader)});
  grid.push_back({TextOf(TextId::SlopeLabel), Number(fit.slope), Number(fit.slopeError)});
  grid.push_back(
      {TextOf(TextId::InterceptLabel), Number(fit.intercept), Number(fit.interceptError)});
  if (fit.hasK) {
    grid.push_back({TextOf(TextId::ElasticConstantLabel), Number(fit.k), Number(fit.kError)});
  } else {
    grid.push_back({TextOf(TextId::ElasticConstantLabel), TextOf(TextId::NotComputable),
                    TextOf(TextId::NotComputable)});
  }
  grid.push_back({TextOf(TextId::PointCountLabel), std::to_string(fit.points)});
  return grid;
}
}  // namespace

ReportGrid BuildReport(const PointSeries& series, std::string_view code) {
  ReportGrid grid = PointsAndFit(series);
  if (!code.empty()) {
    grid.push_back({});
    grid.push_back({TextOf(TextId::StringCodeLabel), std::string(code)});
  }
  return grid;
}

std::string ReportAsTabText(const ReportGrid& grid) {
  std::string out;
  for (const ReportRow& row : grid) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += '\t';
      out += row[i];
    }
    out += '\n';
  }
  return out;
}

std::string ReportAsHtml(const ReportGrid& grid) {
  std::string out = "<html><head><meta charset=\"utf-8\"></head><body>\n<table border=\"1\">\n";
  for (std::size_t r = 0; r < grid.size(); ++r) {
    // The points' header and the fit's header row are header cells.
    const bool header = r == 0 || (r > 0 && grid[r - 1].empty() && grid[r].size() == 3);
    out += "<tr>";
    for (const std::string& cell : grid[r]) {
      out += header ? "<th>" : "<td>";
      AppendHtmlEscaped(out, cell);
      out += header ? "</th>" : "</td>";
    }
    out += "</tr>\n";
  }
  out += "</table>\n</body></html>\n";
  return out;
}

std::string ReportAsCsv(const ReportGrid& grid) {
  std::string out = "\xEF\xBB\xBF";
  const char separator = DataSeparator();
  const char special[] = {separator, '"', '\r', '\n', '\0'};
  for (const ReportRow& row : grid) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += separator;
      const std::string& cell = row[i];
      if (cell.find_first_of(special) == std::string::npos) {
        out += cell;
        continue;
      }
      out += '"';
      for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
      }
      out += '"';
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace lab
