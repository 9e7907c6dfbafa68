// CPlotArea: the rectangle, its fill, outline and bevel, the area's pen and
// the pixel hit test.
#include "draw/plot_area.h"

namespace lab {

namespace {

// Bevel colours: left and top edges first, right and bottom edges second.
constexpr COLORREF kSunkenFirst = RGB(100, 100, 100);
constexpr COLORREF kSunkenSecond = RGB(210, 210, 210);
constexpr COLORREF kRaisedFirst = RGB(230, 230, 230);
constexpr COLORREF kRaisedSecond = RGB(100, 100, 100);

}  // namespace

CPlotArea::~CPlotArea() { m_pen.DeleteObject(); }

void CPlotArea::SetRect(int left, int top, int width, int height) {
  m_left = left;
  m_top = top;
  m_width = width;
  m_height = height;
  m_originX = left;
  m_originY = top + height;
  m_right = left + width;
  m_bottom = top + height;
  m_outlineRight = m_right + 1;
  m_outlineBottom = m_bottom + 1;
  m_outlineLeft = left - 1;
  m_outlineTop = top - 1;
  m_fillRect = CRect(m_left, m_top, m_right, m_bottom);
}

void CPlotArea::DrawBox(CDC& dc, bool outline, COLORREF outlineColor, bool fill,
                        COLORREF fillColor) {
  if (fill) dc.FillSolidRect(m_fillRect, fillColor);
  if (!outline) return;
  ChangePen(dc, outlineColor);
  // A closed ring one pixel outside the rectangle; the fill stops one pixel
  // short of the right and bottom sides, which therefore stay unpainted.
  dc.MoveTo(m_outlineLeft, m_outlineBottom);
  dc.LineTo(m_outlineLeft, m_outlineTop);
  dc.LineTo(m_outlineRight, m_outlineTop);
  dc.LineTo(m_outlineRight, m_outlineBottom);
  dc.LineTo(m_outlineLeft, m_outlineBottom);
}

void CPlotArea::DrawBevel(CDC& dc, int style) {
  COLORREF first = 0;
  COLORREF second = 0;
  if (style == 1) {
    first = kSunkenFirst;
    second = kSunkenSecond;
  } else if (style == 2) {
    first = kRaisedFirst;
    second = kRaisedSecond;
  } else {
    return;
  }
  const int r = m_right;
  const int b = m_bottom;
  ChangePen(dc, first);
  dc.MoveTo(m_left - 2, b + 2);
  dc.LineTo(m_left - 2, m_top - 2);
  dc.LineTo(r + 2, m_top - 2);
  ChangePen(dc, second);
  dc.LineTo(r + 2, b + 2);
  dc.LineTo(m_left - 2, b + 2);
}

void CPlotArea::SelectPen(CDC& dc, COLORREF color) {
  m_pen.CreatePen(PS_SOLID, 1, color);
  m_rememberedPen = dc.SelectObject(m_pen);
}

void CPlotArea::ChangePen(CDC& dc, COLORREF color) {
  // The context holds a copy of whatever is selected, so the area's pen can
  // be replaced even while the context still draws with it.
  if (m_rememberedPen.IsValid()) dc.SelectObject(m_rememberedPen);
  m_pen.DeleteObject();
  m_pen.CreatePen(PS_SOLID, 1, color);
  dc.SelectObject(m_pen);
}

bool CPlotArea::Contains(int x, int y) const {
  if (x < m_left) return false;
  if (x > m_right) return false;
  if (y < m_top) return false;
  return y <= m_bottom;
}

}  // namespace lab
