// CPlotArea: a framed rectangle of the main window with an optional world
// coordinate system.
//
// Pixel side: a rectangle (left, top, width, height) that can be filled,
// outlined one pixel outside, bevelled two pixels outside, and hit-tested
// with all four edges inclusive. World side: ranges mapped linearly onto the
// rectangle, world y growing upwards:
//   pixel x = origin x + trunc((x - x minimum) * x scale)
//   pixel y = origin y + trunc((y - y minimum) * y scale)   (y scale < 0)
// with a grid of up to 120 lines per direction computed once in pixels,
// tick labels, axis titles and a segment clipped to the world ranges.
// Every arithmetic step is done in double, as written.
#pragma once

#include <string>

#include "platform/dc.h"

namespace lab {

class CPlotArea {
 public:
  static constexpr int kMaxGridLines = 120;

  struct GridLine {
    CPoint start;  // lower end (vertical lines) or left end (horizontal lines)
    CPoint end;
  };
  struct Segment {
    int x1, y1, x2, y2;  // pixels, first point first
  };

  CPlotArea() = default;
  ~CPlotArea();
  CPlotArea(const CPlotArea&) = delete;
  CPlotArea& operator=(const CPlotArea&) = delete;

  // Rectangle and frames.
  void SetRect(int left, int top, int width, int height);
  // The same with the pixels a fill covers (right and bottom exclusive).
  void SetRect(const CRect& rect) { SetRect(rect.left, rect.top, rect.Width(), rect.Height()); }
  void DrawBox(CDC& dc, bool outline, COLORREF outlineColor, bool fill, COLORREF fillColor);
  // Style 1 sunken, 2 raised; any other value draws nothing.
  void DrawBevel(CDC& dc, int style);
  // Creates the area's pen and selects it, remembering the context's pen.
  void SelectPen(CDC& dc, COLORREF color);
  // Puts the remembered pen back, replaces the area's pen and selects it.
  void ChangePen(CDC& dc, COLORREF color);
  bool Contains(int x, int y) const;

  // World coordinates.
  void SetWorld(double xMin, double xMax, double yMin, double yMax);
  CPoint WorldToScreen(double x, double y) const;
  void ScreenToWorld(int px, int py, double& x, double& y) const;
  bool InWorld(double x, double y) const;
  void DrawDisc(CDC& dc, double x, double y, double radius) const;
  void MakeGrid(double xStep, double verticalAnchor, double upFraction, double downFraction,
                double yStep, double horizontalAnchor, double leftFraction, double rightFraction);
  void DrawGrid(CDC& dc, bool border);
  void DrawTickLabels(CDC& dc, bool xLabels, bool yLabels);
  // The labels of vertical line i (its world x) and horizontal line i (its
  // world y), as DrawTickLabels writes them.
  std::string XTickLabel(int i) const;
  std::string YTickLabel(int i) const;
  // The fonts of the labels, of the axis titles (the y title upwards) and
  // of the small title written over the y title.
  static LogFont TickLabelFont();
  static LogFont TitleFont(bool upwards, bool italic);
  static LogFont SmallTitleFont(bool italic);
  void DrawXTitle(CDC& dc, std::string text, bool italic);
  void DrawYTitle(CDC& dc, std::string text, bool italic);
  void DrawYTitleSmall(CDC& dc, std::string text, bool italic);
  bool DrawClippedSegment(CDC& dc, double x1, double y1, double x2, double y2, Segment& out) const;

  // Read access for owners and tests.
  int Left() const { return m_left; }
  int Top() const { return m_top; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  int Right() const { return m_right; }
  int Bottom() const { return m_bottom; }
  int OutlineLeft() const { return m_outlineLeft; }
  int OutlineTop() const { return m_outlineTop; }
  int OutlineRight() const { return m_outlineRight; }
  int OutlineBottom() const { return m_outlineBottom; }
  CPoint Origin() const { return CPoint{m_originX, m_originY}; }
  const CRect& FillRect() const { return m_fillRect; }
  double XMin() const { return m_xMin; }
  double XMax() const { return m_xMax; }
  double YMin() const { return m_yMin; }
  double YMax() const { return m_yMax; }
  double XScale() const { return m_xScale; }
  double YScale() const { return m_yScale; }
  const CPen& Pen() const { return m_pen; }
  bool HasRememberedPen() const { return m_rememberedPen.IsValid(); }
  int VerticalLineCount() const { return m_verticalCount; }
  int HorizontalLineCount() const { return m_horizontalCount; }
  const GridLine& VerticalLine(int i) const { return m_vertical[i]; }
  const GridLine& HorizontalLine(int i) const { return m_horizontal[i]; }

 private:
  int m_left = 0;
  int m_top = 0;
  int m_width = 0;
  int m_height = 0;
  double m_xMin = 0.0;
  double m_xMax = 0.0;
  double m_yMin = 0.0;
  double m_yMax = 0.0;
  int m_originX = 0;
  int m_originY = 0;
  int m_right = 0;
  int m_bottom = 0;
  int m_outlineRight = 0;
  int m_outlineBottom = 0;
  int m_outlineLeft = 0;
  int m_outlineTop = 0;
  CRect m_fillRect;
  double m_xScale = 1.0;
  double m_yScale = -1.0;
  CPen m_pen;
  CPen m_rememberedPen;
  GridLine m_vertical[kMaxGridLines] = {};
  GridLine m_horizontal[kMaxGridLines] = {};
  int m_verticalCount = 0;
  int m_horizontalCount = 0;
};

}  // namespace lab
