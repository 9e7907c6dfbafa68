#include "draw/lcd_display.h"

#include <cmath>

#include "draw/bitmap_draw.h"
#include "platform/runtime.h"

namespace lab {

namespace {

// "ERR" followed by 23 spaces: three letters, the rest of the row blank.
constexpr std::string_view kErrorText = "ERR                       ";
static_assert(kErrorText.size() == 26);

constexpr int kPointSize = 2;  // the point picture is 2 x 2 pixels

}  // namespace

void CLcdDisplay::Init(int left, int top, int digits, int decimals, int firstImage,
                       int pointOffsetX, int pointOffsetY) {
  m_digits = digits;
  m_decimals = decimals;
  m_largest = std::pow(10.0, digits) - 1;
  m_smallest = 1 - std::pow(10.0, digits - 1);
  m_corner = CPoint{left, top};
  GetBitmapSize(firstImage, m_cell.cx, m_cell.cy);
  for (int i = 0; i < 11; ++i) m_cellImages[i] = firstImage + i;
  m_pointImage = firstImage + 11;
  m_minusImage = firstImage + 12;
  m_eImage = firstImage + 13;
  m_rImage = firstImage + 14;
  m_pointOffsetX = pointOffsetX;
  m_pointOffsetY = pointOffsetY;
}

void CLcdDisplay::DrawText(CDC& dc, std::string_view text) {
  const int blank = m_cellImages[10];
  std::size_t i = 0;
  int c = 0;
  while (c < m_digits && i < text.size()) {
    const char ch = text[i];
    if (ch == '.') {
      // The point takes no cell: it is drawn over the lower right corner of
      // the cell before c, and the cell drawn next covers whatever part of
      // it falls inside that cell.
      DrawBitmapPart(dc, m_corner.x + (c - 1) * m_cell.cx + m_pointOffsetX,
                     m_corner.y + m_pointOffsetY, kPointSize, kPointSize, m_pointImage);
      ++i;
      if (i >= text.size()) {
        DrawBitmapPart(dc, m_corner.x + c * m_cell.cx, m_corner.y, m_cell.cx, m_cell.cy, blank);
        return;
      }
      continue;
    }
    int image = blank;
    if (ch >= '0' && ch <= '9') {
      image = m_cellImages[ch - '0'];
    } else if (ch == '-') {
      image = m_minusImage;
    } else if (ch == 'E') {
      image = m_eImage;
    } else if (ch == 'R') {
      image = m_rImage;
    }
    DrawBitmapPart(dc, m_corner.x + c * m_cell.cx, m_corner.y, m_cell.cx, m_cell.cy, image);
    ++i;
    ++c;
  }
}

void CLcdDisplay::DrawNumber(CDC& dc, double value) {
  // Not ">= smallest" also catches a NaN.
  if (value > m_largest || !(value >= m_smallest)) {
    DrawText(dc, kErrorText);
    return;
  }
  // Right-aligned in digits + 1 characters, the point being one of them. A
  // number that needs every cell for its integer part formats wider than
  // the row and shows its integer part alone.
  DrawText(dc, Format("%*.*f", m_digits + 1, m_decimals < 0 ? 0 : m_decimals, value));
}

void CLcdDisplay::DrawBlank(CDC& dc) {
  // The same as a text of digits spaces: every cell blank, no point.
  for (int c = 0; c < m_digits; ++c) {
    DrawBitmapPart(dc, m_corner.x + c * m_cell.cx, m_corner.y, m_cell.cx, m_cell.cy,
                   m_cellImages[10]);
  }
}

}  // namespace lab
