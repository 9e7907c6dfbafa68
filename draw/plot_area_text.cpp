// CPlotArea: the numeric labels of the grid lines and the three axis titles.
//
// Each operation creates its font, selects it and writes; the font stays
// selected afterwards (the context holds its own copy), as do the text
// alignment and, for the small title, the transparent background mode.
// None of them sets the text colour; the labels and the large titles use
// the context's background mode and colour as they are.
#include "draw/plot_area.h"
#include "platform/runtime.h"

namespace lab {

namespace {

constexpr const char* kFace = "Times New Roman";
constexpr unsigned kCentreTop = TA_CENTER | TA_TOP;          // 6
constexpr unsigned kRightBaseline = TA_RIGHT | TA_BASELINE;  // 26
constexpr int kUpwards = 900;                                // tenths of a degree

// The lab's text font: only size, direction and slant vary.
LogFont LabFont(int height, int width, int escapement, bool italic) {
  CFont font;
  font.CreateFont(height, width, escapement, escapement, FW_DONTCARE, italic, false, false,
                  ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, kFace);
  return font.Log();
}

}  // namespace

LogFont CPlotArea::TickLabelFont() { return LabFont(12, 6, 0, false); }

LogFont CPlotArea::TitleFont(bool upwards, bool italic) {
  return LabFont(15, 7, upwards ? kUpwards : 0, italic);
}

LogFont CPlotArea::SmallTitleFont(bool italic) { return LabFont(8, 4, kUpwards, italic); }

std::string CPlotArea::XTickLabel(int i) const {
  // The label shows the world value of the line's pixel column.
  double wx = 0.0;
  double wy = 0.0;
  ScreenToWorld(m_vertical[i].start.x, m_vertical[i].start.y, wx, wy);
  return Format("%3.1f", wx);
}

std::string CPlotArea::YTickLabel(int i) const {
  double wx = 0.0;
  double wy = 0.0;
  ScreenToWorld(m_horizontal[i].start.x, m_horizontal[i].start.y, wx, wy);
  return Format("%3.1f", wy);
}

void CPlotArea::DrawTickLabels(CDC& dc, bool xLabels, bool yLabels) {
  CFont font;
  font.CreateFontIndirect(TickLabelFont());
  dc.SelectObject(font);

  // A point a little left of and below the world rectangle.
  const CPoint anchor =
      WorldToScreen(m_xMin - 0.015 * (m_xMax - m_xMin), m_yMin - 0.02 * (m_yMax - m_yMin));
  if (xLabels) {
    dc.SetTextAlign(kCentreTop);
    for (int i = 0; i < m_verticalCount; ++i) {
      dc.TextOut(m_vertical[i].start.x, anchor.y, XTickLabel(i));
    }
  }
  if (yLabels) {
    dc.SetTextAlign(kRightBaseline);
    for (int i = 0; i < m_horizontalCount; ++i) {
      dc.TextOut(anchor.x, m_horizontal[i].start.y + 3, YTickLabel(i));
    }
  }
  font.DeleteObject();
}

void CPlotArea::DrawXTitle(CDC& dc, std::string text, bool italic) {
  CFont font;
  font.CreateFontIndirect(TitleFont(false, italic));
  dc.SetTextAlign(kCentreTop);
  dc.SelectObject(font);
  // World x 1.3 is an absolute position: the middle of the graph's range.
  const CPoint p = WorldToScreen(1.3, m_yMin - 0.1 * (m_yMax - m_yMin));
  dc.TextOut(p.x, p.y, text);
  font.DeleteObject();
}

void CPlotArea::DrawYTitle(CDC& dc, std::string text, bool italic) {
  CFont font;
  font.CreateFontIndirect(TitleFont(true, italic));
  dc.SetTextAlign(kCentreTop);
  dc.SelectObject(font);
  // World y 1.8 is an absolute position: the middle of the graph's range.
  const CPoint p = WorldToScreen(m_xMin - 0.15 * (m_xMax - m_xMin), 1.8);
  dc.TextOut(p.x, p.y, text);
  font.DeleteObject();
}

void CPlotArea::DrawYTitleSmall(CDC& dc, std::string text, bool italic) {
  CFont font;
  font.CreateFontIndirect(SmallTitleFont(italic));
  // Transparent, so that the spaces of the small text leave the large
  // title's letters visible.
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextAlign(kCentreTop);
  dc.SelectObject(font);
  const CPoint p = WorldToScreen(m_xMin - 0.15 * (m_xMax - m_xMin), 1.8);
  dc.TextOut(p.x - 1, p.y, text);
  font.DeleteObject();
}

}  // namespace lab
