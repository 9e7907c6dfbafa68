// CLcdDisplay: a row of seven-segment cells drawn from fifteen consecutive
// bitmaps starting at the first image f: digits f..f+9, blank f+10, point
// f+11 (2 x 2, drawn across the lower right corner of the cell before it),
// minus f+12, E f+13, R f+14.
#pragma once

#include <string_view>

#include "platform/dc.h"

namespace lab {

class CLcdDisplay {
 public:
  void Init(int left, int top, int digits, int decimals, int firstImage, int pointOffsetX,
            int pointOffsetY);
  void DrawText(CDC& dc, std::string_view text);
  // The number with the fixed decimals, or "ERR" outside smallest..largest.
  void DrawNumber(CDC& dc, double value);
  void DrawBlank(CDC& dc);

  int Digits() const { return m_digits; }
  int CellWidth() const { return m_cell.cx; }
  int CellHeight() const { return m_cell.cy; }
  double Largest() const { return m_largest; }
  double Smallest() const { return m_smallest; }
  // The row of cells, right/bottom exclusive.
  CRect Rect() const {
    return CRect(m_corner.x, m_corner.y, m_corner.x + m_digits * m_cell.cx, m_corner.y + m_cell.cy);
  }

 private:
  int m_digits = 0;
  int m_decimals = 0;
  double m_largest = 0.0;
  double m_smallest = 0.0;
  CPoint m_corner;  // top-left of cell 0
  CSize m_cell;     // the size of a cell's image
  int m_cellImages[11] = {};
  int m_pointImage = 0;
  int m_minusImage = 0;
  int m_eImage = 0;
  int m_rImage = 0;
  int m_pointOffsetX = 0;
  int m_pointOffsetY = 0;
};

}  // namespace lab
